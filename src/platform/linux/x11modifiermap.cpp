#include "platform/linux/x11modifiermap.h"

#include <X11/keysym.h>

#include <cstdlib>
#include <memory>

namespace {

struct FreeDeleter
{
    void operator()(void *p) const { std::free(p); }
};

constexpr quint16 kKeyboardModifiers = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_LOCK | XCB_MOD_MASK_CONTROL
                                       | XCB_MOD_MASK_1 | XCB_MOD_MASK_2 | XCB_MOD_MASK_3
                                       | XCB_MOD_MASK_4 | XCB_MOD_MASK_5;

// The modifier bit (Mod1-Mod5) that a key symbol sits on in the modifier mapping; 0 when none.
quint16 modifierOfKeysym(xcb_key_symbols_t *symbols, const xcb_get_modifier_mapping_reply_t *mapping,
                         xcb_keysym_t keysym)
{
    std::unique_ptr<xcb_keycode_t, FreeDeleter> keycodes(xcb_key_symbols_get_keycode(symbols, keysym));
    if (!keycodes)
        return 0;
    const xcb_keycode_t *modifierKeys = xcb_get_modifier_mapping_keycodes(mapping);
    const int perModifier = mapping->keycodes_per_modifier;
    // Indices 0-2 are Shift, Lock and Control; only Mod1-Mod5 can carry the keys asked about.
    for (int modifier = 3; modifier < 8; ++modifier) {
        for (int k = 0; k < perModifier; ++k) {
            const xcb_keycode_t key = modifierKeys[modifier * perModifier + k];
            if (key == 0)
                continue;
            for (const xcb_keycode_t *code = keycodes.get(); *code != 0; ++code) {
                if (*code == key)
                    return quint16(1u << modifier);
            }
        }
    }
    return 0;
}

} // namespace

X11ModifierMap::X11ModifierMap(quint16 alt, quint16 win, quint16 numLock, quint16 scrollLock)
    : m_alt(alt), m_win(win), m_numLock(numLock), m_scrollLock(scrollLock)
{
}

X11ModifierMap X11ModifierMap::Query(xcb_connection_t *connection, xcb_key_symbols_t *symbols)
{
    X11ModifierMap map;
    if (!connection || !symbols)
        return map;
    xcb_generic_error_t *error = nullptr;
    std::unique_ptr<xcb_get_modifier_mapping_reply_t, FreeDeleter> mapping(
        xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), &error));
    std::free(error);
    if (!mapping)
        return map;
    if (quint16 alt = modifierOfKeysym(symbols, mapping.get(), XK_Alt_L))
        map.m_alt = alt;
    if (quint16 win = modifierOfKeysym(symbols, mapping.get(), XK_Super_L))
        map.m_win = win;
    map.m_numLock = modifierOfKeysym(symbols, mapping.get(), XK_Num_Lock);
    map.m_scrollLock = modifierOfKeysym(symbols, mapping.get(), XK_Scroll_Lock);
    // A lock that shares its bit with Alt or the Windows key could not be told apart from it.
    if (map.m_numLock & (map.m_alt | map.m_win))
        map.m_numLock = 0;
    if (map.m_scrollLock & (map.m_alt | map.m_win | map.m_numLock))
        map.m_scrollLock = 0;
    return map;
}

quint16 X11ModifierMap::FromWindowsModifiers(int modifiers) const
{
    quint16 mask = 0;
    if (modifiers & WinAlt)
        mask |= m_alt;
    if (modifiers & WinControl)
        mask |= XCB_MOD_MASK_CONTROL;
    if (modifiers & WinShift)
        mask |= XCB_MOD_MASK_SHIFT;
    if (modifiers & WinKey)
        mask |= m_win;
    return mask;
}

QList<quint16> X11ModifierMap::LockVariants() const
{
    QList<quint16> locks{quint16(XCB_MOD_MASK_LOCK)};
    if (m_numLock)
        locks.append(m_numLock);
    if (m_scrollLock && m_scrollLock != m_numLock)
        locks.append(m_scrollLock);
    QList<quint16> variants;
    for (int subset = 0; subset < (1 << locks.size()); ++subset) {
        quint16 mask = 0;
        for (int i = 0; i < locks.size(); ++i) {
            if (subset & (1 << i))
                mask |= locks.at(i);
        }
        variants.append(mask);
    }
    return variants;
}

quint16 X11ModifierMap::SignificantModifiers(quint16 state) const
{
    return state & kKeyboardModifiers & ~quint16(XCB_MOD_MASK_LOCK | m_numLock | m_scrollLock);
}
