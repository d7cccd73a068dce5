#include "platform/linux/sessionbus.h"

#include <QDir>
#include <QFileInfo>

bool SessionBusReachable()
{
    if (!qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS").trimmed().isEmpty())
        return true;
    // The bus of the user's session, where systemd or dbus-broker keeps it.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return QDir::isAbsolutePath(runtime) && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}
