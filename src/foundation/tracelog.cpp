#include "foundation/tracelog.h"

#include "foundation/programfolder.h"
#include "platform/xdgpaths.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace {
bool g_traceEnabled = false;

// Long time format of the locale without the time zone, which a log line does not need.
QString LongTimeText(const QTime &time)
{
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return QLocale::system().toString(time, format.trimmed());
}
} // namespace

void SetTraceFromArguments(const QStringList &arguments)
{
    SetTraceEnabled(arguments.size() > 1 && arguments.at(1) == QStringLiteral("/debug"));
}

void SetTraceEnabled(bool enabled)
{
    g_traceEnabled = enabled;
}

bool TraceEnabled()
{
    return g_traceEnabled;
}

QString TraceFilePath()
{
    const QString beside = ProgramFolder();
    if (QFileInfo(beside).isWritable())
        return beside + QStringLiteral("debug.txt");
    return XdgStateHome() + QStringLiteral("Brenmoor/Quorix/debug.txt");
}

void ResetTraceFile()
{
    if (g_traceEnabled)
        QFile::remove(TraceFilePath());
}

void TraceLine(const QString &message)
{
    if (!g_traceEnabled)
        return;
    const QString path = TraceFilePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return;
    const QDateTime now = QDateTime::currentDateTime();
    const QString line = QLocale::system().toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ')
                         + LongTimeText(now.time()) + QStringLiteral(":\t") + message + QLatin1Char('\n');
    file.write(line.toUtf8());
}
