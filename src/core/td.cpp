#include "core/td.h"

#include "app/appinfo.h"
#include "app/datafiles.h"
#include "app/inifile.h"
#include "appearance/themeapply.h"
#include "app/messages.h"
#include "app/tmainmenu.h"
#include "core/hotkeycommands.h"
#include "infobar/infobarvalue.h"
#include "infobar/marqueevalues.h"
#include "platform/substitutetaskbar.h"

#include <QEvent>
#include <QGuiApplication>

namespace {
TD *g_instance = nullptr;
}

TD::TD(QObject *parent) : QObject(parent), m_hotkeyCommands(std::make_unique<HotkeyCommands>())
{
    setObjectName(QStringLiteral("D"));
    g_instance = this;
    DataModuleCreate();
}

TD::~TD()
{
    if (g_instance == this)
        g_instance = nullptr;
}

TD *TD::Instance()
{
    return g_instance;
}

void TD::DataModuleCreate()
{
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            ApplicationEvents1Activate();
        else if (state == Qt::ApplicationInactive)
            ApplicationEvents1Deactivate();
    });
}

void TD::AttachBar(TMainMenu *bar)
{
    if (m_bar)
        m_bar->removeEventFilter(this);
    m_bar = bar;
    if (m_bar)
        m_bar->installEventFilter(this);
}

void TD::ExecuteHotkeyCommand(const QString &function, const QString &params)
{
    m_hotkeyCommands->ExecuteHotkeyCommand(function, params);
}

void TD::CheckTaskbar()
{
    m_taskbarPresent = TaskbarWindowExists();
    // Only an X desktop has taskbar windows to stand in for.
    if (!m_taskbarPresent && QGuiApplication::platformName() == QStringLiteral("xcb"))
        CreateSubstituteTaskbar();
}

bool TD::CreateSubstituteTaskbar()
{
    QString errorText;
    if (::CreateSubstituteTaskbar(&errorText))
        return true;
    ShowMessageBox(kAppTitle, errorText, MessageIcon::Error);
    return false;
}

void TD::ApplyTheme(QWidget *form)
{
    if (!m_bar || form != m_bar)
        return;
    QString error;
    const std::optional<ThemeColors> colors =
        ReadThemeColors(IniFile(DataFilePath(dfSettings)), QStringLiteral("theme"), &error);
    if (!colors) {
        ShowMessageBox(kAppTitle, error, MessageIcon::Error);
        return;
    }
    m_themeColors = *colors;
    ApplyThemeToPainter(m_bar->MenuStyle(), m_themeColors);
    ApplyThemeToBar(m_bar, m_themeColors);
    ApplyThemeToMarquee(m_bar->Marquee(), m_themeColors);
}

void TD::ApplicationEvents1Activate()
{
    if (m_bar && m_bar->Settings().noAlphaOnActivate && m_bar->BlendValue() != 0)
        m_bar->SetBlend(255);
}

void TD::ApplicationEvents1Deactivate()
{
    if (m_bar && m_bar->Settings().noAlphaOnActivate && m_bar->BlendValue() != 0)
        m_bar->SetBlend(m_bar->BlendValue());
}

void TD::ApplicationEvents1SettingChange()
{
    if (m_bar)
        m_bar->RefreshMenu1Click();
}

bool TD::eventFilter(QObject *watched, QEvent *event)
{
    // Qt reports a new icon theme as a theme change of every window; one refresh is enough. The
    // event type is tested first: while the bar is being destroyed its events still pass here,
    // and comparing with the half-destroyed bar is undefined.
    if (event->type() == QEvent::ThemeChange && watched == m_bar)
        ApplicationEvents1SettingChange();
    return QObject::eventFilter(watched, event);
}

int TD::GetInfoBarValue(int code) const
{
    return ::GetInfoBarValue(code);
}

QString TD::GetMarqueeValue(const QString &object, const QString &parameter) const
{
    return ::GetMarqueeValue(object, parameter);
}

QString TD::ExpandMarqueeLine(const QString &line) const
{
    return ::ExpandMarqueeLine(line);
}

QStringList TD::MarqueeObjects() const
{
    return MarqueeObjectNames();
}

QStringList TD::MarqueeParameters(const QString &object) const
{
    return MarqueeParameterNames(object);
}
