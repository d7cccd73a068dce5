// The MPRIS players behind the marquee's track: what a player's change signals report is what the
// bar shows, a player that never answers holds nothing up, the bar asks no player again on every
// frame, and without a session bus nothing is started to provide one.
#include "platform/linux/linuxplayertracks.h"
#include "platform/linux/mprisplayers.h"
#include "platform/linux/sessionbus.h"
#include "testenv.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QScopeGuard>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTest>
#include <QThread>

#include <cstdio>
#include <unistd.h>

namespace {

const QString kPath = QStringLiteral("/org/mpris/MediaPlayer2");

// A player whose answers are counted: every property read is one question the bar asked.
class CountingPlayer : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ PlaybackStatus)
    Q_PROPERTY(QVariantMap Metadata READ Metadata)

public:
    QString PlaybackStatus() const
    {
        ++reads;
        return status;
    }
    QVariantMap Metadata() const
    {
        ++reads;
        return metadata;
    }
    QString status = QStringLiteral("Paused");
    QVariantMap metadata{{QStringLiteral("xesam:title"), QStringLiteral("Silence")}};
    mutable int reads = 0;
};

// The helper process: "counting" answers and obeys its standard input ("play", "reads"); "stuck"
// owns a player's name and never answers anything.
int RunHelper(int argc, char **argv, const QByteArray &mode)
{
    QCoreApplication app(argc, argv);
    QDBusConnection bus = QDBusConnection::connectToBus(qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"),
                                                        QStringLiteral("player"));
    CountingPlayer player;
    if (!bus.registerObject(kPath, &player, QDBusConnection::ExportAllProperties)
        || !bus.registerService(QStringLiteral("org.mpris.MediaPlayer2.") + QString::fromLatin1(mode)))
        return 1;
    std::printf("ready\n");
    std::fflush(stdout);
    if (mode == "stuck") {
        QThread::sleep(120); // calls wait in the queue of a thread that never gets to them
        return 0;
    }
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char line[64] = {};
        if (!std::fgets(line, sizeof line, stdin))
            return app.quit();
        if (QByteArray(line).trimmed() == "play") {
            player.status = QStringLiteral("Playing");
            player.metadata = {{QStringLiteral("xesam:title"), QStringLiteral("The Boxer")},
                               {QStringLiteral("xesam:artist"), QStringList{QStringLiteral("Simon")}}};
            QDBusMessage changed = QDBusMessage::createSignal(kPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                              QStringLiteral("PropertiesChanged"));
            changed << QStringLiteral("org.mpris.MediaPlayer2.Player")
                    << QVariantMap{{QStringLiteral("PlaybackStatus"), player.status},
                                   {QStringLiteral("Metadata"), player.metadata}}
                    << QStringList();
            bus.send(changed);
        }
        std::printf("reads %d\n", player.reads);
        std::fflush(stdout);
    });
    return app.exec();
}

// Sends a line to the counting helper and returns how many property reads it has answered.
int Tell(QProcess &helper, const QByteArray &line)
{
    helper.write(line + '\n');
    if (!helper.waitForReadyRead(5000))
        return -1;
    const QByteArray answer = helper.readLine().trimmed();
    return answer.startsWith("reads ") ? answer.mid(6).toInt() : -1;
}

} // namespace

class TestMprisPlayers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sessionBusReachable_data();
    void sessionBusReachable();
    void tracksComeFromChangeSignals();
};

void TestMprisPlayers::sessionBusReachable_data()
{
    QTest::addColumn<QByteArray>("address");
    QTest::addColumn<bool>("runtimeBus");
    QTest::addColumn<bool>("reachable");

    QTest::newRow("address given") << QByteArray("unix:path=/run/user/1000/bus") << false << true;
    QTest::newRow("the session's bus in the runtime folder") << QByteArray() << true << true;
    QTest::newRow("neither: no bus, none started") << QByteArray() << false << false;
    QTest::newRow("a blank address is none") << QByteArray("  ") << false << false;
    QTest::newRow("the bar's own disabled mark is none") << QByteArray("disabled:") << false << false;
}

void TestMprisPlayers::sessionBusReachable()
{
    QFETCH(QByteArray, address);
    QFETCH(bool, runtimeBus);
    QFETCH(bool, reachable);
    TestHome home;
    const QByteArray saved = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    const auto restore = qScopeGuard([&] { qputenv("DBUS_SESSION_BUS_ADDRESS", saved); });
    if (address.isNull())
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    else
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    if (runtimeBus)
        home.writeFile("run/bus", "");
    QCOMPARE(SessionBusReachable(), reachable);
    if (!reachable)
        QVERIFY(!MprisPlayers().IsWatching());
}

void TestMprisPlayers::tracksComeFromChangeSignals()
{
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty())
        QSKIP("no dbus-daemon");
    QProcess bus;
    bus.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    QVERIFY(bus.waitForReadyRead(5000));
    const QByteArray saved = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus.readLine().trimmed());
    const auto restore = qScopeGuard([&] {
        qputenv("DBUS_SESSION_BUS_ADDRESS", saved);
        bus.kill();
        bus.waitForFinished();
    });
    const auto startHelper = [](QProcess &helper, const QString &mode) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QUORIX_MPRIS_HELPER"), mode);
        helper.setProcessEnvironment(environment);
        helper.start(QCoreApplication::applicationFilePath(), {});
        return helper.waitForReadyRead(5000) && helper.readLine().trimmed() == "ready";
    };
    QProcess stuck;
    QProcess counting;
    const auto stopHelpers = qScopeGuard([&] {
        stuck.kill();
        counting.kill();
        stuck.waitForFinished();
        counting.waitForFinished();
    });
    QVERIFY(startHelper(stuck, QStringLiteral("stuck")));
    QVERIFY(startHelper(counting, QStringLiteral("counting")));

    LinuxPlayerTracks players;
    QCOMPARE(players.PlayingTrack(), QString()); // a paused player plays nothing
    QTRY_VERIFY(Tell(counting, "reads") > 0);    // it has been asked once
    QVERIFY(Tell(counting, "play") > 0); // it starts playing and says so
    QTRY_COMPARE(players.PlayingTrack(), QStringLiteral("Simon - The Boxer"));

    // Every marquee frame asks for the track; none of them asks the players again.
    const int asked = Tell(counting, "reads");
    for (int frame = 0; frame < 50; ++frame) {
        QCOMPARE(players.PlayingTrack(), QStringLiteral("Simon - The Boxer"));
        QCoreApplication::processEvents();
    }
    QCOMPARE(Tell(counting, "reads"), asked);

    counting.kill();
    counting.waitForFinished();
    QTRY_COMPARE(players.PlayingTrack(), QString());
}

int main(int argc, char **argv)
{
    const QByteArray helper = qgetenv("QUORIX_MPRIS_HELPER");
    if (!helper.isEmpty())
        return RunHelper(argc, argv, helper);
    QCoreApplication app(argc, argv);
    TestMprisPlayers test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mprisplayers.moc"
