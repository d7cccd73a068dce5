#include "platform/linux/logindsessionpower.h"

#include "platform/launcher.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QStandardPaths>

#include <unistd.h>

namespace {

const QString kLogind = QStringLiteral("org.freedesktop.login1");
const QString kManagerPath = QStringLiteral("/org/freedesktop/login1");
const QString kManager = QStringLiteral("org.freedesktop.login1.Manager");

struct DesktopTool
{
    const char *desktop;   // as named in XDG_CURRENT_DESKTOP
    const char *program;
    const char *argument;  // may be null
};

// Each desktop's own dialog works only inside that desktop's session.
const DesktopTool kTools[] = {
    {"GNOME", "gnome-session-quit", "--power-off"},
    {"XFCE", "xfce4-session-logout", nullptr},
    {"MATE", "mate-session-save", "--shutdown-dialog"},
    {"X-Cinnamon", "cinnamon-session-quit", "--power-off"},
    {"LXQt", "lxqt-leave", nullptr},
    {"LXDE", "lxsession-logout", nullptr},
};

bool SameDesktop(const QString &name, const char *desktop)
{
    return name.compare(QLatin1String(desktop), Qt::CaseInsensitive) == 0;
}

QString CurrentSessionId(QDBusInterface &manager)
{
    const QDBusReply<QDBusObjectPath> path = manager.call(QStringLiteral("GetSessionByPID"), uint(getpid()));
    if (path.isValid()) {
        QDBusInterface session(kLogind, path.value().path(), QStringLiteral("org.freedesktop.login1.Session"),
                               QDBusConnection::systemBus());
        const QString id = session.property("Id").toString();
        if (!id.isEmpty())
            return id;
    }
    return qEnvironmentVariable("XDG_SESSION_ID");
}

} // namespace

bool LogindSessionPower::StartDesktopShutDownDialog()
{
    const QStringList desktops =
        qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString &desktop : desktops) {
        for (const DesktopTool &tool : kTools) {
            if (!SameDesktop(desktop, tool.desktop))
                continue;
            const QString program = QStandardPaths::findExecutable(QString::fromLatin1(tool.program));
            if (program.isEmpty())
                continue;
            QStringList arguments;
            if (tool.argument)
                arguments.append(QString::fromLatin1(tool.argument));
            if (Current<Launcher>().RunProgram(program, arguments, {}))
                return true;
        }
    }
    return false;
}

bool LogindSessionPower::RequestSessionAction(SessionAction action, QString *error)
{
    QDBusInterface manager(kLogind, kManagerPath, kManager, QDBusConnection::systemBus());
    if (!manager.isValid()) {
        if (error)
            *error = QStringLiteral("The session manager (logind) cannot be reached.");
        return false;
    }
    QDBusMessage reply;
    switch (action) {
    case SessionAction::PowerOff: reply = manager.call(QStringLiteral("PowerOff"), true); break;
    case SessionAction::Reboot: reply = manager.call(QStringLiteral("Reboot"), true); break;
    case SessionAction::LogOut: {
        const QString id = CurrentSessionId(manager);
        if (id.isEmpty()) {
            if (error)
                *error = QStringLiteral("Quorix is not running in a login session.");
            return false;
        }
        reply = manager.call(QStringLiteral("TerminateSession"), id);
        break;
    }
    }
    if (reply.type() == QDBusMessage::ErrorMessage) {
        if (error)
            *error = reply.errorMessage();
        return false;
    }
    return true;
}
