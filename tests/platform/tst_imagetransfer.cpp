// The request for pictures over the X connection lives only while Qt connects, and never
// overrides what the user put in the environment.
#include "platform/imagetransfer.h"

#include <QTest>

class TestImageTransfer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { qunsetenv("QT_XCB_NO_MITSHM"); }
    void requestLastsUntilWithdrawn_data();
    void requestLastsUntilWithdrawn();
};

void TestImageTransfer::requestLastsUntilWithdrawn_data()
{
    QTest::addColumn<QByteArray>("users");      // null: not set
    QTest::addColumn<QByteArray>("meanwhile");
    QTest::addColumn<QByteArray>("afterwards"); // null: not set
    QTest::newRow("not set") << QByteArray() << QByteArray("1") << QByteArray();
    QTest::newRow("user turned it on") << QByteArray("1") << QByteArray("1") << QByteArray("1");
    QTest::newRow("user's own value") << QByteArray("0") << QByteArray("0") << QByteArray("0");
}

void TestImageTransfer::requestLastsUntilWithdrawn()
{
    QFETCH(QByteArray, users);
    QFETCH(QByteArray, meanwhile);
    QFETCH(QByteArray, afterwards);
    if (!users.isNull())
        qputenv("QT_XCB_NO_MITSHM", users);
    {
        ConnectionImageTransfer transfer;
        QCOMPARE(qgetenv("QT_XCB_NO_MITSHM"), meanwhile);
        transfer.Withdraw();
        QCOMPARE(qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"), !afterwards.isNull());
        QCOMPARE(qgetenv("QT_XCB_NO_MITSHM"), afterwards);
    }
    QCOMPARE(qgetenv("QT_XCB_NO_MITSHM"), afterwards);
}

QTEST_GUILESS_MAIN(TestImageTransfer)
#include "tst_imagetransfer.moc"
