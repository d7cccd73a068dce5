// Record files from anywhere: reading must never crash, hang or allocate beyond the input's size,
// a table that was read must survive being written and read again, and LIKE patterns made of
// the input must match in bounded time.
#include "records/tconcordances.h"
#include "records/tmlb2.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdlib>

namespace {

bool sameTable(const TMlb2 &a, const TMlb2 &b)
{
    if (a.TableName() != b.TableName() || a.FieldCount() != b.FieldCount()
        || a.RecordCount() != b.RecordCount())
        return false;
    for (int f = 1; f <= a.FieldCount(); ++f) {
        if (a.FieldName(f) != b.FieldName(f) || a.FieldType(f) != b.FieldType(f))
            return false;
    }
    for (int r = 1; r <= a.RecordCount(); ++r) {
        for (int f = 1; f <= a.FieldCount(); ++f) {
            if (a.Value(f, r) != b.Value(f, r))
                return false;
        }
    }
    return true;
}

void fuzzLike(const QByteArray &data)
{
    const qsizetype half = data.size() / 2;
    const QString pattern = QString::fromUtf8(data.left(half));
    const QString value = QString::fromUtf8(data.mid(half));
    TConcordances concordances;
    concordances.Like(value, pattern);
    concordances.SetCaseInsensitive(false);
    concordances.Like(value, pattern);
}

void fuzzTable(const QByteArray &data)
{
    TMlb2 table;
    if (!table.LoadFromData(data)) {
        if (table.ErrorCode() != TMlb2::FormatError || table.RecordCount() != 0
            || table.FieldCount() != 0)
            std::abort();
        return;
    }
    TMlb2 reread;
    if (!reread.LoadFromData(table.SaveToData()) || !sameTable(table, reread))
        std::abort();

    // Every value of the first field in turn as a pattern over the whole table.
    if (table.FieldCount() < 1)
        return;
    const QString field = table.FieldName(1);
    for (int r = 1; r <= table.RecordCount() && r <= 16; ++r) {
        const QString pattern = table.Value(1, r);
        table.First();
        int steps = 0;
        while (table.Locate(field, QStringLiteral("like"), pattern) && ++steps <= table.RecordCount()) {
        }
        if (steps > table.RecordCount())
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    fuzzTable(bytes);
    fuzzLike(bytes);
    return 0;
}
