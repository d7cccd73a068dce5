// The message boxes every part of Quorix shows: which answer each way of leaving a box gives.
#include "foundation/messages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {
// Runs action on the box once it is open.
void WhenBoxOpens(std::function<void(QMessageBox *)> action)
{
    QTimer::singleShot(0, [action] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        action(box);
    });
}

QAbstractButton *ButtonNamed(QMessageBox *box, const QString &caption)
{
    const auto buttons = box->buttons();
    for (QAbstractButton *button : buttons) {
        if (button->text() == caption)
            return button;
    }
    return nullptr;
}
} // namespace

class TestMessages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answers_data();
    void answers();
    void sessionEndClosesOpenBoxes();
    void storedLineBreaksAreShown();
    // Last: the session's end is for good.
    void sessionEndRefusesNewBoxes();
};

void TestMessages::answers_data()
{
    QTest::addColumn<int>("escapeButton");
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("expected");

    QTest::newRow("a button") << 2 << "Skip All" << 1;
    QTest::newRow("Escape presses the escape button") << 2 << "escape" << 2;
    QTest::newRow("close box with an escape button") << 2 << "close" << -1;
    QTest::newRow("close box without an escape button") << -1 << "close" << -1;
    QTest::newRow("Enter presses the default button") << -1 << "enter" << 0;
}

void TestMessages::answers()
{
    QFETCH(int, escapeButton);
    QFETCH(QString, how);
    QFETCH(int, expected);
    WhenBoxOpens([how](QMessageBox *box) {
        if (how == "close")
            box->close();
        else if (how == "escape")
            QTest::keyClick(box, Qt::Key_Escape);
        else if (how == "enter")
            QTest::keyClick(box, Qt::Key_Return);
        else
            ButtonNamed(box, how)->click();
        if (box->isVisible()) // the box ignored what was done: answer "Skip" instead of hanging
            ButtonNamed(box, "Skip")->click();
    });
    const int answer = TCustomMessageBox("Copy?", {"Skip", "Skip All", "Cancel"}, 0, escapeButton);
    QCOMPARE(answer, expected);
}

void TestMessages::sessionEndClosesOpenBoxes()
{
    WhenBoxOpens([](QMessageBox *) { CancelOpenMessageBoxes(); });
    QCOMPARE(TCustomMessageBox("Still there?", {"OK"}, 0, 0), -1);
    WhenBoxOpens([](QMessageBox *) { CancelOpenMessageBoxes(); });
    QCOMPARE(AskQuestion("Continue?"), false);
}

void TestMessages::storedLineBreaksAreShown()
{
    QCOMPARE(DisplayText("Error\r\rNo such file.\r\nTry again."), QStringLiteral("Error\n\nNo such file.\nTry again."));
}

void TestMessages::sessionEndRefusesNewBoxes()
{
    int shown = 0;
    WhenBoxOpens([&shown](QMessageBox *box) {
        ++shown;
        box->close();
    });
    EndMessageBoxes();
    QCOMPARE(TCustomMessageBox("After the end?", {"OK"}, 0, 0), -1);
    QCOMPARE(AskQuestion("Continue?"), false);
    QCOMPARE(shown, 0);
}

QTEST_MAIN(TestMessages)
#include "tst_messages.moc"
