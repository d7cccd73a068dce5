#include "testenv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const char *const kVars[] = {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_STATE_HOME",
                             "XDG_CACHE_HOME", "XDG_RUNTIME_DIR", "XDG_DATA_DIRS", "XDG_CONFIG_DIRS"};
}

TestHome::TestHome()
{
    const QString root = m_dir.path();
    for (int i = 0; i < 8; ++i)
        m_savedVars[i] = qgetenv(kVars[i]);
    const QString dirs[] = {root, root + "/.local/share", root + "/.config", root + "/.local/state",
                            root + "/.cache", root + "/run", root + "/usr/share", root + "/etc/xdg"};
    for (int i = 0; i < 8; ++i) {
        QDir().mkpath(dirs[i]);
        qputenv(kVars[i], dirs[i].toUtf8());
    }
}

TestHome::~TestHome()
{
    for (int i = 0; i < 8; ++i) {
        if (m_savedVars[i].isNull())
            qunsetenv(kVars[i]);
        else
            qputenv(kVars[i], m_savedVars[i]);
    }
}

QString TestHome::writeFile(const QString &relativePath, const QByteArray &content) const
{
    const QString full = relativePath.startsWith('/') ? relativePath : m_dir.path() + '/' + relativePath;
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile f(full);
    if (f.open(QIODevice::WriteOnly))
        f.write(content);
    return full;
}

QByteArray readWholeFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
