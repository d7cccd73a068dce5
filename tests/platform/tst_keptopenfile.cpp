// A kernel file kept open gives the file's text as it is at each read, from its start.
#include "platform/linux/keptopenfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestKeptOpenFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyReadSeesTheTextOfThatMoment();
    void leadingLinesOnly();
    void missingFileGivesNothing();
    void kernelFilesReadAgain();
};

namespace {
void Overwrite(const QString &path, const QByteArray &text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite | QIODevice::Truncate)); // the same file, not a new one
    QCOMPARE(file.write(text), text.size());
}
} // namespace

void TestKeptOpenFile::everyReadSeesTheTextOfThatMoment()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("figures"));
    Overwrite(path, "MemTotal: 100 kB\nMemAvailable: 40 kB\n");
    KeptOpenFile file(path);
    QCOMPARE(file.Read(), QByteArray("MemTotal: 100 kB\nMemAvailable: 40 kB\n"));
    Overwrite(path, "MemTotal: 100 kB\n");
    QCOMPARE(file.Read(), QByteArray("MemTotal: 100 kB\n"));
    const QByteArray big(40000, 'x'); // several reads' worth
    Overwrite(path, big);
    QCOMPARE(file.Read(), big);
    QCOMPARE(file.Read({}, 100), big.left(100));
}

void TestKeptOpenFile::leadingLinesOnly()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("stat"));
    Overwrite(path, "cpu 1 2 3 4\ncpu0 1 2 3 4\nintr 5 6 7\n");
    KeptOpenFile file(path);
    QVERIFY(file.Read("cpu").startsWith("cpu 1 2 3 4\ncpu0 1 2 3 4\n"));
}

void TestKeptOpenFile::missingFileGivesNothing()
{
    KeptOpenFile file(QStringLiteral("/nonexistent/quorix/figures"));
    QVERIFY(file.Read().isNull());
    QVERIFY(file.Read().isNull());
}

void TestKeptOpenFile::kernelFilesReadAgain()
{
    KeptOpenFile stat(QStringLiteral("/proc/stat"));
    for (int i = 0; i < 3; ++i)
        QVERIFY(stat.Read("cpu").startsWith("cpu "));
    KeptOpenFile memory(QStringLiteral("/proc/meminfo"));
    for (int i = 0; i < 3; ++i)
        QVERIFY(memory.Read().startsWith("MemTotal:"));
}

QTEST_GUILESS_MAIN(TestKeptOpenFile)
#include "tst_keptopenfile.moc"
