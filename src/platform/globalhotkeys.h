// System-wide hotkeys: key combinations that reach Quorix whichever program has the focus.
//
// A hotkey is a set of modifiers in Windows' flags (1 ALT, 2 CTRL, 4 SHIFT, 8 WIN, as the hotkey
// file stores them) and a Windows virtual-key code (platform/virtualkeys.h), identified by an
// integer of the caller's choice. It works whatever the state of Caps Lock, Num Lock and Scroll
// Lock. The desktop tells programs apart, not objects: the process has one, Current<GlobalHotkeys>().
#pragma once

#include "platform/currentservice.h"

#include <QObject>

class GlobalHotkeys : public QObject
{
    Q_OBJECT

public:
    static constexpr int ModAlt = 1;
    static constexpr int ModControl = 2;
    static constexpr int ModShift = 4;
    static constexpr int ModWin = 8;
    static constexpr int KnownModifiers = ModAlt | ModControl | ModShift | ModWin;

    ~GlobalHotkeys() override;
    // Key grabs on the X server (X11GlobalHotkeys).
    static GlobalHotkeys &Platform();

    // False when the desktop offers no global hotkeys (no X display, e.g. offscreen).
    virtual bool IsAvailable() const = 0;

    // Takes the combination for the id; an id registered before gives up its old combination
    // first. Returns false, with nothing taken, when another program holds the combination, when
    // another id holds it already, when the key is unknown or not on the keyboard, or when
    // modifiers holds bits other than the four flags.
    virtual bool Register(int id, int modifiers, int virtualKey) = 0;
    virtual void Unregister(int id) = 0;
    virtual void UnregisterAll() = 0;
    virtual bool IsRegistered(int id) const = 0;

Q_SIGNALS:
    // A registered combination was pressed (never on release; again while the key repeats). It is
    // emitted from the event loop after the key event has been handled, so a slot may open menus
    // and dialogs.
    void HotkeyPressed(int id);

protected:
    explicit GlobalHotkeys(QObject *parent = nullptr);
};
