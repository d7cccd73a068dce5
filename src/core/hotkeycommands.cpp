#include "core/hotkeycommands.h"

#include "foundation/appinfo.h"
#include "foundation/messages.h"
#include "foundation/pathmacros.h"
#include "foundation/pathtoopen.h"
#include "platform/launcher.h"
#include "platform/windowsystem.h"

#include <QFileInfo>

HotkeyCommands::HotkeyCommands() = default;

HotkeyCommands::~HotkeyCommands() = default;

void HotkeyCommands::ExecuteHotkeyCommand(const QString &function, const QString &params)
{
    const QString name = function.toLower();
    if (name == QStringLiteral("closeactivewindow"))
        CloseActiveWindow();
    else if (name == QStringLiteral("maximizeactivewindow"))
        MaximizeActiveWindow();
    else if (name == QStringLiteral("minimizeactivewindow"))
        MinimizeActiveWindow();
    else if (name == QStringLiteral("executefile"))
        ExecuteFile(params);
    else if (name == QStringLiteral("openquorix") && m_openMainMenu)
        m_openMainMenu();
}

void HotkeyCommands::CloseActiveWindow()
{
    WindowSystem &windows = Current<WindowSystem>();
    if (const quint32 window = windows.ActiveWindow())
        windows.CloseWindowPolitely(window);
}

void HotkeyCommands::MaximizeActiveWindow()
{
    WindowSystem &windows = Current<WindowSystem>();
    const quint32 window = windows.ActiveWindow();
    if (window && windows.CanMaximize(window))
        windows.MaximizeOrRestore(window);
}

void HotkeyCommands::MinimizeActiveWindow()
{
    WindowSystem &windows = Current<WindowSystem>();
    const quint32 window = windows.ActiveWindow();
    if (window && windows.CanMinimize(window))
        windows.Minimize(window);
}

void HotkeyCommands::ExecuteFile(const QString &params)
{
    const QString path = params.startsWith(QLatin1Char('$')) ? ExpandPathToOpen(params) : params;
    // Only files (and the recent files view): a folder is refused like a missing file.
    if (QFileInfo(path).isFile() || IsVirtualFolderLocation(path)) {
        StartFile(path);
        return;
    }
    ShowMessageBox(kAppTitle,
                   QStringLiteral("File not found.\r\rCannot find the file \"") + path + QStringLiteral("\"."),
                   MessageIcon::Error, m_messageParent);
}
