// The note store as the notes menu and the note windows use it: ids, the unique-title rule, dates,
// categories, and stores that are damaged or made by something else.
#include "notes/notedate.h"
#include "notes/notestore.h"
#include "records/tmlb2.h"
#include "testenv.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

namespace {

using Record = QStringList; // id, date, category, title, note

void WriteStore(const QList<Record> &records,
                const QStringList &fields = {"id", "date", "category", "title", "note"})
{
    TMlb2 table;
    for (const QString &field : fields)
        table.AddField(field);
    for (const Record &record : records) {
        table.AddRecord();
        for (int i = 0; i < record.size(); ++i)
            table.SetFieldValue(i + 1, record[i]);
    }
    QDir().mkpath(QFileInfo(NoteStorePath()).absolutePath());
    QVERIFY(table.SaveToFile(NoteStorePath()));
}

TMlb2 ReadStore()
{
    TMlb2 table;
    table.LoadFromFile(NoteStorePath());
    return table;
}

QStringList Column(const TMlb2 &table, int field)
{
    QStringList values;
    for (int record = 1; record <= table.RecordCount(); ++record)
        values.append(table.Value(field, record));
    return values;
}

} // namespace

class TestNoteStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_home = std::make_unique<TestHome>(); }
    void cleanup() { m_home.reset(); }

    void createsAnEmptyStoreOnce();
    void firstNoteGetsIdOneAndFreedIdsAreReused();
    void smallestFreeId_data();
    void smallestFreeId();
    void findNoteIgnoresCaseWithinItsCategory_data();
    void findNoteIgnoresCaseWithinItsCategory();
    void deleteRemovesEveryRecordOfTheId();
    void replaceKeepsTheIdAndMovesTheNoteToTheEnd();
    void replaceTakesASmallerFreeId();
    void replaceNeverRemovesAnotherNoteUnderTheSameId();
    void categoriesAreDistinctSortedAndNeverEmpty();
    void textIsStoredWithCarriageReturns();
    void isNoteFile_data();
    void isNoteFile();
    void damagedStoreIsNeverWrittenOver_data();
    void damagedStoreIsNeverWrittenOver();
    void missingStoreIsMadeBySaving();
    void dateFromLocalTime_data();
    void dateFromLocalTime();
    void dateShownAsLocalTime_data();
    void dateShownAsLocalTime();
    void addNoteStoresTheCurrentDate();

private:
    std::unique_ptr<TestHome> m_home;
};

void TestNoteStore::createsAnEmptyStoreOnce()
{
    CreateNoteStore();
    QVERIFY(IsNoteFile(NoteStorePath()));
    QCOMPARE(ReadStore().RecordCount(), 0);
    QCOMPARE(ReadStore().TableName(), QString());

    QCOMPARE(AddNote("Home", "Shopping", "milk"), NoteStoreResult::Saved);
    CreateNoteStore();
    QCOMPARE(ReadStore().RecordCount(), 1);
}

void TestNoteStore::firstNoteGetsIdOneAndFreedIdsAreReused()
{
    CreateNoteStore();
    QCOMPARE(AddNote("", "one", "1"), NoteStoreResult::Saved);
    QCOMPARE(AddNote("", "two", "2"), NoteStoreResult::Saved);
    QCOMPARE(AddNote("", "three", "3"), NoteStoreResult::Saved);
    QCOMPARE(Column(ReadStore(), 1), QStringList({"1", "2", "3"}));

    QCOMPARE(DeleteNote(2), NoteStoreResult::Saved);
    QCOMPARE(AddNote("", "four", "4"), NoteStoreResult::Saved);
    QCOMPARE(Column(ReadStore(), 1), QStringList({"1", "3", "2"}));
    QCOMPARE(Column(ReadStore(), 4), QStringList({"one", "three", "four"}));
}

void TestNoteStore::smallestFreeId_data()
{
    QTest::addColumn<QStringList>("ids");
    QTest::addColumn<int>("expected");
    QTest::newRow("empty store") << QStringList() << 1;
    QTest::newRow("no gap") << QStringList({"1", "2", "3"}) << 4;
    QTest::newRow("gap") << QStringList({"3", "1"}) << 2;
    QTest::newRow("one is free") << QStringList({"2", "3"}) << 1;
    QTest::newRow("leading zero is another text") << QStringList({"01", "2"}) << 1;
    QTest::newRow("not numbers") << QStringList({"abc", "", "-1"}) << 1;
}

void TestNoteStore::smallestFreeId()
{
    QFETCH(QStringList, ids);
    QFETCH(int, expected);
    QCOMPARE(SmallestFreeNoteId(ids), expected);
}

void TestNoteStore::findNoteIgnoresCaseWithinItsCategory_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("expected");
    QTest::newRow("exact") << "Home" << "Shopping" << 4;
    QTest::newRow("other case") << "HOME" << "shopPING" << 4;
    QTest::newRow("accents count") << "Home" << "Shöpping" << 0;
    QTest::newRow("same title, other category") << "Work" << "Shopping" << 7;
    QTest::newRow("uncategorized") << "" << "Shopping" << 0;
    QTest::newRow("unknown title") << "Home" << "Cooking" << 0;
    QTest::newRow("stored id is no number") << "Misc" << "Broken" << 0;
}

void TestNoteStore::findNoteIgnoresCaseWithinItsCategory()
{
    WriteStore({{"4", "0", "Home", "Shopping", ""},
                {"7", "0", "work", "SHOPPING", ""},
                {"x", "0", "Misc", "Broken", ""},
                {"9", "0", "Misc", "broken", ""}});
    QFETCH(QString, category);
    QFETCH(QString, title);
    QFETCH(int, expected);
    QCOMPARE(FindNote(category, title), expected);
}

void TestNoteStore::deleteRemovesEveryRecordOfTheId()
{
    // A store made elsewhere may hold one id twice.
    WriteStore({{"1", "0", "", "a", ""}, {"2", "0", "", "b", ""}, {"1", "0", "", "c", ""}});
    QCOMPARE(DeleteNote(1), NoteStoreResult::Saved);
    QCOMPARE(Column(ReadStore(), 4), QStringList({"b"}));
}

void TestNoteStore::replaceKeepsTheIdAndMovesTheNoteToTheEnd()
{
    WriteStore({{"1", "5", "Home", "Shopping", "milk"}, {"2", "5", "", "Other", ""}});
    QCOMPARE(ReplaceNote(1, "Home", "Shopping", "Home", "Shopping", "milk\nbread"), NoteStoreResult::Saved);
    const TMlb2 table = ReadStore();
    QCOMPARE(Column(table, 1), QStringList({"2", "1"}));
    QCOMPARE(table.Value(5, 2), QString("milk\r\nbread"));
    QVERIFY(table.Value(2, 2) != "5");
}

void TestNoteStore::replaceTakesASmallerFreeId()
{
    WriteStore({{"2", "0", "", "b", ""}, {"3", "0", "", "c", ""}});
    QCOMPARE(ReplaceNote(3, "", "c", "", "c", "text"), NoteStoreResult::Saved);
    QCOMPARE(Column(ReadStore(), 1), QStringList({"2", "1"}));
}

void TestNoteStore::replaceNeverRemovesAnotherNoteUnderTheSameId()
{
    // Another window saved this window's note under a new id, and a new note took the old one.
    WriteStore({{"1", "0", "Home", "Shopping", "from the other window"}, {"5", "0", "", "Someone else", "keep"}});
    QCOMPARE(ReplaceNote(5, "Home", "Shopping", "Home", "Groceries", "mine"), NoteStoreResult::Saved);
    QCOMPARE(Column(ReadStore(), 4), QStringList({"Shopping", "Someone else", "Groceries"}));
}

void TestNoteStore::categoriesAreDistinctSortedAndNeverEmpty()
{
    WriteStore({{"1", "0", "work", "a", ""},
                {"2", "0", "", "b", ""},
                {"3", "0", "Home", "c", ""},
                {"4", "0", "Work", "d", ""},
                {"5", "0", "apple", "e", ""}});
    QCOMPARE(NoteCategories(), QStringList({"apple", "Home", "work"}));
}

void TestNoteStore::textIsStoredWithCarriageReturns()
{
    CreateNoteStore();
    QCOMPARE(AddNote("", "Lines", "first\nsecond\n\nfourth"), NoteStoreResult::Saved);
    QCOMPARE(ReadStore().Value(5, 1), QString("first\r\nsecond\r\n\r\nfourth"));
    const StoredNote note = ReadNote(1);
    QVERIFY(note.found);
    QCOMPARE(note.text, QString("first\nsecond\n\nfourth"));
    QVERIFY(!ReadNote(2).found);
}

void TestNoteStore::isNoteFile_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<bool>("expected");
    QTest::newRow("the five fields") << QStringList({"id", "date", "category", "title", "note"}) << true;
    QTest::newRow("other order") << QStringList({"id", "date", "title", "category", "note"}) << false;
    QTest::newRow("one more") << QStringList({"id", "date", "category", "title", "note", "x"}) << false;
    QTest::newRow("one less") << QStringList({"id", "date", "category", "title"}) << false;
    QTest::newRow("other case") << QStringList({"ID", "date", "category", "title", "note"}) << false;
    QTest::newRow("hotkeys") << QStringList({"key", "command"}) << false;
}

void TestNoteStore::isNoteFile()
{
    QFETCH(QStringList, fields);
    QFETCH(bool, expected);
    WriteStore({}, fields);
    QCOMPARE(IsNoteFile(NoteStorePath()), expected);
    QVERIFY(!IsNoteFile(m_home->path() + "/missing.dat"));
}

void TestNoteStore::damagedStoreIsNeverWrittenOver_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("truncate"); // cut a good store in the middle of its records

    QTest::newRow("not a record file") << QByteArray("plain text, not notes") << false;
    QTest::newRow("empty file") << QByteArray() << false;
    QTest::newRow("truncated store") << QByteArray() << true;
    QTest::newRow("foreign fields") << QByteArray("foreign") << false;
}

void TestNoteStore::damagedStoreIsNeverWrittenOver()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, truncate);
    if (truncate) {
        WriteStore({{"1", "0", "Home", "Shopping", "milk and a long text"}, {"2", "0", "Home", "b", "x"}});
        QByteArray good = readWholeFile(NoteStorePath());
        m_home->writeFile(NoteStorePath(), good.left(good.size() - 10));
    } else if (content == "foreign") {
        WriteStore({{"F1", "Ctrl", "notepad"}}, {"key", "modifiers", "command"});
    } else {
        m_home->writeFile(NoteStorePath(), content);
    }
    const QByteArray before = readWholeFile(NoteStorePath());

    QCOMPARE(AddNote("Home", "New", "text"), NoteStoreResult::Unreadable);
    QCOMPARE(ReplaceNote(1, "Home", "Shopping", "Home", "Shopping", "text"), NoteStoreResult::Unreadable);
    QCOMPARE(DeleteNote(1), NoteStoreResult::Unreadable);
    CreateNoteStore();
    QCOMPARE(readWholeFile(NoteStorePath()), before);

    QVERIFY(NoteCategories().isEmpty());
    QVERIFY(NoteHeadings().isEmpty());
    QCOMPARE(FindNote("Home", "Shopping"), 0);
    QVERIFY(!ReadNote(1).found);
}

void TestNoteStore::missingStoreIsMadeBySaving()
{
    QVERIFY(!QFileInfo::exists(NoteStorePath()));
    QCOMPARE(AddNote("Home", "Shopping", "milk"), NoteStoreResult::Saved);
    QVERIFY(IsNoteFile(NoteStorePath()));
    QCOMPARE(FindNote("home", "shopping"), 1);
}

void TestNoteStore::dateFromLocalTime_data()
{
    QTest::addColumn<QDateTime>("local");
    QTest::addColumn<qint64>("expected");
    const QDate epoch(1970, 1, 1);
    QTest::newRow("start of 1970") << QDateTime(epoch, QTime(0, 0)) << qint64(0);
    QTest::newRow("one day") << QDateTime(epoch.addDays(1), QTime(0, 0)) << qint64(86400);
    QTest::newRow("half second rounds to even 0") << QDateTime(epoch, QTime(0, 0, 0, 500)) << qint64(0);
    QTest::newRow("half second rounds to even 2") << QDateTime(epoch, QTime(0, 0, 1, 500)) << qint64(2);
    QTest::newRow("just below half") << QDateTime(epoch, QTime(0, 0, 2, 499)) << qint64(2);
    QTest::newRow("just above half") << QDateTime(epoch, QTime(0, 0, 2, 501)) << qint64(3);
    QTest::newRow("before 1970") << QDateTime(epoch.addDays(-1), QTime(12, 0)) << qint64(-43200);
    QTest::newRow("a summer afternoon") << QDateTime(QDate(2026, 7, 1), QTime(15, 30, 10)) << qint64(1782919810);
}

void TestNoteStore::dateFromLocalTime()
{
    QFETCH(QDateTime, local);
    QFETCH(qint64, expected);
    // Counted on the local clock: the same in every time zone.
    QCOMPARE(NoteDateFromLocalTime(local), expected);
    if (local.time().msec() == 0)
        QCOMPARE(LocalTimeFromNoteDate(expected), local);
}

void TestNoteStore::dateShownAsLocalTime_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("zero") << "0" << "1. January 1970 - 0:00";
    QTest::newRow("a save") << "1782919810" << "1. July 2026 - 15:30";
    QTest::newRow("no number") << "soon" << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("far out of range") << "99999999999999999" << "";
}

void TestNoteStore::dateShownAsLocalTime()
{
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QCOMPARE(FormatNoteDate(stored, QLocale(QLocale::English, QLocale::UnitedKingdom)), shown);
}

void TestNoteStore::addNoteStoresTheCurrentDate()
{
    const qint64 before = CurrentNoteDate();
    QCOMPARE(AddNote("", "Now", ""), NoteStoreResult::Saved);
    const qint64 stored = ReadStore().Value(2, 1).toLongLong();
    QVERIFY(stored >= before && stored <= CurrentNoteDate());
}

QTEST_GUILESS_MAIN(TestNoteStore)
#include "tst_notestore.moc"
