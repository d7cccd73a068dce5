#include "platform/systemsource.h"

#include "platform/linux/linuxsystemsource.h"

namespace {

SystemSource *g_installed = nullptr;

SystemSource &MachineSource()
{
    static LinuxSystemSource machine;
    return machine;
}

} // namespace

SystemSource::~SystemSource() = default;

SystemSource &CurrentSystemSource()
{
    return g_installed ? *g_installed : MachineSource();
}

SystemSource *SetSystemSource(SystemSource *source)
{
    SystemSource *previous = g_installed;
    g_installed = source;
    return previous;
}
