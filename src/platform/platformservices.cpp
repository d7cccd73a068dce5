// Where each desktop service of platform/ gets its implementation: the Linux one, unless a test
// installed a stand-in (platform/fake/). The interfaces themselves never include an implementation.
#include "platform/appbarservice.h"
#include "platform/launcher.h"
#include "platform/systemsource.h"

#include "platform/linux/ewmhappbarservice.h"
#include "platform/linux/giolauncher.h"
#include "platform/linux/linuxsystemsource.h"

namespace {
Launcher *g_launcher = nullptr;
SystemSource *g_systemSource = nullptr;
} // namespace

std::unique_ptr<AppBarService> AppBarService::Create()
{
    return std::make_unique<EwmhAppBarService>();
}

Launcher &CurrentLauncher()
{
    static GioLauncher desktop;
    return g_launcher ? *g_launcher : desktop;
}

Launcher *SetLauncher(Launcher *launcher)
{
    return std::exchange(g_launcher, launcher);
}

SystemSource &CurrentSystemSource()
{
    static LinuxSystemSource machine;
    return g_systemSource ? *g_systemSource : machine;
}

SystemSource *SetSystemSource(SystemSource *source)
{
    return std::exchange(g_systemSource, source);
}
