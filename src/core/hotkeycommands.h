// The five commands a hotkey can run: "CloseActiveWindow", "MaximizeActiveWindow",
// "MinimizeActiveWindow" (on the window that has the focus, whichever program owns it),
// "ExecuteFile" (starts a file, whose path may begin with a path macro) and "OpenQuorix" (opens the
// bar's "Main" menu from the keyboard). The window commands go to Current<WindowSystem>().
#pragma once

#include <QString>

#include <functional>

class QWidget;

class HotkeyCommands
{
public:
    HotkeyCommands();
    ~HotkeyCommands();
    HotkeyCommands(const HotkeyCommands &) = delete;
    HotkeyCommands &operator=(const HotkeyCommands &) = delete;

    // Runs the command; the name is matched without regard to case, an unknown name does nothing.
    void ExecuteHotkeyCommand(const QString &function, const QString &params);

    // "OpenQuorix": brings the bar to the front and opens its "&Main" menu as the keyboard does.
    // Set by the bar; nothing happens without it.
    void SetOpenMainMenu(std::function<void()> openMainMenu) { m_openMainMenu = std::move(openMainMenu); }
    // Owner of the "File not found." box.
    void SetMessageParent(QWidget *parent) { m_messageParent = parent; }

private:
    void CloseActiveWindow();
    void MaximizeActiveWindow();
    void MinimizeActiveWindow();
    void ExecuteFile(const QString &params);

    std::function<void()> m_openMainMenu;
    QWidget *m_messageParent = nullptr;
};
