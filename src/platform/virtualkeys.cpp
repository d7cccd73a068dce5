#include "platform/virtualkeys.h"

#include <Qt>

#include <X11/XF86keysym.h>
#include <X11/keysym.h>

#include <array>

namespace {

struct KeyRow
{
    int vk;
    quint32 keysym;
    int qtKey;
    const char *name; // null: the name is built from the code (letters, digits, F keys, number pad)
};

constexpr int kKeypad = int(Qt::KeypadModifier);

// Named keys; letters, digits, F keys and number-pad digits follow from their code ranges.
constexpr std::array kNamedKeys = {
    KeyRow{0x08, XK_BackSpace, Qt::Key_Backspace, "Backspace"},
    KeyRow{0x09, XK_Tab, Qt::Key_Tab, "Tab"},
    KeyRow{0x0D, XK_Return, Qt::Key_Return, "Enter"},
    KeyRow{0x13, XK_Pause, Qt::Key_Pause, "Pause"},
    KeyRow{0x1B, XK_Escape, Qt::Key_Escape, "Esc"},
    KeyRow{0x20, XK_space, Qt::Key_Space, "Space"},
    KeyRow{0x21, XK_Prior, Qt::Key_PageUp, "Page Up"},
    KeyRow{0x22, XK_Next, Qt::Key_PageDown, "Page Down"},
    KeyRow{0x23, XK_End, Qt::Key_End, "End"},
    KeyRow{0x24, XK_Home, Qt::Key_Home, "Home"},
    KeyRow{0x25, XK_Left, Qt::Key_Left, "Left"},
    KeyRow{0x26, XK_Up, Qt::Key_Up, "Up"},
    KeyRow{0x27, XK_Right, Qt::Key_Right, "Right"},
    KeyRow{0x28, XK_Down, Qt::Key_Down, "Down"},
    KeyRow{0x2C, XK_Print, Qt::Key_Print, "Print Screen"},
    KeyRow{0x2D, XK_Insert, Qt::Key_Insert, "Insert"},
    KeyRow{0x2E, XK_Delete, Qt::Key_Delete, "Delete"},
    KeyRow{0x6A, XK_KP_Multiply, Qt::Key_Asterisk | kKeypad, "Num *"},
    KeyRow{0x6B, XK_KP_Add, Qt::Key_Plus | kKeypad, "Num +"},
    KeyRow{0x6C, XK_KP_Separator, Qt::Key_Comma | kKeypad, "Num Separator"},
    KeyRow{0x6D, XK_KP_Subtract, Qt::Key_Minus | kKeypad, "Num -"},
    KeyRow{0x6E, XK_KP_Decimal, Qt::Key_Period | kKeypad, "Num ."},
    KeyRow{0x6F, XK_KP_Divide, Qt::Key_Slash | kKeypad, "Num /"},
    KeyRow{0x91, XK_Scroll_Lock, Qt::Key_ScrollLock, "Scroll Lock"},
    KeyRow{0xA6, XF86XK_Back, Qt::Key_Back, "Browser Back"},
    KeyRow{0xA7, XF86XK_Forward, Qt::Key_Forward, "Browser Forward"},
    KeyRow{0xA8, XF86XK_Refresh, Qt::Key_Refresh, "Browser Refresh"},
    KeyRow{0xA9, XF86XK_Stop, Qt::Key_Stop, "Browser Stop"},
    KeyRow{0xAA, XF86XK_Search, Qt::Key_Search, "Browser Search"},
    KeyRow{0xAB, XF86XK_Favorites, Qt::Key_Favorites, "Browser Favorites"},
    KeyRow{0xAC, XF86XK_HomePage, Qt::Key_HomePage, "Browser Home"},
    KeyRow{0xAD, XF86XK_AudioMute, Qt::Key_VolumeMute, "Volume Mute"},
    KeyRow{0xAE, XF86XK_AudioLowerVolume, Qt::Key_VolumeDown, "Volume Down"},
    KeyRow{0xAF, XF86XK_AudioRaiseVolume, Qt::Key_VolumeUp, "Volume Up"},
    KeyRow{0xB0, XF86XK_AudioNext, Qt::Key_MediaNext, "Next Track"},
    KeyRow{0xB1, XF86XK_AudioPrev, Qt::Key_MediaPrevious, "Previous Track"},
    KeyRow{0xB2, XF86XK_AudioStop, Qt::Key_MediaStop, "Stop Media"},
    KeyRow{0xB3, XF86XK_AudioPlay, Qt::Key_MediaPlay, "Play/Pause"},
    KeyRow{0xB4, XF86XK_Mail, Qt::Key_LaunchMail, "Mail"},
    KeyRow{0xB5, XF86XK_AudioMedia, Qt::Key_LaunchMedia, "Select Media"},
    KeyRow{0xB6, XF86XK_MyComputer, Qt::Key_Launch0, "Launch App 1"},
    KeyRow{0xB7, XF86XK_Calculator, Qt::Key_Launch1, "Launch App 2"},
    KeyRow{0xBA, XK_semicolon, Qt::Key_Semicolon, ";"},
    KeyRow{0xBB, XK_equal, Qt::Key_Equal, "="},
    KeyRow{0xBC, XK_comma, Qt::Key_Comma, ","},
    KeyRow{0xBD, XK_minus, Qt::Key_Minus, "-"},
    KeyRow{0xBE, XK_period, Qt::Key_Period, "."},
    KeyRow{0xBF, XK_slash, Qt::Key_Slash, "/"},
    KeyRow{0xC0, XK_grave, Qt::Key_QuoteLeft, "`"},
    KeyRow{0xDB, XK_bracketleft, Qt::Key_BracketLeft, "["},
    KeyRow{0xDC, XK_backslash, Qt::Key_Backslash, "\\"},
    KeyRow{0xDD, XK_bracketright, Qt::Key_BracketRight, "]"},
    KeyRow{0xDE, XK_apostrophe, Qt::Key_Apostrophe, "'"},
};

// Other key symbols and Qt keys that stand for a listed key.
struct Alias
{
    quint32 from;
    int vk;
};
constexpr std::array kKeysymAliases = {
    Alias{XK_KP_Enter, 0x0D},
    Alias{XK_ISO_Left_Tab, 0x09},
};
constexpr std::array kQtKeyAliases = {
    Alias{Qt::Key_Enter, 0x0D},
    Alias{Qt::Key_Enter | kKeypad, 0x0D},
    Alias{Qt::Key_Backtab, 0x09},
    Alias{Qt::Key_MediaTogglePlayPause, 0xB3},
    Alias{Qt::Key_MediaPause, 0xB3},
    Alias{Qt::Key_Calculator, 0xB7},
};

constexpr int kFirstLetter = 0x41, kLastLetter = 0x5A;
constexpr int kFirstDigit = 0x30, kLastDigit = 0x39;
constexpr int kFirstPadDigit = 0x60, kLastPadDigit = 0x69;
constexpr int kFirstFKey = 0x70, kLastFKey = 0x87;

bool inRange(int value, int first, int last) { return value >= first && value <= last; }

const KeyRow *namedKey(int vk)
{
    for (const KeyRow &row : kNamedKeys) {
        if (row.vk == vk)
            return &row;
    }
    return nullptr;
}

} // namespace

quint32 VirtualKeyToKeysym(int vk)
{
    if (inRange(vk, kFirstLetter, kLastLetter))
        return XK_a + quint32(vk - kFirstLetter);
    if (inRange(vk, kFirstDigit, kLastDigit))
        return XK_0 + quint32(vk - kFirstDigit);
    if (inRange(vk, kFirstPadDigit, kLastPadDigit))
        return XK_KP_0 + quint32(vk - kFirstPadDigit);
    if (inRange(vk, kFirstFKey, kLastFKey))
        return XK_F1 + quint32(vk - kFirstFKey);
    const KeyRow *row = namedKey(vk);
    return row ? row->keysym : 0;
}

int KeysymToVirtualKey(quint32 keysym)
{
    if (keysym >= XK_a && keysym <= XK_z)
        return kFirstLetter + int(keysym - XK_a);
    if (keysym >= XK_A && keysym <= XK_Z)
        return kFirstLetter + int(keysym - XK_A);
    if (keysym >= XK_0 && keysym <= XK_9)
        return kFirstDigit + int(keysym - XK_0);
    if (keysym >= XK_KP_0 && keysym <= XK_KP_9)
        return kFirstPadDigit + int(keysym - XK_KP_0);
    if (keysym >= XK_F1 && keysym <= XK_F24)
        return kFirstFKey + int(keysym - XK_F1);
    for (const KeyRow &row : kNamedKeys) {
        if (row.keysym == keysym)
            return row.vk;
    }
    for (const Alias &alias : kKeysymAliases) {
        if (alias.from == keysym)
            return alias.vk;
    }
    return 0;
}

int VirtualKeyToQtKey(int vk)
{
    // Qt's keys for letters and digits carry the same numbers as the virtual keys.
    if (inRange(vk, kFirstLetter, kLastLetter) || inRange(vk, kFirstDigit, kLastDigit))
        return vk;
    if (inRange(vk, kFirstPadDigit, kLastPadDigit))
        return (Qt::Key_0 + vk - kFirstPadDigit) | kKeypad;
    if (inRange(vk, kFirstFKey, kLastFKey))
        return Qt::Key_F1 + vk - kFirstFKey;
    const KeyRow *row = namedKey(vk);
    return row ? row->qtKey : 0;
}

int QtKeyToVirtualKey(int qtKey)
{
    const bool keypad = (qtKey & kKeypad) != 0;
    const int key = qtKey & ~int(Qt::KeyboardModifierMask);
    if (inRange(key, Qt::Key_0, Qt::Key_9))
        return keypad ? kFirstPadDigit + key - Qt::Key_0 : key;
    if (inRange(key, Qt::Key_A, Qt::Key_Z))
        return key;
    if (inRange(key, Qt::Key_F1, Qt::Key_F24))
        return kFirstFKey + key - Qt::Key_F1;
    const int wanted = key | (keypad ? kKeypad : 0);
    for (const KeyRow &row : kNamedKeys) {
        if (row.qtKey == wanted)
            return row.vk;
    }
    for (const Alias &alias : kQtKeyAliases) {
        if (int(alias.from) == wanted)
            return alias.vk;
    }
    // A key Qt reports with the keypad bit that has no number-pad meaning of its own (the arrows
    // and Home/End of a pad without Num Lock) is the key it names.
    if (keypad)
        return QtKeyToVirtualKey(key);
    return 0;
}

QString VirtualKeyDisplayName(int vk)
{
    if (vk == 0)
        return QString();
    if (inRange(vk, kFirstLetter, kLastLetter) || inRange(vk, kFirstDigit, kLastDigit))
        return QString(QChar(vk));
    if (inRange(vk, kFirstPadDigit, kLastPadDigit))
        return QStringLiteral("Num %1").arg(vk - kFirstPadDigit);
    if (inRange(vk, kFirstFKey, kLastFKey))
        return QStringLiteral("F%1").arg(vk - kFirstFKey + 1);
    if (const KeyRow *row = namedKey(vk))
        return QString::fromLatin1(row->name);
    return QStringLiteral("Key %1").arg(vk);
}
