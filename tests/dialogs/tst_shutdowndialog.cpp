// Quorix's own "Shut Down" box, for desktops without a dialog of their own: each button asks once,
// a "No" does nothing, a "Yes" asks the session manager for exactly that, and a refusal is told to
// the user with its reason while the box stays open for another choice.
#include "dialogs/tshutdowndialog.h"
#include "foundation/messages.h"
#include "menus/mainmenucommands.h"
#include "platform/fake/fakesessionpower.h"
#include "platform/scopedservice.h"
#include "testenv.h"

#include <QPointer>
#include <QPushButton>
#include <QTest>

class TestShutDownDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void eachButtonAsksThenRequests_data();
    void eachButtonAsksThenRequests();
    void cancelAsksNothing();
    void desktopDialogComesFirst();

private:
    std::unique_ptr<TestHome> m_home;
    FakeSessionPower m_power;
    std::unique_ptr<ScopedService<SessionPower>> m_usePower;
    QStringList m_boxes;
    int m_answer = 0;
};

void TestShutDownDialog::init()
{
    m_home = std::make_unique<TestHome>();
    m_power = FakeSessionPower();
    m_usePower = std::make_unique<ScopedService<SessionPower>>(m_power);
    m_boxes.clear();
    m_answer = 0;
    SetMessageResponder([this](const MessageRequest &request) {
        m_boxes << request.text;
        return m_answer;
    });
}

void TestShutDownDialog::cleanup()
{
    SetMessageResponder({});
    m_usePower.reset();
    m_home.reset();
}

void TestShutDownDialog::eachButtonAsksThenRequests_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("answer");       // 0 Yes, 1 No
    QTest::addColumn<QString>("refusal");  // the session manager's; empty when it complies
    QTest::addColumn<QString>("question");
    QTest::addColumn<QStringList>("requests");
    QTest::addColumn<QString>("error");    // the box after the question; empty for none
    QTest::addColumn<bool>("stillOpen");

    const QString tail = QStringLiteral(" Programs that are still open may lose unsaved work.\r\rDo you want to continue?");
    QTest::newRow("shut down") << "Button1" << 0 << QString() << "The computer will shut down." + tail
                               << QStringList{"power-off"} << QString() << false;
    QTest::newRow("restart") << "Button2" << 0 << QString() << "The computer will restart." + tail
                             << QStringList{"reboot"} << QString() << false;
    QTest::newRow("log out") << "Button3" << 0 << QString() << "Your session will end." + tail
                             << QStringList{"log-out"} << QString() << false;
    QTest::newRow("no means nothing") << "Button1" << 1 << QString() << "The computer will shut down." + tail
                                      << QStringList{} << QString() << true;
    QTest::newRow("refused restart") << "Button2" << 0 << "Interactive authentication required."
                                     << "The computer will restart." + tail << QStringList{"reboot"}
                                     << "Error\r\rRestart\r\rInteractive authentication required." << true;
    QTest::newRow("refused log out") << "Button3" << 0 << "Quorix is not running in a login session."
                                     << "Your session will end." + tail << QStringList{"log-out"}
                                     << "Error\r\rLog out\r\rQuorix is not running in a login session." << true;
}

void TestShutDownDialog::eachButtonAsksThenRequests()
{
    QFETCH(QString, button);
    QFETCH(int, answer);
    QFETCH(QString, refusal);
    QFETCH(QString, question);
    QFETCH(QStringList, requests);
    QFETCH(QString, error);
    QFETCH(bool, stillOpen);
    m_answer = answer;
    m_power.refusal = refusal;
    QPointer<TShutDownDialog> dialog = new TShutDownDialog;
    dialog->show();
    dialog->findChild<QPushButton *>(button)->click();
    QStringList boxes{question};
    if (!error.isEmpty())
        boxes << error;
    QCOMPARE(m_boxes, boxes);
    QCOMPARE(m_power.calls, requests);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(!dialog.isNull() && dialog->isVisible(), stillOpen);
    delete dialog;
}

void TestShutDownDialog::cancelAsksNothing()
{
    QPointer<TShutDownDialog> dialog = new TShutDownDialog;
    dialog->show();
    dialog->findChild<QPushButton *>(QStringLiteral("Button4"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(dialog.isNull());
    QVERIFY(m_boxes.isEmpty());
    QVERIFY(m_power.calls.isEmpty());
}

void TestShutDownDialog::desktopDialogComesFirst()
{
    QWidget owner;
    MainMenuCommands commands({&owner});
    m_power.hasDesktopDialog = true;
    commands.Windows1Click();
    QVERIFY(!owner.findChild<TShutDownDialog *>());
    // Without one, Quorix's own box, once however often it is asked for.
    m_power.hasDesktopDialog = false;
    commands.Windows1Click();
    commands.Windows1Click();
    QCOMPARE(owner.findChildren<TShutDownDialog *>().size(), 1);
    QCOMPARE(m_power.calls, (QStringList{"desktop-dialog", "desktop-dialog", "desktop-dialog"}));
    QVERIFY(owner.findChild<TShutDownDialog *>()->isVisible());
}

QTEST_MAIN(TestShutDownDialog)
#include "tst_shutdowndialog.moc"
