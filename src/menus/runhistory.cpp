#include "menus/runhistory.h"

#include "base/atomicfile.h"
#include "base/textencoding.h"
#include "platform/regularfile.h"

#include <QFileInfo>
#include <QSet>

namespace {

// The lines of the text, each decoded on its own: one line typed on Windows (Windows-1252) keeps
// its characters without turning the others into something else.
QStringList DecodedLines(const QByteArray &data)
{
    QStringList lines;
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = start;
        while (end < data.size() && data[end] != '\r' && data[end] != '\n')
            ++end;
        if (end > start && end - start <= kMaxRunHistoryLine)
            lines.append(DecodeText(data.mid(start, end - start)));
        start = end + 1;
    }
    return lines;
}

} // namespace

QStringList ParseRunHistory(const QByteArray &data)
{
    QStringList entries;
    QSet<QString> seen; // case-folded, so that a huge damaged file still reads in linear time
    for (const QString &line : DecodedLines(data)) {
        const QString folded = line.toCaseFolded();
        if (!seen.contains(folded)) {
            seen.insert(folded);
            entries.append(line);
        }
    }
    return entries;
}

QByteArray FormatRunHistory(const QStringList &entries)
{
    QByteArray data;
    for (const QString &entry : entries)
        data += entry.toUtf8() + "\r\n";
    return data;
}

QStringList LoadRunHistory(const QString &path, bool *readable)
{
    const RegularFileRead file = ReadRegularFile(path, kMaxRunHistoryFile);
    if (readable)
        *readable = file.ok || !QFileInfo(path).exists();
    return file.ok ? ParseRunHistory(file.data) : QStringList{};
}

bool SaveRunHistory(const QString &path, const QStringList &entries)
{
    return WriteFileAtomically(path, FormatRunHistory(entries));
}

QStringList AddToRunHistory(QStringList entries, const QString &text, int runCount)
{
    entries.removeIf([&text](const QString &entry) { return entry.compare(text, Qt::CaseInsensitive) == 0; });
    entries.prepend(text);
    const qsizetype limit = qMax(runCount, 0);
    if (entries.size() > limit)
        entries.resize(limit);
    return entries;
}
