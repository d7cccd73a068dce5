#include "menus/runhistory.h"

#include "base/atomicfile.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>

QStringList ParseRunHistory(const QByteArray &data)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    const QStringList lines = QString::fromUtf8(data).split(lineBreak, Qt::SkipEmptyParts);
    QStringList entries;
    QSet<QString> seen; // case-folded, so that a huge damaged file still reads in linear time
    for (const QString &line : lines) {
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

QStringList LoadRunHistory(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return ParseRunHistory(file.readAll());
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
