#include "platform/linux/sessionbus.h"
#include "platform/sessionbusguard.h"

#include <QDir>
#include <QFileInfo>

#include <glib.h>

namespace {
constexpr char kAddressVariable[] = "DBUS_SESSION_BUS_ADDRESS";
} // namespace

bool BusDisabledForThisProcess()
{
    return qgetenv(kAddressVariable) == kDisabledBusAddress;
}

bool SessionBusReachable()
{
    if (BusDisabledForThisProcess())
        return false;
    if (!qEnvironmentVariable(kAddressVariable).trimmed().isEmpty())
        return true;
    // The bus of the user's session, where systemd or dbus-broker keeps it.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return QDir::isAbsolutePath(runtime) && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}

void KeepBusDaemonsFromStarting()
{
    if (!SessionBusReachable())
        qputenv(kAddressVariable, kDisabledBusAddress);
}

char **ChildEnvironment()
{
    char **environment = g_get_environ();
    if (BusDisabledForThisProcess())
        environment = g_environ_unsetenv(environment, kAddressVariable);
    return environment;
}
