// The power supplies' files: read afresh every time, the folder listed again only now and then.
// (A supply the kernel removes fails its next read, which lists the folder at once; a removed
// plain file stays readable through its descriptor, so that case is the kernel's alone.)
#include "platform/linux/powersupplyfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestPowerSupplyFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsWhatTheFilesSayNow();
    void newSupplyFoundAtTheNextListing_data();
    void newSupplyFoundAtTheNextListing();
    void removedSupplyGoneAtTheNextListing();
    void missingFolderMeansNoSupplies();
};

namespace {

// Writes into the existing file, as the kernel's files change under an open descriptor.
void WriteSupply(const QDir &folder, const QString &name, const QByteArray &text)
{
    QVERIFY(folder.mkpath(name));
    QFile file(folder.filePath(name + QStringLiteral("/uevent")));
    QVERIFY(file.open(QIODevice::ReadWrite | QIODevice::Truncate));
    QCOMPARE(file.write(text), text.size());
}

} // namespace

void TestPowerSupplyFiles::readsWhatTheFilesSayNow()
{
    QTemporaryDir root;
    const QDir folder(root.path());
    WriteSupply(folder, QStringLiteral("BAT0"), "POWER_SUPPLY_CAPACITY=80\n");
    PowerSupplyFiles supplies(root.path(), 3600);
    QCOMPARE(supplies.Read(), QList<QByteArray>{"POWER_SUPPLY_CAPACITY=80\n"});
    WriteSupply(folder, QStringLiteral("BAT0"), "POWER_SUPPLY_CAPACITY=79\n");
    QCOMPARE(supplies.Read(), QList<QByteArray>{"POWER_SUPPLY_CAPACITY=79\n"});
}

void TestPowerSupplyFiles::newSupplyFoundAtTheNextListing_data()
{
    QTest::addColumn<int>("relistSeconds");
    QTest::addColumn<int>("supplies");
    QTest::newRow("listing due") << 0 << 2;
    QTest::newRow("listed a moment ago") << 3600 << 1;
}

void TestPowerSupplyFiles::newSupplyFoundAtTheNextListing()
{
    QFETCH(int, relistSeconds);
    QFETCH(int, supplies);
    QTemporaryDir root;
    const QDir folder(root.path());
    WriteSupply(folder, QStringLiteral("AC"), "POWER_SUPPLY_ONLINE=1\n");
    PowerSupplyFiles files(root.path(), relistSeconds);
    QCOMPARE(files.Read().size(), 1);
    WriteSupply(folder, QStringLiteral("BAT1"), "POWER_SUPPLY_CAPACITY=50\n");
    QCOMPARE(files.Read().size(), supplies);
}

void TestPowerSupplyFiles::removedSupplyGoneAtTheNextListing()
{
    QTemporaryDir root;
    QDir folder(root.path());
    WriteSupply(folder, QStringLiteral("AC"), "POWER_SUPPLY_ONLINE=0\n");
    WriteSupply(folder, QStringLiteral("UPS"), "POWER_SUPPLY_CAPACITY=90\n");
    PowerSupplyFiles files(root.path(), 0);
    QCOMPARE(files.Read().size(), 2);
    QVERIFY(QDir(folder.filePath(QStringLiteral("UPS"))).removeRecursively());
    QCOMPARE(files.Read(), QList<QByteArray>{"POWER_SUPPLY_ONLINE=0\n"});
}

void TestPowerSupplyFiles::missingFolderMeansNoSupplies()
{
    QTemporaryDir root;
    PowerSupplyFiles files(root.filePath(QStringLiteral("absent")), 0);
    QVERIFY(files.Read().isEmpty());
}

QTEST_GUILESS_MAIN(TestPowerSupplyFiles)
#include "tst_powersupplyfiles.moc"
