// What every Quorix dialog does through its base: it opens where it was last closed (settings.ini,
// section "sizes"), stores that place however it closes, asks for its help page on F1 and on its
// Help button, and runs its OK check from the form's button box, staying open when the check fails.
#include "controls/tquorixdialog.h"
#include "base/inifile.h"
#include "foundation/barrequests.h"
#include "foundation/datafiles.h"
#include "testenv.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

const QString kSizes = QStringLiteral("sizes");

// A dialog made the way the Quorix dialogs are: a field and a button box that the form names.
class FormDialog : public TQuorixDialog
{
public:
    explicit FormDialog(const QString &topic = QStringLiteral("settings_test.html"),
                        Placement placement = Placement::Position,
                        QDialogButtonBox::StandardButtons buttons = QDialogButtonBox::Ok | QDialogButtonBox::Cancel
                                                                    | QDialogButtonBox::Help)
        : TQuorixDialog(topic, nullptr, placement)
    {
        setObjectName(QStringLiteral("TestForm"));
        auto *column = new QVBoxLayout(this);
        Edit1 = new QLineEdit(this);
        column->addWidget(Edit1);
        auto *box = new QDialogButtonBox(buttons, this);
        box->setProperty("OkButton", QStringLiteral("Button1"));
        box->setProperty("CancelButton", QStringLiteral("Button2"));
        box->setProperty("HelpButton", QStringLiteral("Button3"));
        box->setProperty("CloseButton", QStringLiteral("Button4"));
        column->addWidget(box);
        if (buttons.testFlag(QDialogButtonBox::Ok))
            FormReady(box, [this] { Button1Click(); });
        else
            FormReady(box);
    }

    QPushButton *Named(const char *name) const { return findChild<QPushButton *>(QString::fromLatin1(name)); }

    void Button1Click()
    {
        ++okChecks;
        if (!Edit1->text().isEmpty())
            accept();
    }

    QLineEdit *Edit1 = nullptr;
    int okChecks = 0;
};

int Stored(const char *suffix)
{
    const IniFile settings(DataFilePath(dfSettings));
    return settings.ReadInteger(kSizes, QStringLiteral("TestForm") + QLatin1String(suffix), -1);
}

void Store(int x, int y, int width = -1, int height = -1)
{
    IniFile settings(DataFilePath(dfSettings));
    settings.SetAutoSave(false);
    if (x >= 0)
        settings.WriteInteger(kSizes, QStringLiteral("TestForm-X"), x);
    if (y >= 0)
        settings.WriteInteger(kSizes, QStringLiteral("TestForm-Y"), y);
    if (width >= 0)
        settings.WriteInteger(kSizes, QStringLiteral("TestForm-W"), width);
    if (height >= 0)
        settings.WriteInteger(kSizes, QStringLiteral("TestForm-H"), height);
    QVERIFY(settings.UpdateFile());
}

QRect Screen()
{
    return QGuiApplication::primaryScreen()->geometry();
}

} // namespace

class TestQuorixDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void opensWhereItWasClosed_data();
    void opensWhereItWasClosed();
    void storesItsPlaceHoweverItCloses_data();
    void storesItsPlaceHoweverItCloses();
    void failedCheckKeepsItOpen();
    void shownAgainStoresItsNewPlace();
    void sizeIsKeptOnlyWhenAsked_data();
    void sizeIsKeptOnlyWhenAsked();
    void f1AsksForTheTopic_data();
    void f1AsksForTheTopic();
    void f1HeldDownAsksOnce();
    void buttonBoxIsNamedByTheForm_data();
    void buttonBoxIsNamedByTheForm();

private:
    TestHome *m_home = nullptr;
};

void TestQuorixDialog::init()
{
    m_home = new TestHome;
    QDir().mkpath(DataFilePath(dfDataFolder) + QStringLiteral("Data"));
}

void TestQuorixDialog::cleanup()
{
    delete m_home;
}

void TestQuorixDialog::opensWhereItWasClosed_data()
{
    QTest::addColumn<int>("x");   // -1: not stored
    QTest::addColumn<int>("y");
    QTest::addColumn<QPoint>("expected"); // -1: the screen's size less the dialog's
    QTest::newRow("never closed") << -1 << -1 << QPoint(20, 20);
    QTest::newRow("where it was") << 140 << 160 << QPoint(140, 160);
    QTest::newRow("never closer to the corner than 20") << 3 << 0 << QPoint(20, 20);
    QTest::newRow("off to the right") << 100000 << 50 << QPoint(-1, 50);
    QTest::newRow("off the bottom") << 50 << 100000 << QPoint(50, -1);
}

void TestQuorixDialog::opensWhereItWasClosed()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QPoint, expected);
    Store(x, y);
    FormDialog dialog;
    if (expected.x() < 0)
        expected.setX(Screen().width() - dialog.width());
    if (expected.y() < 0)
        expected.setY(Screen().height() - dialog.height());
    // Placed on creation, before it shows.
    QCOMPARE(dialog.pos(), expected);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.pos(), expected);
}

void TestQuorixDialog::storesItsPlaceHoweverItCloses_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("result");
    QTest::newRow("OK") << "ok" << int(QDialog::Accepted);
    QTest::newRow("Enter presses OK") << "enter" << int(QDialog::Accepted);
    QTest::newRow("Cancel") << "cancel" << int(QDialog::Rejected);
    QTest::newRow("Escape") << "escape" << int(QDialog::Rejected);
    QTest::newRow("window frame") << "close" << int(QDialog::Rejected);
}

void TestQuorixDialog::storesItsPlaceHoweverItCloses()
{
    QFETCH(QString, how);
    QFETCH(int, result);
    FormDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.Edit1->setText(QStringLiteral("x"));
    dialog.move(230, 170);
    if (how == QLatin1String("ok"))
        dialog.Named("Button1")->click();
    else if (how == QLatin1String("enter"))
        QTest::keyClick(dialog.Edit1, Qt::Key_Return);
    else if (how == QLatin1String("cancel"))
        dialog.Named("Button2")->click();
    else if (how == QLatin1String("escape"))
        QTest::keyClick(dialog.Edit1, Qt::Key_Escape);
    else
        dialog.close();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), result);
    QCOMPARE(Stored("-X"), 230);
    QCOMPARE(Stored("-Y"), 170);
    FormDialog again;
    QCOMPARE(again.pos(), QPoint(230, 170));
}

void TestQuorixDialog::failedCheckKeepsItOpen()
{
    FormDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.move(230, 170);
    QTest::keyClick(dialog.Edit1, Qt::Key_Return);
    dialog.Named("Button1")->click();
    QCOMPARE(dialog.okChecks, 2);
    QVERIFY(dialog.isVisible());
    QCOMPARE(Stored("-X"), -1); // nothing stored while it stays open
}

void TestQuorixDialog::shownAgainStoresItsNewPlace()
{
    FormDialog dialog;
    dialog.show();
    dialog.move(100, 110);
    dialog.reject();
    QCOMPARE(Stored("-X"), 100);
    dialog.show();
    dialog.move(300, 310);
    dialog.reject();
    QCOMPARE(Stored("-X"), 300);
    QCOMPARE(Stored("-Y"), 310);
}

void TestQuorixDialog::sizeIsKeptOnlyWhenAsked_data()
{
    QTest::addColumn<bool>("keepSize");
    QTest::addColumn<QSize>("stored");
    QTest::addColumn<QSize>("expected");   // 0 x 0: the form's own size; -1 x -1: the screen's
    QTest::newRow("position only: the form's own size") << false << QSize(500, 400) << QSize(0, 0);
    QTest::newRow("position and size") << true << QSize(500, 400) << QSize(500, 400);
    QTest::newRow("never larger than the screen") << true << QSize(100000, 100000) << QSize(-1, -1);
}

void TestQuorixDialog::sizeIsKeptOnlyWhenAsked()
{
    QFETCH(bool, keepSize);
    QFETCH(QSize, stored);
    QFETCH(QSize, expected);
    Store(40, 50, stored.width(), stored.height());
    const auto placement = keepSize ? TQuorixDialog::Placement::PositionAndSize : TQuorixDialog::Placement::Position;
    FormDialog dialog(QStringLiteral("x.html"), placement);
    if (expected == QSize(0, 0))
        expected = FormDialog(QStringLiteral("x.html")).size();
    else if (expected == QSize(-1, -1))
        expected = Screen().size();
    QCOMPARE(dialog.size(), expected);
    QCOMPARE(dialog.pos(), QPoint(40, 50));

    IniFile settings(DataFilePath(dfSettings));
    settings.SetAutoSave(false);
    settings.DeleteKey(kSizes, QStringLiteral("TestForm-W"));
    settings.DeleteKey(kSizes, QStringLiteral("TestForm-H"));
    QVERIFY(settings.UpdateFile());
    dialog.show();
    dialog.resize(dialog.minimumWidth() + 33, dialog.minimumHeight() + 44);
    dialog.reject();
    QCOMPARE(Stored("-W"), keepSize ? dialog.minimumWidth() + 33 : -1);
    QCOMPARE(Stored("-H"), keepSize ? dialog.minimumHeight() + 44 : -1);
}

void TestQuorixDialog::f1AsksForTheTopic_data()
{
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("focus");   // where the key goes: "field", "button" or the dialog itself
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("asked");
    const QString topic = QStringLiteral("settings_test.html");
    QTest::newRow("F1 in a field") << topic << "field" << int(Qt::NoModifier) << true;
    QTest::newRow("F1 on a button") << topic << "button" << int(Qt::NoModifier) << true;
    QTest::newRow("F1 on the dialog") << topic << "dialog" << int(Qt::NoModifier) << true;
    QTest::newRow("Shift+F1") << topic << "field" << int(Qt::ShiftModifier) << false;
    QTest::newRow("Ctrl+F1") << topic << "button" << int(Qt::ControlModifier) << false;
    QTest::newRow("Alt+F1") << topic << "dialog" << int(Qt::AltModifier) << false;
    QTest::newRow("Win+F1") << topic << "field" << int(Qt::MetaModifier) << false;
    QTest::newRow("a dialog without a topic") << "" << "field" << int(Qt::NoModifier) << false;
}

void TestQuorixDialog::f1AsksForTheTopic()
{
    QFETCH(QString, topic);
    QFETCH(QString, focus);
    QFETCH(int, modifiers);
    QFETCH(bool, asked);
    FormDialog dialog(topic);
    QSignalSpy bar(&BarRequests::Instance(), &BarRequests::HelpRequested);
    QSignalSpy own(&dialog, &TQuorixDialog::HelpRequested);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QWidget *target = focus == QLatin1String("field")    ? static_cast<QWidget *>(dialog.Edit1)
                      : focus == QLatin1String("button") ? static_cast<QWidget *>(dialog.Named("Button2"))
                                                         : static_cast<QWidget *>(&dialog);
    QTest::keyClick(target, Qt::Key_F1, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(bar.size(), asked ? 1 : 0);
    QCOMPARE(own.size(), asked ? 1 : 0);
    if (asked) {
        QCOMPARE(bar.first().first().toString(), topic);
        QCOMPARE(own.first().first().toString(), topic);
    }
    QVERIFY(dialog.isVisible());
}

void TestQuorixDialog::f1HeldDownAsksOnce()
{
    FormDialog dialog;
    QSignalSpy own(&dialog, &TQuorixDialog::HelpRequested);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // The keyboard repeats a held key as releases and presses; the last release is the real one.
    auto send = [&dialog](QEvent::Type type, bool repeat) {
        QKeyEvent key(type, Qt::Key_F1, Qt::NoModifier, QString(), repeat);
        QApplication::sendEvent(dialog.Edit1, &key);
    };
    send(QEvent::KeyPress, false);
    for (int i = 0; i < 3; ++i) {
        send(QEvent::KeyRelease, true);
        send(QEvent::KeyPress, true);
    }
    QCOMPARE(own.size(), 0);
    send(QEvent::KeyRelease, false);
    QCOMPARE(own.size(), 1);
}

void TestQuorixDialog::buttonBoxIsNamedByTheForm_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QString>("defaultButton");
    QTest::newRow("OK, Cancel, Help: OK is the default")
        << int(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help) << "Button1";
    QTest::newRow("Cancel alone: Cancel is the default") << int(QDialogButtonBox::Cancel) << "Button2";
    QTest::newRow("Help and Close: Close is the default")
        << int(QDialogButtonBox::Help | QDialogButtonBox::Close) << "Button4";
}

void TestQuorixDialog::buttonBoxIsNamedByTheForm()
{
    QFETCH(int, buttons);
    QFETCH(QString, defaultButton);
    const auto standard = QDialogButtonBox::StandardButtons(buttons);
    FormDialog dialog(QStringLiteral("settings_test.html"), TQuorixDialog::Placement::Position, standard);
    const QList<QPushButton *> named = dialog.findChildren<QPushButton *>();
    QCOMPARE(named.size(), qPopulationCount(uint(buttons)));
    for (QPushButton *button : named) {
        QVERIFY2(!button->objectName().isEmpty(), qPrintable(button->text()));
        QCOMPARE(button->isDefault(), button->objectName() == defaultButton);
    }
    if (QPushButton *help = dialog.Named("Button3")) {
        QCOMPARE(help->text(), QStringLiteral("Help"));
        QSignalSpy bar(&BarRequests::Instance(), &BarRequests::HelpRequested);
        dialog.show();
        help->click();
        QCOMPARE(bar.size(), 1);
        QCOMPARE(bar.first().first().toString(), QStringLiteral("settings_test.html"));
        QVERIFY(dialog.isVisible()); // help leaves the dialog open
    }
    if (QPushButton *close = dialog.Named("Button4")) {
        QCOMPARE(close->text(), QStringLiteral("Close"));
        dialog.show();
        close->click();
        QVERIFY(!dialog.isVisible());
    }
}

QTEST_MAIN(TestQuorixDialog)
#include "tst_quorixdialog.moc"
