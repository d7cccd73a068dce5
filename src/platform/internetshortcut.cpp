#include "platform/internetshortcut.h"

#include "base/atomicfile.h"
#include "platform/regularfile.h"

#include <QFile>
#include <QStringConverter>

namespace {

QString DecodeText(const QByteArray &data)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(data);
    // Files written by old Windows programs are in a Latin code page, not UTF-8.
    return utf8.hasError() ? QString::fromLatin1(data) : text;
}

} // namespace

QString ReadInternetShortcutData(const QByteArray &data)
{
    QString text = DecodeText(data);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    bool inShortcutSection = false;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            const qsizetype close = line.indexOf(QLatin1Char(']'));
            const QStringView name = close < 0 ? line.mid(1) : line.mid(1, close - 1);
            inShortcutSection = name.trimmed().compare(QLatin1String("InternetShortcut"), Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inShortcutSection)
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0 || line.left(equals).trimmed().compare(QLatin1String("URL"), Qt::CaseInsensitive) != 0)
            continue;
        return line.mid(equals + 1).trimmed().toString();
    }
    return {};
}

QString ReadInternetShortcut(const QString &path)
{
    // A shortcut is a few lines; anything larger, or not a plain file, is not one.
    const RegularFileRead file = ReadRegularFile(path, kMaxDesktopEntrySize);
    return file.ok ? ReadInternetShortcutData(file.data) : QString();
}

bool WriteInternetShortcut(const QString &path, const QString &url)
{
    const QString trimmed = url.trimmed();
    if (trimmed.isEmpty() || trimmed.contains(QLatin1Char('\n')) || trimmed.contains(QLatin1Char('\r')))
        return false;
    return WriteFileAtomically(path, "[InternetShortcut]\r\nURL=" + trimmed.toUtf8() + "\r\n");
}
