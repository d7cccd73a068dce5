// Where each desktop service of platform/ gets its implementation: the Linux one. Tests put
// stand-ins (platform/fake/) in front of them with ScopedService; Current<Service>() gives the one
// in use. The interfaces themselves never include an implementation.
#include "platform/appbarservice.h"
#include "platform/applicationsmenu.h"
#include "platform/globalhotkeys.h"
#include "platform/iconthemesource.h"
#include "platform/launcher.h"
#include "platform/playertracks.h"
#include "platform/printingsystem.h"
#include "platform/registrystore.h"
#include "platform/sessionpower.h"
#include "platform/substitutetaskbar.h"
#include "platform/systemsource.h"
#include "platform/windowsystem.h"

#include "platform/linux/ewmhappbarservice.h"
#include "platform/linux/xdgapplicationsmenu.h"
#include "platform/linux/giolauncher.h"
#include "platform/linux/linuxplayertracks.h"
#include "platform/linux/linuxsystemsource.h"
#include "platform/linux/logindsessionpower.h"
#include "platform/linux/qtprintingsystem.h"
#include "platform/linux/x11globalhotkeys.h"
#include "platform/linux/x11substitutetaskbar.h"
#include "platform/linux/x11windowsystem.h"
#include "platform/linux/xdgregistrystore.h"
#include "platform/linux/xsettingsiconthemesource.h"

#include <QCoreApplication>
#include <QPointer>

AppBarService &AppBarService::Platform()
{
    // A QObject that watches the display: it goes with the application object, before the
    // display connection does.
    static QPointer<AppBarService> service;
    if (!service)
        service = new EwmhAppBarService(QCoreApplication::instance());
    return *service;
}

ApplicationsMenu &ApplicationsMenu::Platform()
{
    static XdgApplicationsMenu menu;
    return menu;
}

GlobalHotkeys &GlobalHotkeys::Platform()
{
    // Its grabs end with the display connection: it goes with the application object, before it.
    static QPointer<GlobalHotkeys> hotkeys;
    if (!hotkeys)
        hotkeys = new X11GlobalHotkeys(QCoreApplication::instance());
    return *hotkeys;
}

IconThemeSource &IconThemeSource::Platform()
{
    // Watches the display like the application-bar service: it goes with the application object.
    static QPointer<IconThemeSource> source;
    if (!source)
        source = new XSettingsIconThemeSource(QCoreApplication::instance());
    return *source;
}

Launcher &Launcher::Platform()
{
    static GioLauncher launcher;
    return launcher;
}

PlayerTracks &PlayerTracks::Platform()
{
    static LinuxPlayerTracks players;
    return players;
}

PrintingSystem &PrintingSystem::Platform()
{
    static QtPrintingSystem printers;
    return printers;
}

RegistryStore &RegistryStore::Platform()
{
    static XdgRegistryStore store;
    return store;
}

SessionPower &SessionPower::Platform()
{
    static LogindSessionPower power;
    return power;
}

SubstituteTaskbar &SubstituteTaskbar::Platform()
{
    static X11SubstituteTaskbar taskbar;
    return taskbar;
}

SystemSource &SystemSource::Platform()
{
    static LinuxSystemSource machine;
    return machine;
}

WindowSystem &WindowSystem::Platform()
{
    static X11WindowSystem windows;
    return windows;
}
