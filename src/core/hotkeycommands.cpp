#include "core/hotkeycommands.h"

#include "foundation/appinfo.h"
#include "foundation/messages.h"
#include "foundation/pathmacros.h"
#include "core/windowcontrol.h"
#include "platform/launcher.h"

#include <QFileInfo>

HotkeyCommands::HotkeyCommands() : m_windows(std::make_unique<WindowControl>())
{
}

HotkeyCommands::~HotkeyCommands() = default;

void HotkeyCommands::SetWindowControl(std::unique_ptr<WindowControl> control)
{
    m_windows = control ? std::move(control) : std::make_unique<WindowControl>();
}

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
    if (const quint32 window = m_windows->ActiveWindow())
        m_windows->Close(window);
}

void HotkeyCommands::MaximizeActiveWindow()
{
    const quint32 window = m_windows->ActiveWindow();
    if (window && m_windows->CanMaximize(window))
        m_windows->MaximizeOrRestore(window);
}

void HotkeyCommands::MinimizeActiveWindow()
{
    const quint32 window = m_windows->ActiveWindow();
    if (window && m_windows->CanMinimize(window))
        m_windows->Minimize(window);
}

void HotkeyCommands::ExecuteFile(const QString &params)
{
    const QString path = params.startsWith(QLatin1Char('$')) ? ExpandPathMacro(params) : params;
    // Only files: a folder is refused like a missing file.
    if (QFileInfo(path).isFile()) {
        StartFile(path);
        return;
    }
    ShowMessageBox(kAppTitle,
                   QStringLiteral("File not found.\r\rCannot find the file \"") + path + QStringLiteral("\"."),
                   MessageIcon::Error, m_messageParent);
}
