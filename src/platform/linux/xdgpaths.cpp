#include "platform/xdgpaths.h"

#include <QDir>
#include <QStandardPaths>

namespace {

// A base directory variable counts only when it holds an absolute path.
QString BaseDir(const char *variable, const QString &fallbackBelowHome)
{
    const QString value = qEnvironmentVariable(variable);
    if (QDir::isAbsolutePath(value))
        return WithTrailingSlash(QDir::cleanPath(value));
    return WithTrailingSlash(HomeDir() + fallbackBelowHome);
}

} // namespace

QString WithTrailingSlash(const QString &path)
{
    if (path.isEmpty() || path.endsWith(QLatin1Char('/')))
        return path;
    return path + QLatin1Char('/');
}

QString HomeDir()
{
    const QString home = qEnvironmentVariable("HOME");
    return WithTrailingSlash(QDir::cleanPath(home.isEmpty() ? QDir::homePath() : home));
}

QString XdgDataHome() { return BaseDir("XDG_DATA_HOME", QStringLiteral(".local/share")); }
QString XdgConfigHome() { return BaseDir("XDG_CONFIG_HOME", QStringLiteral(".config")); }
QString XdgStateHome() { return BaseDir("XDG_STATE_HOME", QStringLiteral(".local/state")); }

QString XdgRuntimeDir()
{
    const QString value = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(value) && QDir(value).exists())
        return WithTrailingSlash(QDir::cleanPath(value));
    return WithTrailingSlash(QDir::tempPath());
}

QStringList XdgDataDirs()
{
    QStringList dirs;
    for (const QString &dir : qEnvironmentVariable("XDG_DATA_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(dir))
            dirs.append(WithTrailingSlash(QDir::cleanPath(dir)));
    }
    if (dirs.isEmpty())
        dirs = {QStringLiteral("/usr/local/share/"), QStringLiteral("/usr/share/")};
    return dirs;
}

QStringList XdgConfigDirs()
{
    QStringList dirs;
    for (const QString &dir : qEnvironmentVariable("XDG_CONFIG_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(dir))
            dirs.append(WithTrailingSlash(QDir::cleanPath(dir)));
    }
    if (dirs.isEmpty())
        dirs = {QStringLiteral("/etc/xdg/")};
    return dirs;
}

QString XdgDesktopDir()
{
    return WithTrailingSlash(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
}

QString XdgDocumentsDir()
{
    return WithTrailingSlash(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}
