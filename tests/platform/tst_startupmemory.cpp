// Giving back start-up memory drops only pages that come back unchanged from their files: the
// program's own data, even in a mapping that is read-only now, is never touched.
#include "platform/linux/readonlymappings.h"
#include "platform/startupmemory.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

class TestStartupMemory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void unchangedReadOnlyMappings_data();
    void unchangedReadOnlyMappings();
    void releasingKeepsEveryByte();
};

namespace {

QByteArray Mapping(const char *header, int rssKiB, int anonymousKiB)
{
    return QByteArray(header) + "\nSize:                 16 kB\nRss:                 " + QByteArray::number(rssKiB)
        + " kB\nPss:                  8 kB\nAnonymous:           " + QByteArray::number(anonymousKiB)
        + " kB\nVmFlags: rd mr mw me\n";
}

constexpr char kLibraryTables[] = "7f0000000000-7f0000004000 r--p 00000000 08:01 1234      /usr/lib/libx.so.1";

} // namespace

void TestStartupMemory::unchangedReadOnlyMappings_data()
{
    QTest::addColumn<QByteArray>("smaps");
    QTest::addColumn<int>("listed");

    QTest::newRow("a library's read-only tables") << Mapping(kLibraryTables, 16, 0) << 1;
    QTest::newRow("pages copied on write are the program's") << Mapping(kLibraryTables, 16, 4) << 0;
    QTest::newRow("nothing resident: nothing to give") << Mapping(kLibraryTables, 0, 0) << 0;
    QTest::newRow("code stays") << Mapping("7f0000004000-7f0000008000 r-xp 00004000 08:01 1234  /usr/lib/libx.so.1", 16, 0) << 0;
    QTest::newRow("writable data stays") << Mapping("7f0000008000-7f000000a000 rw-p 00008000 08:01 1234  /usr/lib/libx.so.1", 8, 0) << 0;
    QTest::newRow("shared mappings stay") << Mapping("7f000000a000-7f000000b000 r--s 00000000 00:01 99  /memfd:xorg", 4, 0) << 0;
    QTest::newRow("anonymous memory stays") << Mapping("7f000000b000-7f000000c000 r--p 00000000 00:00 0", 4, 0) << 0;
    QTest::newRow("a name with spaces") << Mapping("7f000000c000-7f000000d000 r--p 00000000 08:01 77  /home/a b/x:y.dat", 4, 0) << 1;
    QTest::newRow("two mappings, one listed") << Mapping(kLibraryTables, 16, 4) + Mapping("7f0000010000-7f0000011000 r--p 00000000 08:01 55  /usr/share/x", 4, 0) << 1;
    QTest::newRow("damaged text") << QByteArray("zz-yy r--p\nRss: lots\n7f00-7e00 r--p 0 0:0 1 /x\nRss: 4 kB\nAnonymous: 0 kB\n") << 0;
    QTest::newRow("empty") << QByteArray() << 0;
}

void TestStartupMemory::unchangedReadOnlyMappings()
{
    QFETCH(QByteArray, smaps);
    QFETCH(int, listed);
    QCOMPARE(UnchangedReadOnlyMappings(smaps).size(), listed);
}

void TestStartupMemory::releasingKeepsEveryByte()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("table.bin"));
    QByteArray contents(3 * 4096, '\0');
    for (qsizetype i = 0; i < contents.size(); ++i)
        contents[i] = char(i * 7);
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(contents), contents.size());
    }
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    QVERIFY(fd >= 0);
    // A read-only view of the file, and a private copy the program changed and then sealed.
    void *view = ::mmap(nullptr, size_t(contents.size()), PROT_READ, MAP_PRIVATE, fd, 0);
    void *changed = ::mmap(nullptr, size_t(contents.size()), PROT_READ | PROT_WRITE, MAP_PRIVATE, fd, 0);
    ::close(fd);
    QVERIFY(view != MAP_FAILED && changed != MAP_FAILED);
    QCOMPARE(QByteArray(static_cast<const char *>(view), contents.size()), contents);
    static_cast<char *>(changed)[4096] = 'Q';
    QCOMPARE(::mprotect(changed, size_t(contents.size()), PROT_READ), 0);
    const QByteArray heap(100000, 'h');

    ReleaseStartupMemory();

    QCOMPARE(QByteArray(static_cast<const char *>(view), contents.size()), contents);
    QByteArray expected = contents;
    expected[4096] = 'Q';
    QCOMPARE(QByteArray(static_cast<const char *>(changed), contents.size()), expected);
    QCOMPARE(heap, QByteArray(100000, 'h'));
    ::munmap(view, size_t(contents.size()));
    ::munmap(changed, size_t(contents.size()));
}

QTEST_GUILESS_MAIN(TestStartupMemory)
#include "tst_startupmemory.moc"
