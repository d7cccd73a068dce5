// The Windows virtual-key codes that the hotkey file stores, and their counterparts: X key symbols
// (for grabbing a key) and Qt keys (for the key-capture control), plus the names Quorix shows.
//
// Covered: letters A-Z (0x41-0x5A), digits (0x30-0x39), F1-F24 (0x70-0x87), the number pad
// (0x60-0x6F), arrows, Home/End/Page Up/Page Down/Insert/Delete, Escape, Tab, Space, Return,
// Backspace, Pause, Print, Scroll Lock, the punctuation keys of a US layout (0xBA-0xC0, 0xDB-0xDE)
// and the browser, volume, media and launch keys (0xA6-0xB7). Every other code maps to 0.
#pragma once

#include <QString>

// The X key symbol of a virtual key (letters give the small letter, as keyboard maps list it).
quint32 VirtualKeyToKeysym(int vk);
// The virtual key of an X key symbol; capital and small letters, number-pad Enter and Left Tab
// are accepted too.
int KeysymToVirtualKey(quint32 keysym);

// The Qt key of a virtual key. Number-pad keys carry Qt::KeypadModifier, as Qt reports them.
int VirtualKeyToQtKey(int vk);
// The virtual key of a Qt key, with or without Qt::KeypadModifier (other modifier bits are
// ignored). Without the keypad bit, digits and operators are the main keyboard's.
int QtKeyToVirtualKey(int qtKey);

// The key's name as Quorix shows it: "F9", "A", "Num 5", "Page Up". Empty for 0; an unknown code
// reads "Key " and its decimal number, so that two unknown keys never look alike.
QString VirtualKeyDisplayName(int vk);
