// The taskbar stand-in as the data module makes it: nothing when a taskbar window exists, and the
// system's reason told to the user when making one fails.
#include "core/td.h"
#include "foundation/messages.h"
#include "platform/fake/fakesubstitutetaskbar.h"
#include "platform/scopedservice.h"
#include "testenv.h"

#include <QTest>

class TestSubstituteTaskbar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void makingTheStandIn_data();
    void makingTheStandIn();
};

void TestSubstituteTaskbar::makingTheStandIn_data()
{
    QTest::addColumn<bool>("taskbarExists");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<bool>("made");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("no taskbar: one is made") << false << QString() << true << QStringList();
    QTest::newRow("a taskbar exists: nothing to do") << true << QString() << true << QStringList();
    QTest::newRow("the server refuses: the user hears why")
        << false << QStringLiteral("BadAlloc (insufficient resources)") << false
        << QStringList{QStringLiteral("BadAlloc (insufficient resources)")};
}

void TestSubstituteTaskbar::makingTheStandIn()
{
    QFETCH(bool, taskbarExists);
    QFETCH(QString, failure);
    QFETCH(bool, made);
    QFETCH(QStringList, messages);
    TestHome home;
    FakeSubstituteTaskbar taskbar;
    taskbar.taskbarExists = taskbarExists;
    taskbar.failure = failure;
    ScopedService<SubstituteTaskbar> useTaskbar(taskbar);
    QStringList shown;
    const MessageResponder old = SetMessageResponder([&shown](const MessageRequest &request) {
        shown << request.text;
        return 0;
    });
    TD dataModule;
    QCOMPARE(dataModule.CreateSubstituteTaskbar(), made);
    SetMessageResponder(old);
    QCOMPARE(shown, messages);
    QCOMPARE(taskbar.taskbarExists, made);
}

QTEST_MAIN(TestSubstituteTaskbar)
#include "tst_substitutetaskbar.moc"
