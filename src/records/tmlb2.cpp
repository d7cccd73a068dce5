#include "records/tmlb2.h"

#include "base/atomicfile.h"
#include "base/textencoding.h"
#include "platform/regularfile.h"

#include <QFile>
#include <QtEndian>

#include <climits>

namespace {

// Far beyond any record file a person keeps; a larger one is refused unread.
constexpr qint64 kMaxRecordFileSize = qint64(512) * 1024 * 1024;

const QString kStringType = QStringLiteral("STRING");
const QString kFloatType = QStringLiteral("FLOAT");

const char kSignature[] = "MLB";
constexpr quint8 kVersionMajor = 2;
constexpr quint8 kVersionMinor = 0;
constexpr quint8 kLittleEndianMark = 1;
constexpr quint16 kTableBlock = 0;
constexpr quint8 kFloatTypeByte = 1;
// Offset of the table block's length field, and the size of the header up to its end.
constexpr qsizetype kBlockLengthOffset = 12;
constexpr qsizetype kHeaderSize = 16;

const QString kUnableToRead = QStringLiteral("4-Unable to open file for reading");
const QString kBadSignature = QStringLiteral("1-File's Signature must be MLB");
const QString kNoTables = QStringLiteral("2-number of tables must be at least 1");
const QString kNotATable = QStringLiteral("3-First Block must be a TABLE");
const QString kTruncated = QStringLiteral("5-File ends before its announced contents");
const QString kUnableToOpenForWriting = QStringLiteral("1-Unable to open the file for writing");
const QString kUnableToWrite = QStringLiteral("2-Unable to write the file");

// Reads the numbers and strings of a record file, never past its end. Every read reports whether
// the file still held what was asked for.
class MlbReader
{
public:
    explicit MlbReader(const QByteArray &data) : m_data(data) {}

    void SetBigEndian(bool on) { m_bigEndian = on; }
    qsizetype Remaining() const { return m_data.size() - m_pos; }

    bool ReadBytes(qsizetype count, QByteArrayView &out)
    {
        if (count < 0 || count > Remaining())
            return false;
        out = QByteArrayView(m_data.constData() + m_pos, count);
        m_pos += count;
        return true;
    }

    bool ReadU8(quint8 &out)
    {
        QByteArrayView bytes;
        if (!ReadBytes(1, bytes))
            return false;
        out = quint8(bytes[0]);
        return true;
    }

    bool ReadU16(quint16 &out) { return readNumber(out); }
    bool ReadU32(quint32 &out) { return readNumber(out); }

    // A 32-bit length and that many bytes; the text ends at the first zero byte among them.
    bool ReadString(QString &out)
    {
        quint32 length = 0;
        QByteArrayView bytes;
        if (!ReadU32(length) || qint64(length) > Remaining() || !ReadBytes(length, bytes))
            return false;
        const qsizetype zero = bytes.indexOf('\0');
        // Files written on Windows hold Windows-1252 text: read it as such instead of losing it.
        out = DecodeText((zero < 0 ? bytes : bytes.first(zero)).toByteArray());
        return true;
    }

private:
    template <typename T>
    bool readNumber(T &out)
    {
        QByteArrayView bytes;
        if (!ReadBytes(sizeof(T), bytes))
            return false;
        out = m_bigEndian ? qFromBigEndian<T>(bytes.data()) : qFromLittleEndian<T>(bytes.data());
        return true;
    }

    const QByteArray &m_data;
    qsizetype m_pos = 0;
    bool m_bigEndian = false;
};

// True when `count` items of at least `minimumItemSize` bytes each fit in what is left of the file,
// so that nothing is allocated for contents a file only claims to have.
bool countFits(const MlbReader &reader, quint32 count, quint64 minimumItemSize)
{
    return count <= quint32(INT_MAX) && quint64(count) <= quint64(reader.Remaining()) / minimumItemSize;
}

// Reads the header up to the table block; returns the error text, empty when it is in order.
QString readHeader(MlbReader &reader)
{
    QByteArrayView signature;
    if (!reader.ReadBytes(3, signature) || signature != QByteArrayView(kSignature))
        return kBadSignature;
    quint8 versionMajor = 0, versionMinor = 0, byteOrder = 0;
    if (!reader.ReadU8(versionMajor) || !reader.ReadU8(versionMinor) || !reader.ReadU8(byteOrder))
        return kTruncated;
    reader.SetBigEndian(byteOrder != kLittleEndianMark);
    quint16 tableCount = 0, reserved = 0, blockType = 0;
    if (!reader.ReadU16(tableCount))
        return kTruncated;
    if (tableCount == 0)
        return kNoTables;
    if (!reader.ReadU16(reserved) || !reader.ReadU16(blockType))
        return kTruncated;
    if (blockType != kTableBlock)
        return kNotATable;
    return {};
}

// Reads the first table block into `table` through the table's own operations, so a field that
// AddField refuses shifts the values after it exactly as it would for any other caller.
// Returns the error text, empty on success. The block and record lengths are not trusted.
QString readTableBlock(MlbReader &reader, TMlb2 &table)
{
    quint32 blockLength = 0, fieldCount = 0, recordCount = 0;
    quint16 reserved = 0;
    QString tableName;
    if (!reader.ReadU32(blockLength) || !reader.ReadU16(reserved) || !reader.ReadString(tableName)
        || !reader.ReadU32(fieldCount) || !reader.ReadU32(recordCount))
        return kTruncated;
    table.SetTableName(tableName);

    // A field descriptor takes at least 5 bytes, a record at least 4 plus 4 per field.
    if (!countFits(reader, fieldCount, 5))
        return kTruncated;
    for (int field = 1; field <= int(fieldCount); ++field) {
        quint8 type = 0;
        QString name;
        if (!reader.ReadU8(type) || !reader.ReadString(name))
            return kTruncated;
        table.AddField(name);
        table.SetFieldType(field, type == kFloatTypeByte ? kFloatType : kStringType);
    }

    if (!countFits(reader, recordCount, 4 + 4 * quint64(fieldCount)))
        return kTruncated;
    for (quint32 record = 0; record < recordCount; ++record) {
        quint32 recordLength = 0;
        if (!reader.ReadU32(recordLength))
            return kTruncated;
        table.AddRecord();
        for (int field = 1; field <= int(fieldCount); ++field) {
            QString value;
            if (!reader.ReadString(value))
                return kTruncated;
            table.SetFieldValue(field, value);
        }
    }
    return {};
}

void appendU16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void appendU32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void patchU32(QByteArray &out, qsizetype offset, quint32 value)
{
    qToLittleEndian(value, out.data() + offset);
}

void appendString(QByteArray &out, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    appendU32(out, quint32(bytes.size()));
    out.append(bytes);
}


enum class LocateOperator { None, Less, Greater, Equal, LessOrEqual, GreaterOrEqual, Like };

LocateOperator parseOperator(const QString &op)
{
    if (op == QLatin1String("<"))
        return LocateOperator::Less;
    if (op == QLatin1String(">"))
        return LocateOperator::Greater;
    if (op == QLatin1String("="))
        return LocateOperator::Equal;
    if (op == QLatin1String("<="))
        return LocateOperator::LessOrEqual;
    if (op == QLatin1String(">="))
        return LocateOperator::GreaterOrEqual;
    if (op.compare(QLatin1String("LIKE"), Qt::CaseInsensitive) == 0)
        return LocateOperator::Like;
    return LocateOperator::None;
}

// Byte-wise comparison of the UTF-8 texts, which orders by code point.
bool compareOrdinal(LocateOperator op, const QByteArray &left, const QByteArray &right)
{
    switch (op) {
    case LocateOperator::Less:
        return left < right;
    case LocateOperator::Greater:
        return left > right;
    case LocateOperator::Equal:
        return left == right;
    case LocateOperator::LessOrEqual:
        return left <= right;
    case LocateOperator::GreaterOrEqual:
        return left >= right;
    case LocateOperator::Like:
    case LocateOperator::None:
        break;
    }
    return false;
}

// Leading blanks and control characters do not count: a name made only of them is no name.
bool isBlankName(const QString &name)
{
    for (QChar c : name) {
        if (c.unicode() > 0x20)
            return false;
    }
    return true;
}

} // namespace

TMlb2::TMlb2() = default;

void TMlb2::clearError()
{
    m_errorCode = NoError;
    m_errorText.clear();
}

void TMlb2::setError(int code, const QString &text)
{
    m_errorCode = code;
    m_errorText = text;
}

bool TMlb2::LoadFromFile(const QString &path)
{
    clearError();
    // Only a regular file is opened (a FIFO would block the bar) and none beyond any size a record
    // file reaches.
    const RegularFileRead file = ReadRegularFile(path, kMaxRecordFileSize);
    if (!file.ok) {
        setError(FileError, kUnableToRead);
        return false;
    }
    return LoadFromData(file.data);
}

bool TMlb2::LoadFromData(const QByteArray &data)
{
    clearError();
    MlbReader reader(data);
    QString error = readHeader(reader);
    TMlb2 table;
    if (error.isEmpty())
        error = readTableBlock(reader, table);
    if (!error.isEmpty()) {
        setError(FormatError, error);
        return false;
    }
    const TConcordances concordances = m_concordances;
    *this = std::move(table);
    m_concordances = concordances;
    return true;
}

QByteArray TMlb2::SaveToData() const
{
    QByteArray out;
    out.append(kSignature, 3);
    out.append(char(kVersionMajor));
    out.append(char(kVersionMinor));
    out.append(char(kLittleEndianMark));
    appendU16(out, 1); // one table
    appendU16(out, 0);
    appendU16(out, kTableBlock);
    appendU32(out, 0); // block length, patched below
    appendU16(out, 0);
    appendString(out, m_tableName);
    appendU32(out, quint32(FieldCount()));
    appendU32(out, quint32(RecordCount()));
    for (int field = 1; field <= FieldCount(); ++field) {
        out.append(char(m_fieldTypes.Item(field) == kFloatType ? kFloatTypeByte : 0));
        appendString(out, m_fieldNames.Item(field));
    }
    for (const TKStringList &record : m_records) {
        const qsizetype lengthOffset = out.size();
        appendU32(out, 0);
        for (const QString &value : record)
            appendString(out, value);
        patchU32(out, lengthOffset, quint32(out.size() - lengthOffset - 4));
    }
    patchU32(out, kBlockLengthOffset, quint32(out.size() - kHeaderSize));
    return out;
}

bool TMlb2::SaveToFile(const QString &path)
{
    clearError();
    const QByteArray data = SaveToData();
    // A full disk or a crash leaves the previous file as it was.
    QString reason;
    switch (WriteFileAtomicallyWithResult(path, data, &reason)) {
    case AtomicWriteResult::CannotOpen:
        setError(FileError, kUnableToOpenForWriting);
        return false;
    case AtomicWriteResult::CannotWrite:
        setError(FileError, kUnableToWrite + QStringLiteral(": ") + reason);
        return false;
    case AtomicWriteResult::Written:
        break;
    }
    return true;
}

void TMlb2::Clear()
{
    clearError();
    m_fieldNames.Clear();
    m_fieldTypes.Clear();
    m_fieldPositions.clear();
    m_records.Clear();
    m_cursor = 0;
    m_bof = true;
    m_eof = true;
}

bool TMlb2::AddField(const QString &name)
{
    if (isBlankName(name) || m_fieldPositions.contains(name))
        return false;
    m_fieldNames.Append(name);
    m_fieldTypes.Append(kStringType);
    m_fieldPositions.insert(name, m_fieldNames.Count());
    for (TKStringList &record : m_records)
        record.Append(QString());
    return true;
}

QString TMlb2::FieldName(int field) const
{
    return m_fieldNames.IsValidPosition(field) ? m_fieldNames.Item(field) : QString();
}

QString TMlb2::FieldType(int field) const
{
    return m_fieldTypes.IsValidPosition(field) ? m_fieldTypes.Item(field) : QString();
}

void TMlb2::SetFieldType(int field, const QString &type)
{
    if (m_fieldTypes.IsValidPosition(field))
        m_fieldTypes.Item(field) = type;
}

bool TMlb2::AddRecord()
{
    TKStringList record;
    record.Reserve(FieldCount());
    for (int field = 1; field <= FieldCount(); ++field)
        record.Append(QString());
    m_records.Append(std::move(record));
    setCurrent(RecordCount());
    return true;
}

bool TMlb2::DeleteRecord(int record)
{
    if (!m_records.IsValidPosition(record))
        return false;
    m_records.Delete(record);
    return true;
}

void TMlb2::setCurrent(int record)
{
    m_cursor = record;
    m_bof = false;
    m_eof = false;
}

bool TMlb2::First()
{
    if (IsEmpty()) {
        m_cursor = 0;
        m_bof = m_eof = true;
        return false;
    }
    setCurrent(1);
    return true;
}

bool TMlb2::Last()
{
    if (IsEmpty()) {
        m_cursor = 0;
        m_bof = m_eof = true;
        return false;
    }
    setCurrent(RecordCount());
    return true;
}

bool TMlb2::Next()
{
    if (m_cursor >= 0 && m_cursor < RecordCount()) {
        setCurrent(m_cursor + 1);
        return true;
    }
    m_bof = IsEmpty();
    m_eof = true;
    return false;
}

bool TMlb2::GoToRecord(int record)
{
    if (!m_records.IsValidPosition(record)) {
        m_bof = m_eof = true;
        return false;
    }
    setCurrent(record);
    return true;
}

int TMlb2::RecNo() const
{
    return hasCurrentRecord() ? m_cursor : 0;
}

QString TMlb2::Value(int field, int record) const
{
    if (!m_records.IsValidPosition(record) || !m_fieldNames.IsValidPosition(field))
        return {};
    return m_records.Item(record).Item(field);
}

QString TMlb2::FieldByName(const QString &name) const
{
    return FieldValue(m_fieldPositions.value(name, 0));
}

bool TMlb2::SetFieldByName(const QString &name, const QString &value)
{
    return SetFieldValue(m_fieldPositions.value(name, 0), value);
}

QString TMlb2::FieldValue(int field) const
{
    return hasCurrentRecord() ? Value(field, m_cursor) : QString();
}

bool TMlb2::SetFieldValue(int field, const QString &value)
{
    if (!hasCurrentRecord() || !m_fieldNames.IsValidPosition(field))
        return false;
    m_records.Item(m_cursor).Item(field) = value;
    return true;
}

bool TMlb2::Locate(const QString &fieldName, const QString &op, const QString &value)
{
    const LocateOperator oper = parseOperator(op);
    if (IsEmpty() || oper == LocateOperator::None)
        return false;
    // The current record itself is never examined, so repeated calls step through all matches.
    const int start = hasCurrentRecord() ? m_cursor + 1 : 1;
    const int field = m_fieldPositions.value(fieldName, 0);
    const QByteArray right = value.toUtf8();
    for (int record = start; record <= RecordCount(); ++record) {
        const QString left = Value(field, record);
        const bool found = oper == LocateOperator::Like ? m_concordances.Like(left, value)
                                                        : compareOrdinal(oper, left.toUtf8(), right);
        if (found) {
            setCurrent(record);
            return true;
        }
    }
    return false;
}
