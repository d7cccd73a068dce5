// Record files: the exact bytes on disk, reading damaged and foreign files, the cursor and searches.
#include "records/tconcordances.h"
#include "records/tmlb2.h"
#include "testenv.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

struct FieldImage
{
    quint8 type;
    QByteArray name;
};

// Writes record files by hand, in either byte order, with correct or deliberately wrong lengths.
struct FileImage
{
    bool bigEndian = false;
    QByteArray tableName;
    QList<FieldImage> fields;
    QList<QList<QByteArray>> records;
    bool wrongLengths = false;
    QByteArray trailer;

    QByteArray build() const
    {
        QByteArray out("MLB");
        out.append(char(2)).append(char(0)).append(char(bigEndian ? 0 : 1));
        u16(out, 1);
        u16(out, 0);
        u16(out, 0);
        u32(out, 0);
        u16(out, 0);
        str(out, tableName);
        u32(out, quint32(fields.size()));
        u32(out, quint32(records.size()));
        for (const FieldImage &field : fields) {
            out.append(char(field.type));
            str(out, field.name);
        }
        for (const QList<QByteArray> &record : records) {
            quint32 length = 0;
            for (const QByteArray &value : record)
                length += 4 + quint32(value.size());
            u32(out, wrongLengths ? 0xDEADBEEF : length);
            for (const QByteArray &value : record)
                str(out, value);
        }
        const quint32 blockLength = wrongLengths ? 3 : quint32(out.size() - 16);
        QByteArray patch;
        u32(patch, blockLength);
        out.replace(12, 4, patch);
        return out + trailer;
    }

    void u16(QByteArray &out, quint16 v) const
    {
        char b[2];
        bigEndian ? qToBigEndian(v, b) : qToLittleEndian(v, b);
        out.append(b, 2);
    }
    void u32(QByteArray &out, quint32 v) const
    {
        char b[4];
        bigEndian ? qToBigEndian(v, b) : qToLittleEndian(v, b);
        out.append(b, 4);
    }
    void str(QByteArray &out, const QByteArray &s) const
    {
        u32(out, quint32(s.size()));
        out.append(s);
    }
};

// The whole observable table as lines, so that a difference shows in the failure message.
QStringList describe(const TMlb2 &table)
{
    QStringList lines{QStringLiteral("name=") + table.TableName()};
    for (int f = 1; f <= table.FieldCount(); ++f)
        lines << QStringLiteral("field %1 %2").arg(table.FieldName(f), table.FieldType(f));
    for (int r = 1; r <= table.RecordCount(); ++r) {
        QStringList values;
        for (int f = 1; f <= table.FieldCount(); ++f)
            values << table.Value(f, r);
        lines << QStringLiteral("record ") + values.join(QLatin1Char('|'));
    }
    return lines;
}

void makeNotes(TMlb2 &table, const QList<QStringList> &rows)
{
    table.AddField(QStringLiteral("id"));
    table.AddField(QStringLiteral("text"));
    for (const QStringList &row : rows) {
        table.AddRecord();
        table.SetFieldValue(1, row.value(0));
        table.SetFieldValue(2, row.value(1));
    }
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestTMlb2 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void emptyTableFileIsByteExact();
    void roundTrip_data();
    void roundTrip();
    void bigEndianReadsLikeLittleEndian();
    void wrongLengthsAndTrailingDataReadNormally();
    void typeBytesAndLabels();
    void valueIsCutAtZeroByte();
    void windowsTextIsKept();
    void fifoIsNoRecordFile();
    void refusedFieldShiftsValues_data();
    void refusedFieldShiftsValues();
    void badFileIsRefusedAndTableKept_data();
    void badFileIsRefusedAndTableKept();
    void unreadablePathIsFileError();
    void successClearsEarlierError();
    void addFieldRules();
    void cursorRules();
    void deleteRecordKeepsCursor();
    void locate_data();
    void locate();
    void locateNeverExaminesCurrentRecord();
    void like_data();
    void like();
    void saveToMissingFolderFails();
    void saveToReadOnlyFolderKeepsOldFile();
    void failedWriteKeepsOldFile();

private:
    QTemporaryDir m_dir;
};

void TestTMlb2::emptyTableFileIsByteExact()
{
    TMlb2 table;
    table.AddField(QStringLiteral("id"));
    table.AddField(QStringLiteral("date"));
    const QString path = m_dir.filePath(QStringLiteral("empty.dat"));
    QVERIFY(table.SaveToFile(path));
    const QByteArray expected = QByteArray::fromHex("4d4c420200010100000000001e000000"     // header
                                                    "0000000000000200000000000000"         // name, F, R
                                                    "00020000006964"                       // "id"
                                                    "000400000064617465");                 // "date"
    QCOMPARE(readWholeFile(path), expected);
    QCOMPARE(expected.size(), 46);
}

void TestTMlb2::roundTrip_data()
{
    QTest::addColumn<QString>("tableName");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("floatFields");
    QTest::addColumn<QList<QStringList>>("rows");

    QTest::newRow("no fields, no records") << QString() << QStringList() << QStringList()
                                           << QList<QStringList>();
    QTest::newRow("fields, no records") << QString() << QStringList{"id", "date"} << QStringList()
                                        << QList<QStringList>();
    QTest::newRow("records") << QString() << QStringList{"id", "text", "x"} << QStringList{"x"}
                             << QList<QStringList>{{"1", "Shopping\r\nmilk", "2.5"},
                                                   {"2", "", ""},
                                                   {"", "Grüße, 日本語 😀", "-1"}};
    QTest::newRow("named table") << QStringLiteral("Notizen ä") << QStringList{"a"} << QStringList()
                                 << QList<QStringList>{{"v"}};
}

void TestTMlb2::roundTrip()
{
    QFETCH(QString, tableName);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, floatFields);
    QFETCH(QList<QStringList>, rows);

    TMlb2 table;
    table.SetTableName(tableName);
    for (int f = 0; f < fields.size(); ++f) {
        QVERIFY(table.AddField(fields[f]));
        if (floatFields.contains(fields[f]))
            table.SetFieldType(f + 1, QStringLiteral("FLOAT"));
    }
    for (const QStringList &row : rows) {
        table.AddRecord();
        for (int f = 0; f < row.size(); ++f)
            QVERIFY(table.SetFieldValue(f + 1, row[f]));
    }
    const QString path = m_dir.filePath(QStringLiteral("roundtrip.dat"));
    QVERIFY(table.SaveToFile(path));

    TMlb2 loaded;
    QVERIFY(loaded.LoadFromFile(path));
    QCOMPARE(loaded.ErrorCode(), 0);
    QCOMPARE(describe(loaded), describe(table));
    QCOMPARE(loaded.SaveToData(), readWholeFile(path));
}

void TestTMlb2::bigEndianReadsLikeLittleEndian()
{
    FileImage image;
    image.tableName = "T";
    image.fields = {{1, "amount"}, {0, "name"}};
    image.records = {{"12.5", "Ann"}, {"", "Bob"}};
    TMlb2 little, big;
    QVERIFY(little.LoadFromData(image.build()));
    image.bigEndian = true;
    QVERIFY(big.LoadFromData(image.build()));
    QCOMPARE(describe(big), describe(little));
    QCOMPARE(describe(big).value(1), QStringLiteral("field amount FLOAT"));
    QCOMPARE(big.Value(2, 2), QStringLiteral("Bob"));
}

void TestTMlb2::wrongLengthsAndTrailingDataReadNormally()
{
    FileImage image;
    image.fields = {{0, "id"}};
    image.records = {{"a"}, {"b"}};
    TMlb2 expected;
    QVERIFY(expected.LoadFromData(image.build()));
    image.wrongLengths = true;
    image.trailer = "MLB and more";
    TMlb2 table;
    QVERIFY(table.LoadFromData(image.build()));
    QCOMPARE(describe(table), describe(expected));
    QCOMPARE(table.RecordCount(), 2);
}

void TestTMlb2::typeBytesAndLabels()
{
    FileImage image;
    image.fields = {{0, "a"}, {1, "b"}, {7, "c"}, {255, "d"}};
    TMlb2 table;
    QVERIFY(table.LoadFromData(image.build()));
    QCOMPARE(table.FieldType(1), QStringLiteral("STRING"));
    QCOMPARE(table.FieldType(2), QStringLiteral("FLOAT"));
    QCOMPARE(table.FieldType(3), QStringLiteral("STRING"));
    QCOMPARE(table.FieldType(4), QStringLiteral("STRING"));

    // Only the label "FLOAT" is written as type 1.
    table.SetFieldType(1, QStringLiteral("DATE"));
    table.SetFieldType(3, QStringLiteral("float"));
    const QByteArray bytes = table.SaveToData();
    const qsizetype firstField = 30;
    QCOMPARE(int(bytes[firstField]), 0);      // a: "DATE"
    QCOMPARE(int(bytes[firstField + 6]), 1);  // b: "FLOAT"
    QCOMPARE(int(bytes[firstField + 12]), 0); // c: "float"
    TMlb2 reread;
    QVERIFY(reread.LoadFromData(bytes));
    QCOMPARE(reread.FieldType(1), QStringLiteral("STRING"));
}

void TestTMlb2::valueIsCutAtZeroByte()
{
    TMlb2 table;
    table.AddField(QStringLiteral("id"));
    table.AddRecord();
    table.SetFieldValue(1, QStringLiteral("ab") + QChar(0) + QStringLiteral("cd"));
    const QByteArray bytes = table.SaveToData();
    QVERIFY(bytes.endsWith(QByteArray("\x05\0\0\0ab\0cd", 9)));
    TMlb2 reread;
    QVERIFY(reread.LoadFromData(bytes));
    QCOMPARE(reread.Value(1, 1), QStringLiteral("ab"));
}

// A record file written on Windows holds Windows-1252 text: every letter comes back, and saving
// writes it as UTF-8.
void TestTMlb2::windowsTextIsKept()
{
    FileImage image;
    image.tableName = "Notizen";
    image.fields = {{0, "Titel"}};
    image.records = {{"Caf\xe9 \x80 5"}, {QString::fromUtf8("naïve").toUtf8()}};
    TMlb2 table;
    QVERIFY(table.LoadFromData(image.build()));
    QCOMPARE(table.Value(1, 1), QString::fromUtf8("Café € 5"));
    QCOMPARE(table.Value(1, 2), QString::fromUtf8("naïve"));
    TMlb2 reread;
    QVERIFY(reread.LoadFromData(table.SaveToData()));
    QCOMPARE(describe(reread), describe(table));
}

void TestTMlb2::fifoIsNoRecordFile()
{
    TestHome home;
    const QString path = home.path() + "/note.dat";
    QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    TMlb2 table;
    QVERIFY(!table.LoadFromFile(path)); // refused at once instead of waiting for a writer
    QVERIFY(!table.ErrorText().isEmpty());
}

void TestTMlb2::refusedFieldShiftsValues_data()
{
    QTest::addColumn<QByteArrayList>("names");
    QTest::addColumn<QStringList>("expected");

    // Stored values are 1, 2, 3 in file order; a refused field leaves its value to the next field.
    QTest::newRow("empty name") << QByteArrayList{"a", "", "b"}
                                << QStringList{"field a STRING", "field b STRING", "record 1|2"};
    QTest::newRow("blank name") << QByteArrayList{"a", "  ", "b"}
                                << QStringList{"field a STRING", "field b STRING", "record 1|2"};
    QTest::newRow("repeated name") << QByteArrayList{"a", "b", "a"}
                                   << QStringList{"field a STRING", "field b STRING", "record 1|2"};
    QTest::newRow("first refused") << QByteArrayList{"", "a", "b"}
                                   << QStringList{"field a STRING", "field b STRING", "record 1|2"};
    QTest::newRow("case differs") << QByteArrayList{"a", "A", "b"}
                                  << QStringList{"field a STRING", "field A STRING",
                                                 "field b STRING", "record 1|2|3"};
}

void TestTMlb2::refusedFieldShiftsValues()
{
    QFETCH(QByteArrayList, names);
    QFETCH(QStringList, expected);
    FileImage image;
    for (const QByteArray &name : names)
        image.fields.append({0, name});
    image.records = {{"1", "2", "3"}};
    TMlb2 table;
    QVERIFY(table.LoadFromData(image.build()));
    QCOMPARE(describe(table).mid(1), expected);
}

void TestTMlb2::badFileIsRefusedAndTableKept_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    FileImage good;
    good.fields = {{0, "id"}, {0, "text"}};
    good.records = {{"1", "first"}, {"2", "second"}};
    const QByteArray file = good.build();
    const QString truncated = QStringLiteral("5-File ends before its announced contents");

    QTest::newRow("empty file") << QByteArray() << QStringLiteral("1-File's Signature must be MLB");
    QTest::newRow("bad signature") << QByteArray("MLA").append(file.mid(3))
                                   << QStringLiteral("1-File's Signature must be MLB");
    QTest::newRow("lower-case signature") << QByteArray("mlb").append(file.mid(3))
                                          << QStringLiteral("1-File's Signature must be MLB");
    QTest::newRow("no tables") << QByteArray(file).replace(6, 2, QByteArray(2, '\0'))
                               << QStringLiteral("2-number of tables must be at least 1");
    QTest::newRow("block type 1") << QByteArray(file).replace(10, 2, QByteArray("\x01\0", 2))
                                  << QStringLiteral("3-First Block must be a TABLE");

    // Cut anywhere after the signature: in the header, a field, a record's length, a value.
    for (qsizetype size : {qsizetype(3), qsizetype(7), qsizetype(17), qsizetype(25), qsizetype(31),
                           qsizetype(40), file.size() - 10, file.size() - 1})
        QTest::newRow(qPrintable(QStringLiteral("cut to %1 bytes").arg(size))) << file.left(size)
                                                                               << truncated;

    // Counts and lengths that announce far more than the file holds.
    auto withU32 = [&](qsizetype offset, quint32 value) {
        char b[4];
        qToLittleEndian(value, b);
        return QByteArray(file).replace(offset, 4, QByteArray(b, 4));
    };
    QTest::newRow("huge name length") << withU32(18, 0xFFFFFFF0) << truncated;
    QTest::newRow("huge field count") << withU32(22, 0xFFFFFFFF) << truncated;
    QTest::newRow("huge record count") << withU32(26, 0x7FFFFFFF) << truncated;
    QTest::newRow("one record too many") << withU32(26, 3) << truncated;
    QTest::newRow("huge value length") << withU32(file.indexOf("first") - 4, 0x40000000) << truncated;
}

void TestTMlb2::badFileIsRefusedAndTableKept()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    const QString path = m_dir.filePath(QStringLiteral("bad.dat"));
    QVERIFY(writeBytes(path, bytes));

    TMlb2 table;
    table.SetTableName(QStringLiteral("kept"));
    makeNotes(table, {{"7", "keep me"}});
    const QStringList before = describe(table);

    QVERIFY(!table.LoadFromFile(path));
    QCOMPARE(table.ErrorCode(), 2);
    QCOMPARE(table.ErrorText(), text);
    QCOMPARE(describe(table), before);
    QCOMPARE(table.RecNo(), 1);
}

void TestTMlb2::unreadablePathIsFileError()
{
    TMlb2 table;
    makeNotes(table, {{"1", "one"}});
    const QStringList before = describe(table);
    for (const QString &path : {m_dir.filePath(QStringLiteral("missing.dat")), m_dir.path()}) {
        QVERIFY(!table.LoadFromFile(path));
        QCOMPARE(table.ErrorCode(), 3);
        QCOMPARE(table.ErrorText(), QStringLiteral("4-Unable to open file for reading"));
        QCOMPARE(describe(table), before);
    }
}

void TestTMlb2::successClearsEarlierError()
{
    TMlb2 table;
    QVERIFY(!table.LoadFromData(QByteArray("XYZ")));
    QCOMPARE(table.ErrorCode(), 2);
    QVERIFY(table.SaveToFile(m_dir.filePath(QStringLiteral("ok.dat"))));
    QCOMPARE(table.ErrorCode(), 0);
    QVERIFY(table.ErrorText().isEmpty());
}

void TestTMlb2::addFieldRules()
{
    TMlb2 table;
    makeNotes(table, {{"1", "one"}, {"2", "two"}});
    QVERIFY(!table.AddField(QString()));
    QVERIFY(!table.AddField(QStringLiteral("  \t")));
    QVERIFY(!table.AddField(QStringLiteral("id")));
    QVERIFY(table.AddField(QStringLiteral(" date ")));
    QCOMPARE(table.FieldCount(), 3);
    QCOMPARE(table.FieldName(3), QStringLiteral(" date "));
    QCOMPARE(table.FieldType(3), QStringLiteral("STRING"));
    QCOMPARE(table.FieldName(4), QString());
    QCOMPARE(table.FieldType(0), QString());
    // Existing records get an empty value for the new field, the others keep theirs.
    QCOMPARE(describe(table).mid(4), (QStringList{"record 1|one|", "record 2|two|"}));
    table.GoToRecord(2);
    QVERIFY(table.SetFieldByName(QStringLiteral(" date "), QStringLiteral("today")));
    QCOMPARE(table.Value(3, 2), QStringLiteral("today"));
    QVERIFY(!table.SetFieldByName(QStringLiteral("date"), QStringLiteral("x")));
    QCOMPARE(table.FieldByName(QStringLiteral("Text")), QString());
}

void TestTMlb2::cursorRules()
{
    TMlb2 table;
    QVERIFY(table.Bof() && table.Eof());
    QVERIFY(!table.First());
    QVERIFY(!table.Last());
    QVERIFY(!table.Next());
    QVERIFY(table.Bof() && table.Eof());
    QCOMPARE(table.RecNo(), 0);

    makeNotes(table, {{"1", "one"}, {"2", "two"}, {"3", "three"}});
    QCOMPARE(table.RecNo(), 3); // the last added record is current
    QVERIFY(!table.Bof() && !table.Eof());

    QVERIFY(table.First());
    QCOMPARE(table.FieldByName(QStringLiteral("text")), QStringLiteral("one"));
    int visited = 1;
    while (table.Next())
        ++visited;
    QCOMPARE(visited, 3);
    QCOMPARE(table.RecNo(), 3);
    QVERIFY(table.Eof() && !table.Bof());

    QVERIFY(!table.GoToRecord(4));
    QVERIFY(table.Bof() && table.Eof());
    QCOMPARE(table.RecNo(), 3);
    QVERIFY(table.GoToRecord(2));
    QVERIFY(!table.Bof() && !table.Eof());
    QCOMPARE(table.FieldValue(2), QStringLiteral("two"));
    QCOMPARE(table.FieldValue(3), QString());
    QVERIFY(!table.SetFieldValue(0, QStringLiteral("x")));
    QCOMPARE(table.Value(1, 4), QString());
    QCOMPARE(table.Value(0, 1), QString());

    table.Clear();
    QCOMPARE(table.FieldCount(), 0);
    QCOMPARE(table.RecordCount(), 0);
    QCOMPARE(table.RecNo(), 0);
    QVERIFY(table.Bof() && table.Eof() && table.IsEmpty());
}

void TestTMlb2::deleteRecordKeepsCursor()
{
    TMlb2 table;
    makeNotes(table, {{"1", "one"}, {"2", "two"}, {"3", "three"}});
    QVERIFY(!table.DeleteRecord(0));
    QVERIFY(!table.DeleteRecord(4));
    table.GoToRecord(2);
    QVERIFY(table.DeleteRecord(1));
    QCOMPARE(table.RecNo(), 2); // same position, now the former third record
    QCOMPARE(table.FieldByName(QStringLiteral("id")), QStringLiteral("3"));

    QVERIFY(table.DeleteRecord(2)); // the cursor now lies beyond the last record
    QCOMPARE(table.RecordCount(), 1);
    QCOMPARE(table.RecNo(), 0);
    QCOMPARE(table.FieldByName(QStringLiteral("id")), QString());
    QVERIFY(!table.SetFieldByName(QStringLiteral("id"), QStringLiteral("x")));
    QVERIFY(!table.Next());
    QVERIFY(table.Locate(QStringLiteral("id"), QStringLiteral("="), QStringLiteral("2")));
    QCOMPARE(table.RecNo(), 1);
}

void TestTMlb2::locate_data()
{
    QTest::addColumn<int>("startAt"); // 0: no current record
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("op");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("found"); // 0: not found (cursor unchanged)

    // ids: 1 "b", 2 "a", 3 "B", 4 "ab", 5 "c1", 6 "😀"
    QTest::newRow("= from none") << 0 << "id" << "=" << "b" << 1;
    QTest::newRow("= case-sensitive") << 1 << "id" << "=" << "b" << 0;
    QTest::newRow("= after current") << 1 << "id" << "=" << "B" << 3;
    QTest::newRow("<") << 0 << "id" << "<" << "a" << 3;
    QTest::newRow(">") << 1 << "id" << ">" << "a" << 4;
    QTest::newRow("<=") << 3 << "id" << "<=" << "ab" << 4;
    QTest::newRow(">=") << 2 << "id" << ">=" << "c" << 5;
    QTest::newRow("<> finds nothing") << 0 << "id" << "<>" << "zzz" << 0;
    QTest::newRow("== finds nothing") << 0 << "id" << "==" << "b" << 0;
    QTest::newRow("LIKE") << 0 << "id" << "LIKE" << "A*" << 2;
    QTest::newRow("like in lower case") << 2 << "id" << "like" << "?B" << 4;
    QTest::newRow("Like ignores case") << 1 << "id" << "Like" << "b" << 3;
    QTest::newRow("LIKE digit") << 0 << "id" << "LIKE" << "[a-c]#" << 5;
    QTest::newRow("unknown field is empty") << 0 << "nope" << "=" << "" << 1;
    QTest::newRow("code point order") << 0 << "id" << ">" << "\uFF21" << 6;
    QTest::newRow("nothing after last") << 6 << "id" << ">=" << "" << 0;
}

void TestTMlb2::locate()
{
    QFETCH(int, startAt);
    QFETCH(QString, field);
    QFETCH(QString, op);
    QFETCH(QString, value);
    QFETCH(int, found);

    TMlb2 table;
    makeNotes(table, {{"b"}, {"a"}, {"B"}, {"ab"}, {"c1"}, {"😀"}, {"dropped"}});
    table.DeleteRecord(7); // the cursor was on it: now no record is current
    if (startAt > 0)
        table.GoToRecord(startAt);
    QCOMPARE(table.RecNo(), startAt);

    QCOMPARE(table.Locate(field, op, value), found > 0);
    QCOMPARE(table.RecNo(), found > 0 ? found : startAt);
}

void TestTMlb2::locateNeverExaminesCurrentRecord()
{
    TMlb2 table;
    makeNotes(table, {{"x"}, {"y"}, {"x"}});
    QVERIFY(table.First());
    QVERIFY(table.Locate(QStringLiteral("id"), QStringLiteral("="), QStringLiteral("x")));
    QCOMPARE(table.RecNo(), 3);
    QVERIFY(!table.Locate(QStringLiteral("id"), QStringLiteral("="), QStringLiteral("x")));
    QCOMPARE(table.RecNo(), 3);
    QVERIFY(!table.Bof() && !table.Eof());
    QVERIFY(table.First());
    QVERIFY(!table.Locate(QStringLiteral("id"), QStringLiteral("="), QStringLiteral("z")));
    QCOMPARE(table.RecNo(), 1);
}

void TestTMlb2::like_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("matches");

    QTest::newRow("literal") << "Hello" << "hello" << true;
    QTest::newRow("whole value") << "Hello world" << "hello" << false;
    QTest::newRow("whole pattern") << "Hell" << "hello" << false;
    QTest::newRow("star empty run") << "abc" << "abc*" << true;
    QTest::newRow("star middle") << "abXYZc" << "ab*c" << true;
    QTest::newRow("star backtracks") << "abcbcd" << "a*bcd" << true;
    QTest::newRow("only star") << "" << "*" << true;
    QTest::newRow("empty pattern") << "x" << "" << false;
    QTest::newRow("question one") << "cat" << "c?t" << true;
    QTest::newRow("question not zero") << "ct" << "c?t" << false;
    QTest::newRow("question non-BMP") << "a😀b" << "a?b" << true;
    QTest::newRow("digit") << "Room 12" << "room ##" << true;
    QTest::newRow("digit refuses letter") << "Room 1a" << "room ##" << false;
    QTest::newRow("star before digit") << "abc7" << "*#" << true;
    QTest::newRow("set") << "b" << "[abc]" << true;
    QTest::newRow("set miss") << "d" << "[abc]" << false;
    QTest::newRow("range ignores case") << "Q" << "[a-z]" << true;
    QTest::newRow("negated range") << "5" << "[!a-z]" << true;
    QTest::newRow("negated range miss") << "k" << "[!a-z]" << false;
    QTest::newRow("hyphen at end is member") << "-" << "[a-]" << true;
    QTest::newRow("wildcards inside set are literal") << "*" << "[*?]" << true;
    QTest::newRow("unclosed bracket is literal") << "[ab" << "[ab" << true;
    QTest::newRow("empty set matches nothing") << "a" << "[]" << false;
    QTest::newRow("negated empty set any") << "a" << "[!]" << true;
    QTest::newRow("umlaut case") << "straße" << "STRASSE" << true;
    QTest::newRow("many stars, no match") << QString(200, QLatin1Char('a'))
                                          << QStringLiteral("*a*a*a*a*a*a*a*a*a*a*b") << false;
    QTest::newRow("many stars, match") << QString(200, QLatin1Char('a')) + QLatin1Char('b')
                                       << QStringLiteral("*a*a*a*a*a*a*a*a*a*a*b") << true;
}

void TestTMlb2::like()
{
    QFETCH(QString, value);
    QFETCH(QString, pattern);
    QFETCH(bool, matches);
    QCOMPARE(TConcordances().Like(value, pattern), matches);
}

void TestTMlb2::saveToMissingFolderFails()
{
    TMlb2 table;
    makeNotes(table, {{"1", "one"}});
    QVERIFY(!table.SaveToFile(m_dir.filePath(QStringLiteral("no/such/folder/x.dat"))));
    QCOMPARE(table.ErrorCode(), 3);
    QCOMPARE(table.ErrorText(), QStringLiteral("1-Unable to open the file for writing"));
}

void TestTMlb2::saveToReadOnlyFolderKeepsOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("note.dat"));
    QVERIFY(writeBytes(path, "old contents"));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(dir.filePath(QStringLiteral("probe")));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QSKIP("folder permissions are not enforced for this user");
    }
    TMlb2 table;
    makeNotes(table, {{"1", "one"}});
    const bool saved = table.SaveToFile(path);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!saved);
    QCOMPARE(table.ErrorCode(), 3);
    QCOMPARE(readWholeFile(path), QByteArray("old contents"));
}

void TestTMlb2::failedWriteKeepsOldFile()
{
    // A file size limit makes writes fail after the file was opened, like a full disk.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("note.dat"));
    QVERIFY(writeBytes(path, "old contents"));
    TMlb2 table;
    makeNotes(table, {{"1", QString(5000, QLatin1Char('x'))}});

    struct rlimit saved;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit limited = saved;
    limited.rlim_cur = 1024;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool ok = table.SaveToFile(path);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!ok);
    QCOMPARE(table.ErrorCode(), 3);
    QVERIFY2(table.ErrorText().startsWith(QStringLiteral("2-Unable to write the file")),
             qPrintable(table.ErrorText()));
    QCOMPARE(readWholeFile(path), QByteArray("old contents"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"note.dat"});
}

QTEST_GUILESS_MAIN(TestTMlb2)
#include "tst_tmlb2.moc"
