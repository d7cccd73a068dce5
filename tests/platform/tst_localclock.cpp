// The marquee's clock: the local time of the zone in force, a change of TZ seen at once.
#include "platform/localclock.h"

#include <QDateTime>
#include <QTest>

#include <cstdlib>
#include <ctime>

class TestLocalClock : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void followsTheZoneVariable_data();
    void followsTheZoneVariable();
    void agreesWithQt();

private:
    void SetZone(const QByteArray &zone);

    bool m_hadZone = qEnvironmentVariableIsSet("TZ");
    QByteArray m_zone = qgetenv("TZ");
};

void TestLocalClock::SetZone(const QByteArray &zone)
{
    if (zone.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", zone);
}

void TestLocalClock::cleanup()
{
    SetZone(m_hadZone ? m_zone : QByteArray());
    ::tzset();
}

void TestLocalClock::followsTheZoneVariable_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<int>("offsetSeconds");
    QTest::newRow("UTC") << QByteArray("UTC0") << 0;
    QTest::newRow("five hours east") << QByteArray("XYZ-5") << 5 * 3600;
    QTest::newRow("three and a half west") << QByteArray("ABC+3:30") << -(3 * 3600 + 1800);
}

// Each row changes TZ right before reading: the clock must not keep the zone of the row before.
void TestLocalClock::followsTheZoneVariable()
{
    QFETCH(QByteArray, zone);
    QFETCH(int, offsetSeconds);
    SetZone(zone);
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(offsetSeconds);
    const LocalDateTime now = LocalClockNow();
    const QDateTime after = QDateTime::currentDateTimeUtc().addSecs(offsetSeconds);
    const QDateTime shown(now.date, now.time, Qt::UTC);
    QVERIFY2(shown >= before.addMSecs(-1) && shown <= after.addMSecs(1),
             qPrintable(shown.toString(Qt::ISODateWithMs) + QLatin1Char(' ')
                        + before.toString(Qt::ISODateWithMs)));
}

void TestLocalClock::agreesWithQt()
{
    const QDateTime before = QDateTime::currentDateTime();
    const LocalDateTime now = LocalClockNow();
    const QDateTime after = QDateTime::currentDateTime();
    QVERIFY(now.date.isValid());
    QVERIFY(now.time.isValid());
    const QDateTime shown(now.date, now.time);
    QVERIFY(shown >= before.addMSecs(-1));
    QVERIFY(shown <= after.addMSecs(1));
}

QTEST_GUILESS_MAIN(TestLocalClock)
#include "tst_localclock.moc"
