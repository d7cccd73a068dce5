#include "core/td.h"

#include "foundation/appinfo.h"
#include "foundation/settingsmodel.h"
#include "base/inifile.h"
#include "appearance/themeapply.h"
#include "foundation/messages.h"
#include "core/databar.h"
#include "core/hotkeycommands.h"
#include "infobar/infobarvalue.h"
#include "infobar/marqueevalues.h"
#include "notes/notestore.h"
#include "platform/iconthemesource.h"
#include "platform/substitutetaskbar.h"

#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QWidget>

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
    // The notes menu and the note windows expect a store to read, even before the first note.
    CreateNoteStore();
    // Qt on X11 does not follow the desktop's icon theme by itself.
    IconThemeSource &iconThemes = Current<IconThemeSource>();
    connect(&iconThemes, &IconThemeSource::IconThemeChanged, this, &TD::DesktopIconThemeChanged);
    iconThemes.Watch();
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            ApplicationEvents1Activate();
        else if (state == Qt::ApplicationInactive)
            ApplicationEvents1Deactivate();
    });
}

void TD::AttachBar(DataBar *bar)
{
    if (m_barWindow)
        m_barWindow->removeEventFilter(this);
    m_bar = bar;
    m_barWindow = bar ? bar->BarWindow() : nullptr;
    if (m_barWindow)
        m_barWindow->installEventFilter(this);
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
    DataBar *bar = Bar();
    if (!bar || form != m_barWindow)
        return;
    QString error;
    QString badKey;
    const IniFile &settings = CurrentSettings().File();
    const QString section = QStringLiteral("theme");
    const std::optional<ThemeColors> colors = ReadThemeColors(settings, section, &error, &badKey);
    if (!colors) {
        ShowMessageBox(kAppTitle, ThemeColorErrorText(error, QDir::toNativeSeparators(settings.FileName()), section, badKey),
                       MessageIcon::Error);
        return;
    }
    m_themeColors = *colors;
    ApplyThemeToPainter(bar->MenuStyle(), m_themeColors);
    ApplyThemeToBar(form, m_themeColors);
    ApplyThemeToMarquee(bar->Marquee(), m_themeColors);
}

void TD::ApplicationEvents1Activate()
{
    if (DataBar *bar = Bar(); bar && bar->OpaqueWhileActive() && bar->BlendValue() != 0)
        bar->SetBlend(255);
}

void TD::ApplicationEvents1Deactivate()
{
    if (DataBar *bar = Bar(); bar && bar->OpaqueWhileActive() && bar->BlendValue() != 0)
        bar->SetBlend(bar->BlendValue());
}

void TD::ApplicationEvents1SettingChange()
{
    if (DataBar *bar = Bar())
        bar->RefreshMenu1Click();
}

void TD::DesktopIconThemeChanged(const QString &name)
{
    if (name.isEmpty() || name == QIcon::themeName())
        return;
    QIcon::setThemeName(name);
    ApplicationEvents1SettingChange();
}

bool TD::eventFilter(QObject *watched, QEvent *event)
{
    // Qt reports a new icon theme as a theme change of every window; one refresh is enough. The
    // event type is tested first: while the bar is being destroyed its events still pass here,
    // and comparing with the half-destroyed bar is undefined.
    if (event->type() == QEvent::ThemeChange && m_barWindow && watched == m_barWindow)
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
