// Which X modifier bits stand for Alt, the Windows key, Num Lock and Scroll Lock on this keyboard,
// and what follows for key grabs: the X mask of a Windows modifier set, the lock-key variants a
// grab must cover, and the modifiers of a key event that count.
#pragma once

#include <QList>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

class X11ModifierMap
{
public:
    // Windows' modifier flags, as the hotkey file stores them.
    static constexpr int WinAlt = 1;
    static constexpr int WinControl = 2;
    static constexpr int WinShift = 4;
    static constexpr int WinKey = 8;

    // The usual map: Alt on Mod1, the Windows key on Mod4, no Num Lock or Scroll Lock bit.
    X11ModifierMap() = default;
    X11ModifierMap(quint16 alt, quint16 win, quint16 numLock, quint16 scrollLock);

    // Reads the server's modifier mapping; modifiers it does not name keep the usual bits.
    static X11ModifierMap Query(xcb_connection_t *connection, xcb_key_symbols_t *symbols);

    // The X modifier mask of a set of Windows flags; bits other than the four flags are ignored.
    quint16 FromWindowsModifiers(int modifiers) const;
    // Every combination of Caps Lock, Num Lock and Scroll Lock, none first: a grab covers each,
    // so that a hotkey works whatever the lock keys' state.
    QList<quint16> LockVariants() const;
    // The modifiers of a key event that decide which hotkey it is: Shift, Control and Mod1-Mod5
    // without the lock bits (mouse buttons held meanwhile do not count either).
    quint16 SignificantModifiers(quint16 state) const;

    quint16 Alt() const { return m_alt; }
    quint16 Win() const { return m_win; }
    quint16 NumLock() const { return m_numLock; }
    quint16 ScrollLock() const { return m_scrollLock; }

private:
    quint16 m_alt = XCB_MOD_MASK_1;
    quint16 m_win = XCB_MOD_MASK_4;
    quint16 m_numLock = 0;
    quint16 m_scrollLock = 0;
};
