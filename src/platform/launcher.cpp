#include "platform/launcher.h"

#include "platform/linux/giolauncher.h"

namespace {
Launcher *g_installed = nullptr;
}

Launcher::~Launcher() = default;

Launcher &CurrentLauncher()
{
    static GioLauncher desktop;
    return g_installed ? *g_installed : desktop;
}

Launcher *SetLauncher(Launcher *launcher)
{
    Launcher *previous = g_installed;
    g_installed = launcher;
    return previous;
}
