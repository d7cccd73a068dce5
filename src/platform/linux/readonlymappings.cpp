#include "platform/linux/readonlymappings.h"

#include <optional>

namespace {

// One mapping as smaps describes it: its header line and the figures that matter here.
struct Mapping
{
    AddressRange range;
    bool privateReadOnlyFile = false;
    qint64 residentKiB = -1;
    qint64 anonymousKiB = -1;

    bool Unchanged() const { return privateReadOnlyFile && residentKiB > 0 && anonymousKiB == 0; }
};

std::optional<quintptr> ParseHex(QByteArrayView text)
{
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok, 16);
    if (!ok)
        return std::nullopt;
    return quintptr(value);
}

QList<QByteArrayView> Fields(QByteArrayView line)
{
    QList<QByteArrayView> fields;
    qsizetype i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i] == ' ')
            ++i;
        const qsizetype begin = i;
        while (i < line.size() && line[i] != ' ')
            ++i;
        if (i > begin)
            fields.append(line.sliced(begin, i - begin));
    }
    return fields;
}

// "7f00-7f10 r--p 00000000 08:01 1234   /usr/lib/libx.so": a mapping's header line.
std::optional<Mapping> ParseHeader(QByteArrayView line)
{
    const QList<QByteArrayView> fields = Fields(line);
    if (fields.size() < 5)
        return std::nullopt;
    const qsizetype dash = fields[0].indexOf('-');
    if (dash <= 0)
        return std::nullopt;
    const std::optional<quintptr> start = ParseHex(fields[0].first(dash));
    const std::optional<quintptr> end = ParseHex(fields[0].sliced(dash + 1));
    if (!start || !end || *end <= *start)
        return std::nullopt;
    Mapping mapping;
    mapping.range = {*start, *end};
    bool inodeOk = false;
    const qulonglong inode = fields[4].toULongLong(&inodeOk);
    mapping.privateReadOnlyFile = fields[1] == "r--p" && inodeOk && inode != 0;
    return mapping;
}

// "Rss:    12 kB": the figure of a field line, when it is the field named.
std::optional<qint64> FieldKiB(QByteArrayView line, QByteArrayView name)
{
    if (!line.startsWith(name) || line.size() <= name.size() || line[name.size()] != ':')
        return std::nullopt;
    const QList<QByteArrayView> fields = Fields(line.sliced(name.size() + 1));
    if (fields.isEmpty())
        return std::nullopt;
    bool ok = false;
    const qint64 value = fields[0].toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

} // namespace

QList<AddressRange> UnchangedReadOnlyMappings(QByteArrayView smaps)
{
    QList<AddressRange> ranges;
    std::optional<Mapping> current;
    const auto finish = [&] {
        if (current && current->Unchanged())
            ranges.append(current->range);
        current.reset();
    };
    qsizetype start = 0;
    while (start < smaps.size()) {
        qsizetype end = smaps.indexOf('\n', start);
        if (end < 0)
            end = smaps.size();
        const QByteArrayView line = smaps.sliced(start, end - start);
        start = end + 1;
        // Field lines start with a name and a colon; a header line starts with an address range.
        const qsizetype colon = line.indexOf(':');
        const qsizetype space = line.indexOf(' ');
        const bool fieldLine = colon > 0 && (space < 0 || colon < space);
        if (!fieldLine) {
            finish();
            current = ParseHeader(line);
            continue;
        }
        if (!current)
            continue;
        if (const std::optional<qint64> rss = FieldKiB(line, "Rss"))
            current->residentKiB = *rss;
        else if (const std::optional<qint64> anonymous = FieldKiB(line, "Anonymous"))
            current->anonymousKiB = *anonymous;
    }
    finish();
    return ranges;
}
