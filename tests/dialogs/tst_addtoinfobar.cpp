// The info bar object editor and the object list it writes into: the objects offered, when "OK"
// may be pressed, the messages for bad input in the order the user meets them, what a new or an
// edited line holds, the remembered position, and the list's round trip through settings.ini.
#include "foundation/datafiles.h"
#include "base/inifile.h"
#include "foundation/messages.h"
#include "controls/tbedit.h"
#include "dialogs/infobarobjectlist.h"
#include "dialogs/taddtoinfobar.h"
#include "dialogs/tsettingslistitem.h"
#include "platform/fake/fakesystemsource.h"
#include "platform/scopedservice.h"
#include "testenv.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

namespace {

struct Editor
{
    TAddToInfoBar dialog;
    QComboBox *objects;
    TBEdit *interval;
    TBEdit *prefix;
    QPushButton *ok;

    Editor(QTreeWidget *list, int row)
        : dialog(list, row),
          objects(dialog.findChild<QComboBox *>(QStringLiteral("ComboBox1"))),
          interval(dialog.findChild<TBEdit *>(QStringLiteral("BEdit1"))),
          prefix(dialog.findChild<TBEdit *>(QStringLiteral("BEdit2"))),
          ok(dialog.findChild<QPushButton *>(QStringLiteral("Button2")))
    {
    }

    // Picks an object the way the user does.
    void Pick(const QString &caption)
    {
        const int index = objects->findText(caption);
        objects->setCurrentIndex(index);
        Q_EMIT objects->activated(index);
    }
};

QStringList Captions(const QComboBox *box)
{
    QStringList captions;
    for (int i = 0; i < box->count(); ++i)
        captions.append(box->itemText(i));
    return captions;
}

} // namespace

class TestAddToInfoBar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void offersFixedDrivesOnly();
    void okEnabled_data();
    void okEnabled();
    void messagesInOrder();
    void rejectedInterval_data();
    void rejectedInterval();
    void defaultPrefix_data();
    void defaultPrefix();
    void newObjectAppendsTickedLine();
    void editPresetsAndRewritesLine();
    void editOfVanishedDiskPresetsNothing();
    void editedIntervalLimits_data();
    void editedIntervalLimits();
    void arrowsStepTheInterval();
    void f1AsksForHelp();
    void positionRemembered();

    void listRoundTrip();
    void copiedLineCopiesRecord();

private:
    TestHome *m_home = nullptr;
    FakeSystemSource *m_machine = nullptr;
    ScopedService<SystemSource> *m_useMachine = nullptr;
    QStringList m_messages;
    QTreeWidget *m_list = nullptr;
};

void TestAddToInfoBar::init()
{
    m_home = new TestHome;
    m_machine = new FakeSystemSource;
    m_machine->drives = {FakeSystemSource::MakeDrive('D', QStringLiteral("/data/")),
                         FakeSystemSource::MakeDrive('C', QStringLiteral("/")),
                         FakeSystemSource::MakeDrive('E', QString(), DriveType::CdRom),
                         FakeSystemSource::MakeDrive('F', QStringLiteral("/net/"), DriveType::Remote)};
    m_useMachine = new ScopedService<SystemSource>(*m_machine);
    m_messages.clear();
    SetMessageResponder([this](const MessageRequest &request) {
        m_messages.append(request.text);
        return 0;
    });
    m_list = new QTreeWidget;
    PrepareInfoBarObjectList(m_list);
}

void TestAddToInfoBar::cleanup()
{
    delete m_list;
    SetMessageResponder({});
    delete m_useMachine;
    delete m_machine;
    delete m_home;
}

void TestAddToInfoBar::offersFixedDrivesOnly()
{
    Editor editor(m_list, -1);
    QCOMPARE(Captions(editor.objects),
             (QStringList{"CPU Usage", "RAM Usage", "Power Usage", "Harddisc Usage (C)",
                          "Harddisc Usage (D)"}));
    QCOMPARE(editor.objects->currentIndex(), -1);
    QCOMPARE(editor.interval->text(), QStringLiteral("15"));
    QVERIFY(!editor.ok->isEnabled());
    QCOMPARE(editor.dialog.windowTitle(), QStringLiteral("Add to InfoBar"));
}

void TestAddToInfoBar::okEnabled_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("interval");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("complete") << "RAM Usage" << "5" << "RAM:" << true;
    QTest::newRow("no object") << "" << "5" << "RAM:" << false;
    QTest::newRow("interval empty") << "RAM Usage" << "" << "RAM:" << false;
    QTest::newRow("interval 0") << "RAM Usage" << "0" << "RAM:" << false;
    QTest::newRow("interval 00") << "RAM Usage" << "00" << "RAM:" << true;
    QTest::newRow("prefix empty") << "Power Usage" << "5" << "" << false;
}

void TestAddToInfoBar::okEnabled()
{
    QFETCH(QString, object);
    QFETCH(QString, interval);
    QFETCH(QString, prefix);
    QFETCH(bool, enabled);
    Editor editor(m_list, -1);
    editor.objects->setCurrentIndex(editor.objects->findText(object));
    editor.interval->setText(interval);
    editor.prefix->setText(prefix);
    QCOMPARE(editor.ok->isEnabled(), enabled);
}

void TestAddToInfoBar::messagesInOrder()
{
    Editor editor(m_list, -1);
    editor.interval->setText(QStringLiteral("00"));
    editor.dialog.Button2Click();
    editor.Pick(QStringLiteral("CPU Usage"));
    editor.dialog.Button2Click();
    editor.interval->setText(QStringLiteral("7"));
    editor.dialog.Button2Click();
    QCOMPARE(m_messages, (QStringList{"Error\r\rNo object selected",
                                      "Error\r\rNot valid refresh interval"}));
    QCOMPARE(editor.dialog.result(), int(QDialog::Accepted));
    QCOMPARE(m_list->topLevelItemCount(), 1);
}

void TestAddToInfoBar::rejectedInterval_data()
{
    QTest::addColumn<QString>("interval");
    QTest::newRow("zeros") << "00";
    QTest::newRow("negative") << "-5";
    QTest::newRow("blank inside") << "1 2";
    QTest::newRow("empty") << "";
}

void TestAddToInfoBar::rejectedInterval()
{
    QFETCH(QString, interval);
    Editor editor(m_list, -1);
    editor.Pick(QStringLiteral("RAM Usage"));
    editor.interval->setText(interval);
    editor.dialog.Button2Click();
    QCOMPARE(m_messages, QStringList{"Error\r\rNot valid refresh interval"});
    QCOMPARE(m_list->topLevelItemCount(), 0);
}

void TestAddToInfoBar::defaultPrefix_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("cpu") << "CPU Usage" << "" << "CPU:";
    QTest::newRow("ram") << "RAM Usage" << "" << "RAM:";
    QTest::newRow("power") << "Power Usage" << "" << "Power:";
    QTest::newRow("disk") << "Harddisc Usage (D)" << "" << "HDD D:";
    QTest::newRow("typed prefix kept") << "CPU Usage" << "Load" << "Load";
}

void TestAddToInfoBar::defaultPrefix()
{
    QFETCH(QString, object);
    QFETCH(QString, typed);
    QFETCH(QString, prefix);
    Editor editor(m_list, -1);
    editor.prefix->setText(typed);
    editor.Pick(object);
    QCOMPARE(editor.prefix->text(), prefix);
    QVERIFY(editor.ok->isEnabled());
}

void TestAddToInfoBar::newObjectAppendsTickedLine()
{
    AddInfoBarObjectLine(m_list, QStringLiteral("object:\"0\"; prefix:\"CPU:\"; interval:\"1\"; active:\"0\";"));
    Editor editor(m_list, -1);
    editor.Pick(QStringLiteral("Harddisc Usage (D)"));
    editor.interval->setText(QStringLiteral("30"));
    QTest::mouseClick(editor.ok, Qt::LeftButton);
    QCOMPARE(editor.dialog.result(), int(QDialog::Accepted));
    QCOMPARE(m_list->topLevelItemCount(), 2);
    auto *line = dynamic_cast<TSettingsListItem *>(m_list->topLevelItem(1));
    QVERIFY(line);
    QCOMPARE(line->text(0), QStringLiteral("Harddisc Usage (D)"));
    QCOMPARE(line->text(1), QStringLiteral("HDD D:"));
    QCOMPARE(line->text(2), QStringLiteral("30"));
    QCOMPARE(line->checkState(0), Qt::Checked);
    QCOMPARE(FormatNamedValues(line->Values),
             QStringLiteral("object:\"D\"; prefix:\"HDD D:\"; interval:\"30\"; active:\"1\";"));
    QCOMPARE(m_list->topLevelItem(0)->checkState(0), Qt::Unchecked);
}

void TestAddToInfoBar::editPresetsAndRewritesLine()
{
    AddInfoBarObjectLine(m_list, QStringLiteral("object:\"1\"; prefix:\"Mem\"; interval:\"45\"; active:\"0\"; note:\"mine\";"));
    Editor editor(m_list, 0);
    editor.dialog.show();
    QCOMPARE(editor.objects->currentText(), QStringLiteral("RAM Usage"));
    QCOMPARE(editor.interval->text(), QStringLiteral("45"));
    QCOMPARE(editor.dialog.UpDown1Position(), 45);
    QCOMPARE(editor.prefix->text(), QStringLiteral("Mem"));
    QVERIFY(editor.ok->isEnabled());

    editor.Pick(QStringLiteral("CPU Usage"));
    QCOMPARE(editor.prefix->text(), QStringLiteral("Mem")); // a prefix is never replaced
    editor.interval->setText(QStringLiteral("2"));
    editor.dialog.Button2Click();
    QCOMPARE(m_list->topLevelItemCount(), 1);
    auto *line = dynamic_cast<TSettingsListItem *>(m_list->topLevelItem(0));
    QCOMPARE(line->text(0), QStringLiteral("CPU Usage"));
    QCOMPARE(line->checkState(0), Qt::Checked);
    QCOMPARE(FormatNamedValues(line->Values),
             QStringLiteral("object:\"0\"; prefix:\"Mem\"; interval:\"2\"; active:\"1\"; note:\"mine\";"));
}

void TestAddToInfoBar::editOfVanishedDiskPresetsNothing()
{
    AddInfoBarObjectLine(m_list, QStringLiteral("object:\"Q\"; prefix:\"Q:\"; interval:\"60\"; active:\"1\";"));
    QCOMPARE(m_list->topLevelItem(0)->text(0), QStringLiteral("Harddisc Usage (Q)"));
    Editor editor(m_list, 0);
    editor.dialog.show();
    QCOMPARE(editor.objects->currentIndex(), -1);
    QCOMPARE(editor.interval->text(), QStringLiteral("15"));
    QVERIFY(editor.prefix->text().isEmpty());
    QVERIFY(!editor.ok->isEnabled());
}

void TestAddToInfoBar::editedIntervalLimits_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("missing") << "" << "15";
    QTest::newRow("not a number") << "often" << "15";
    QTest::newRow("above the arrows' range") << "20000" << "9999";
    QTest::newRow("zero") << "0" << "1";
}

void TestAddToInfoBar::editedIntervalLimits()
{
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    NamedValueList values;
    values.SetValue(QStringLiteral("object"), QStringLiteral("2"));
    values.SetValue(QStringLiteral("prefix"), QStringLiteral("P"));
    values.SetValue(QStringLiteral("interval"), stored);
    AddInfoBarObjectLine(m_list, FormatNamedValues(values));
    Editor editor(m_list, 0);
    editor.dialog.show();
    QCOMPARE(editor.interval->text(), shown);
}

void TestAddToInfoBar::arrowsStepTheInterval()
{
    Editor editor(m_list, -1);
    auto arrows = editor.dialog.findChild<QWidget *>(QStringLiteral("UpDown1"))
                      ->findChildren<QToolButton *>();
    QCOMPARE(arrows.size(), 2);
    arrows[0]->click();
    QCOMPARE(editor.interval->text(), QStringLiteral("16"));
    editor.interval->setText(QStringLiteral("9999"));
    arrows[0]->click();
    QCOMPARE(editor.interval->text(), QStringLiteral("9999"));
    editor.interval->setText(QStringLiteral("1"));
    arrows[1]->click();
    QCOMPARE(editor.interval->text(), QStringLiteral("1"));
    QTest::keyClick(editor.interval, Qt::Key_Up);
    QCOMPARE(editor.interval->text(), QStringLiteral("2"));
}

void TestAddToInfoBar::f1AsksForHelp()
{
    Editor editor(m_list, -1);
    QSignalSpy help(&editor.dialog, &TAddToInfoBar::HelpRequested);
    QTest::keyRelease(&editor.dialog, Qt::Key_F1, Qt::ShiftModifier);
    QTest::keyRelease(&editor.dialog, Qt::Key_F1);
    QCOMPARE(help.size(), 1);
    QCOMPARE(help.at(0).at(0).toString(), QStringLiteral("settings_infobar.html"));
}

void TestAddToInfoBar::positionRemembered()
{
    {
        Editor editor(m_list, -1);
        editor.dialog.move(300, 200);
        editor.dialog.reject();
    }
    IniFile settings(DataFilePath(dfSettings));
    QCOMPARE(settings.ReadInteger(QStringLiteral("sizes"), QStringLiteral("AddToInfoBar-X"), 0), 300);
    QCOMPARE(settings.ReadInteger(QStringLiteral("sizes"), QStringLiteral("AddToInfoBar-Y"), 0), 200);
    Editor again(m_list, -1);
    QCOMPARE(again.dialog.pos(), QPoint(300, 200));
}

void TestAddToInfoBar::listRoundTrip()
{
    IniFile settings(DataFilePath(dfSettings));
    settings.SetAutoSave(false);
    settings.WriteString(QStringLiteral("infobar-objects"), QStringLiteral("progress0005"),
                         QStringLiteral("object:\"C\"; prefix:\"C:\"; active:\"1\";"));
    settings.WriteString(QStringLiteral("infobar-objects"), QStringLiteral("progress0001"),
                         QStringLiteral("object:\"0\"; prefix:\"CPU:\"; interval:\"2\"; active:\"0\";"));
    LoadInfoBarObjects(m_list, settings);
    QCOMPARE(m_list->topLevelItemCount(), 2);
    QCOMPARE(m_list->topLevelItem(0)->text(0), QStringLiteral("Harddisc Usage (C)"));
    QCOMPARE(m_list->topLevelItem(0)->text(2), QStringLiteral("15"));
    QCOMPARE(m_list->topLevelItem(0)->checkState(0), Qt::Checked);
    QCOMPARE(m_list->topLevelItem(1)->text(0), QStringLiteral("CPU Usage"));
    QCOMPARE(m_list->topLevelItem(1)->checkState(0), Qt::Unchecked);

    m_list->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    m_list->topLevelItem(1)->setCheckState(0, Qt::Checked);
    SaveInfoBarObjects(m_list, settings);
    QCOMPARE(settings.Keys(QStringLiteral("infobar-objects")),
             (QStringList{"progress0000", "progress0001"}));
    QCOMPARE(settings.ReadString(QStringLiteral("infobar-objects"), QStringLiteral("progress0000")),
             QStringLiteral("object:\"C\"; prefix:\"C:\"; active:\"0\";"));
    QCOMPARE(settings.ReadString(QStringLiteral("infobar-objects"), QStringLiteral("progress0001")),
             QStringLiteral("object:\"0\"; prefix:\"CPU:\"; interval:\"2\"; active:\"1\";"));
}

void TestAddToInfoBar::copiedLineCopiesRecord()
{
    TSettingsListItem *line = AddInfoBarObjectLine(m_list, QStringLiteral("object:\"1\"; prefix:\"R\"; active:\"1\";"));
    std::unique_ptr<QTreeWidgetItem> copy(line->clone());
    auto *copied = dynamic_cast<TSettingsListItem *>(copy.get());
    QVERIFY(copied);
    QCOMPARE(copied->Values, line->Values);
    QCOMPARE(copied->text(0), QStringLiteral("RAM Usage"));
    line->Values.SetValue(QStringLiteral("prefix"), QStringLiteral("changed"));
    QCOMPARE(copied->Values.Value(QStringLiteral("prefix")), QStringLiteral("R"));
}

QTEST_MAIN(TestAddToInfoBar)
#include "tst_addtoinfobar.moc"
