#include "platform/linux/xdgregistrystore.h"

#include "base/atomicfile.h"
#include "base/inifile.h"
#include "platform/regularfile.h"
#include "platform/xdgpaths.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace {
const QString kEntrySection = QStringLiteral("Desktop Entry");

// A key's value in the [Desktop Entry] group as the file has it: a desktop entry is not a profile
// file, and its quotes belong to the Exec line's own quoting.
QString DesktopEntryValue(const QString &path, const QString &key)
{
    // The autostart folder is anyone's to fill: a FIFO there must not block the bar.
    const RegularFileRead file = ReadRegularFile(path, kMaxDesktopEntrySize);
    if (!file.ok)
        return {};
    bool inEntry = false;
    for (const QByteArray &rawLine : file.data.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QLatin1Char('[') + kEntrySection + QLatin1Char(']');
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (inEntry && equals > 0 && line.left(equals).trimmed() == key)
            return line.mid(equals + 1).trimmed();
    }
    return {};
}

// Quotes an Exec argument as the desktop entry format wants it.
QString QuoteExecArgument(const QString &argument)
{
    static const QRegularExpression reserved(QStringLiteral("[\\s\"'\\\\><~|&;$*?#()`%=]"));
    if (!argument.contains(reserved))
        return argument;
    QString escaped;
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    escaped.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

// A desktop entry's string values escape their backslashes once more, before the Exec quoting is
// read: a quoted "$" is written "\\$" and a quoted backslash "\\\\".
QString EscapeStringValue(const QString &value)
{
    QString escaped = value;
    return escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
}

// Undoes the string escapes (\s, \n, \t, \r, \\). Any other backslash is kept as it stands, so an
// entry whose Exec quoting was written without the string escapes still reads.
QString UnescapeStringValue(const QString &value)
{
    QString text;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != QLatin1Char('\\') || i + 1 == value.size()) {
            text += value[i];
            continue;
        }
        const QChar next = value[i + 1];
        if (next == QLatin1Char('s'))
            text += QLatin1Char(' ');
        else if (next == QLatin1Char('n'))
            text += QLatin1Char('\n');
        else if (next == QLatin1Char('t'))
            text += QLatin1Char('\t');
        else if (next == QLatin1Char('r'))
            text += QLatin1Char('\r');
        else if (next == QLatin1Char('\\'))
            text += QLatin1Char('\\');
        else {
            text += value[i];
            continue;
        }
        ++i;
    }
    return text;
}

// The first argument of an Exec line, quotes and escapes undone.
QString FirstExecArgument(const QString &exec)
{
    QString text = exec.trimmed();
    if (!text.startsWith(QLatin1Char('"')))
        return text.section(QLatin1Char(' '), 0, 0).replace(QStringLiteral("%%"), QStringLiteral("%"));
    QString argument;
    for (int i = 1; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\\') && i + 1 < text.size()) {
            argument += text[++i];
        } else if (text[i] == QLatin1Char('"')) {
            break;
        } else {
            argument += text[i];
        }
    }
    return argument.replace(QStringLiteral("%%"), QStringLiteral("%"));
}

// A line break would end the Exec line early and start a key of its own.
bool HasControlCharacter(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.category() == QChar::Other_Control; });
}
} // namespace

QString XdgRegistryStore::RegistryFilePath()
{
    return XdgConfigHome() + QStringLiteral("Brenmoor/registry.ini");
}

QString XdgRegistryStore::ReadString(const QString &keyPath, const QString &valueName, const QString &defaultValue)
{
    return IniFile(RegistryFilePath()).ReadString(keyPath, valueName, defaultValue);
}

bool XdgRegistryStore::WriteString(const QString &keyPath, const QString &valueName, const QString &value)
{
    return IniFile(RegistryFilePath()).WriteString(keyPath, valueName, value);
}

QString XdgRegistryStore::AutostartEntryPath()
{
    return XdgConfigHome() + QStringLiteral("autostart/quorix.desktop");
}

QString XdgRegistryStore::AutostartProgram()
{
    const QString path = AutostartEntryPath();
    if (DesktopEntryValue(path, QStringLiteral("Hidden")).compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0)
        return {};
    return FirstExecArgument(UnescapeStringValue(DesktopEntryValue(path, QStringLiteral("Exec"))));
}

bool XdgRegistryStore::SetAutostartProgram(const QString &programPath)
{
    if (programPath.isEmpty() || HasControlCharacter(programPath))
        return false;
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Quorix\n"
                                         "Comment=Desktop bar\n"
                                         "Icon=quorix\n"
                                         "Exec=%1\n"
                                         "Terminal=false\n"
                                         "X-GNOME-Autostart-enabled=true\n")
                              .arg(EscapeStringValue(QuoteExecArgument(programPath)));
    QDir().mkpath(XdgConfigHome() + QStringLiteral("autostart"));
    return WriteFileAtomically(AutostartEntryPath(), entry.toUtf8());
}

bool XdgRegistryStore::RemoveAutostartProgram()
{
    QFile entry(AutostartEntryPath());
    return !entry.exists() || entry.remove();
}
