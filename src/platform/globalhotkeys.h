// System-wide hotkeys: key combinations that reach Quorix whichever program has the focus.
//
// A hotkey is a set of modifiers in Windows' flags (1 ALT, 2 CTRL, 4 SHIFT, 8 WIN, as the hotkey
// file stores them) and a Windows virtual-key code (platform/virtualkeys.h), identified by an
// integer of the caller's choice. It works whatever the state of Caps Lock, Num Lock and Scroll
// Lock. Create one GlobalHotkeys per process: the desktop tells programs apart, not objects.
#pragma once

#include <QObject>

#include <memory>

class GlobalHotkeys : public QObject
{
    Q_OBJECT

public:
    static constexpr int ModAlt = 1;
    static constexpr int ModControl = 2;
    static constexpr int ModShift = 4;
    static constexpr int ModWin = 8;

    explicit GlobalHotkeys(QObject *parent = nullptr);
    ~GlobalHotkeys() override; // releases every hotkey

    // False when the desktop offers no global hotkeys (no X display, e.g. offscreen).
    bool IsAvailable() const;

    // Takes the combination for the id; an id registered before gives up its old combination
    // first. Returns false, with nothing taken, when another program holds the combination, when
    // another id of this object holds it already, when the key is unknown or not on the keyboard,
    // or when modifiers holds bits other than the four flags.
    bool Register(int id, int modifiers, int virtualKey);
    void Unregister(int id);
    void UnregisterAll();
    bool IsRegistered(int id) const;

Q_SIGNALS:
    // A registered combination was pressed (never on release; again while the key repeats). It is
    // emitted from the event loop after the key event has been handled, so a slot may open menus
    // and dialogs.
    void HotkeyPressed(int id);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
