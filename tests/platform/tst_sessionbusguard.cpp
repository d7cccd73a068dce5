// Without a session bus the bar starts no bus daemon, and the programs it starts are left to find
// (or start) a bus by themselves.
#include "platform/linux/sessionbus.h"
#include "platform/sessionbusguard.h"
#include "testenv.h"

#include <QScopeGuard>
#include <QTest>

#include <glib.h>

class TestSessionBusGuard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void markedOnlyWithoutBus_data();
    void markedOnlyWithoutBus();
    void startedProgramsNeverGetTheMark_data();
    void startedProgramsNeverGetTheMark();

private:
    QByteArray m_savedAddress;
    bool m_hadAddress = false;
};

namespace {
QByteArray ChildAddress()
{
    char **environment = ChildEnvironment();
    const auto release = qScopeGuard([&] { g_strfreev(environment); });
    const gchar *address = g_environ_getenv(environment, "DBUS_SESSION_BUS_ADDRESS");
    return address ? QByteArray(address) : QByteArray();
}
} // namespace

void TestSessionBusGuard::init()
{
    m_hadAddress = qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS");
    m_savedAddress = qgetenv("DBUS_SESSION_BUS_ADDRESS");
}

void TestSessionBusGuard::cleanup()
{
    if (m_hadAddress)
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_savedAddress);
    else
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
}

void TestSessionBusGuard::markedOnlyWithoutBus_data()
{
    QTest::addColumn<QByteArray>("address"); // null: not set
    QTest::addColumn<bool>("runtimeBus");
    QTest::addColumn<QByteArray>("addressAfter");

    QTest::newRow("no bus: disabled") << QByteArray() << false << QByteArray(kDisabledBusAddress);
    QTest::newRow("blank address: disabled") << QByteArray(" ") << false << QByteArray(kDisabledBusAddress);
    QTest::newRow("address given: kept") << QByteArray("unix:path=/run/user/1000/bus") << false
                                         << QByteArray("unix:path=/run/user/1000/bus");
    QTest::newRow("the runtime folder's bus: left to D-Bus") << QByteArray() << true << QByteArray();
}

void TestSessionBusGuard::markedOnlyWithoutBus()
{
    QFETCH(QByteArray, address);
    QFETCH(bool, runtimeBus);
    QFETCH(QByteArray, addressAfter);
    TestHome home;
    if (address.isNull())
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    else
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    if (runtimeBus)
        home.writeFile("run/bus", "");

    KeepBusDaemonsFromStarting();
    QCOMPARE(qgetenv("DBUS_SESSION_BUS_ADDRESS"), addressAfter);
    QCOMPARE(SessionBusReachable(), addressAfter != kDisabledBusAddress);
    // Asking again changes nothing: the mark itself names no bus.
    KeepBusDaemonsFromStarting();
    QCOMPARE(qgetenv("DBUS_SESSION_BUS_ADDRESS"), addressAfter);
}

void TestSessionBusGuard::startedProgramsNeverGetTheMark_data()
{
    QTest::addColumn<QByteArray>("address");
    QTest::addColumn<QByteArray>("childAddress");

    QTest::newRow("the mark is left out") << QByteArray(kDisabledBusAddress) << QByteArray();
    QTest::newRow("a real bus is passed on") << QByteArray("unix:path=/run/user/1000/bus")
                                             << QByteArray("unix:path=/run/user/1000/bus");
}

void TestSessionBusGuard::startedProgramsNeverGetTheMark()
{
    QFETCH(QByteArray, address);
    QFETCH(QByteArray, childAddress);
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    qputenv("QUORIX_TEST_PASSED_ON", "yes");
    QCOMPARE(ChildAddress(), childAddress);
    char **environment = ChildEnvironment();
    QCOMPARE(QByteArray(g_environ_getenv(environment, "QUORIX_TEST_PASSED_ON")), QByteArray("yes"));
    g_strfreev(environment);
    qunsetenv("QUORIX_TEST_PASSED_ON");
}

QTEST_GUILESS_MAIN(TestSessionBusGuard)
#include "tst_sessionbusguard.moc"
