// A save that fails (full disk, read-only folder) or a settings file that cannot be read is told to
// the user once, with the file's path and the system's reason, and never as a box every second.
#include "base/atomicfile.h"
#include "foundation/fileproblemreports.h"
#include "foundation/messages.h"
#include "testenv.h"

#include <QTest>

class TestFileProblemReports : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void failedSaveIsToldOnceWithPathAndReason();
    void successfulSaveMakesTheNextFailureNews();
    void callersThatAskForTheReasonReportThemselves();
    void unreadableFileIsToldOnce();

private:
    std::unique_ptr<TestHome> m_home;
    QStringList m_boxes;
};

void TestFileProblemReports::init()
{
    m_home = std::make_unique<TestHome>();
    m_boxes.clear();
    SetMessageResponder([this](const MessageRequest &request) {
        m_boxes << request.text;
        return 0;
    });
    FileProblemReports::WatchAtomicWrites();
}

void TestFileProblemReports::cleanup()
{
    SetAtomicWriteObserver({});
    SetMessageResponder({});
    m_home.reset();
}

void TestFileProblemReports::failedSaveIsToldOnceWithPathAndReason()
{
    // A folder that is really a file cannot hold anything, not even for root.
    const QString blocker = m_home->writeFile("blocker", "x");
    const QString path = blocker + "/runhisto.dat";
    for (int second = 0; second < 5; ++second)
        QVERIFY(!WriteFileAtomically(path, "entry\r\n"));
    QCOMPARE(m_boxes.size(), 1);
    QVERIFY(m_boxes[0].startsWith("Error\r\r"));
    QVERIFY(m_boxes[0].contains(path));
    QVERIFY(m_boxes[0].contains("could not be saved"));
    // The system's reason follows the path.
    const QString reason = m_boxes[0].section(QStringLiteral("saved: "), 1).section(QLatin1Char('\r'), 0, 0);
    QVERIFY2(reason.size() > 3, qPrintable(m_boxes[0]));
}

void TestFileProblemReports::successfulSaveMakesTheNextFailureNews()
{
    const QString path = m_home->path() + "/Data/settings.ini";
    QVERIFY(!WriteFileAtomically(path, "a")); // the folder is missing
    QVERIFY(!WriteFileAtomically(path, "a"));
    QCOMPARE(m_boxes.size(), 1);
    m_home->writeFile("Data/other", "");
    QVERIFY(WriteFileAtomically(path, "a"));
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir(m_home->path() + "/Data").removeRecursively());
    QVERIFY(!WriteFileAtomically(path, "a"));
    QCOMPARE(m_boxes.size(), 2);
}

void TestFileProblemReports::callersThatAskForTheReasonReportThemselves()
{
    QString reason;
    QCOMPARE(WriteFileAtomicallyWithResult(m_home->path() + "/none/x", "a", &reason), AtomicWriteResult::CannotOpen);
    QVERIFY(!reason.isEmpty());
    QVERIFY(m_boxes.isEmpty());
}

void TestFileProblemReports::unreadableFileIsToldOnce()
{
    const QString path = m_home->path() + "/odd.ini";
    FileProblemReports::ReportNotRead(path, QStringLiteral("it is not a regular file"));
    FileProblemReports::ReportNotRead(path, QStringLiteral("it is not a regular file"));
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0], "Error\r\r" + FileProblemReports::NotReadText(path, "it is not a regular file"));
    QVERIFY(m_boxes[0].contains("it is not a regular file."));
}

QTEST_MAIN(TestFileProblemReports)
#include "tst_fileproblemreports.moc"
