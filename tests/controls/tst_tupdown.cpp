// The arrows beside a number field: they step the number the field holds and keep it inside the
// range, a field without a number is stepped from the last position, and the arrow keys in the
// field step it too.
#include "controls/tbedit.h"
#include "controls/tupdown.h"

#include <QSignalSpy>
#include <QTest>

class TestTUpDown : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void stepsFromTheFieldsText_data();
    void stepsFromTheFieldsText();
    void arrowKeysInTheFieldStep();
    void fieldTakesDigitsOnly();
    void disablingTheArrowsDisablesTheField();
};

void TestTUpDown::stepsFromTheFieldsText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("delta");
    QTest::addColumn<QString>("after");
    // Range 1 to 999, last position 10.
    QTest::newRow("up from the typed number") << "41" << +1 << "42";
    QTest::newRow("down from the typed number") << "41" << -1 << "40";
    QTest::newRow("not below the minimum") << "1" << -1 << "1";
    QTest::newRow("typed below the minimum") << "0" << -1 << "1";
    QTest::newRow("not above the maximum") << "999" << +1 << "999";
    QTest::newRow("empty: from the last position") << "" << +1 << "11";
}

void TestTUpDown::stepsFromTheFieldsText()
{
    QFETCH(QString, text);
    QFETCH(int, delta);
    QFETCH(QString, after);
    TBEdit field;
    TUpDown arrows;
    arrows.SetAssociate(&field, 3);
    arrows.SetRange(1, 999);
    arrows.SetPosition(10);
    field.setText(text);
    QSignalSpy changing(&arrows, &TUpDown::Changing);
    arrows.Step(delta);
    QCOMPARE(field.text(), after);
    QCOMPARE(arrows.Position(), after.toInt());
    QCOMPARE(changing.size(), 1);
}

void TestTUpDown::arrowKeysInTheFieldStep()
{
    TBEdit field;
    TUpDown arrows;
    arrows.SetAssociate(&field, 2);
    arrows.SetRange(0, 99);
    arrows.SetPosition(5);
    QTest::keyClick(&field, Qt::Key_Up);
    QTest::keyClick(&field, Qt::Key_Up);
    QTest::keyClick(&field, Qt::Key_Down);
    QCOMPARE(field.text(), QStringLiteral("6"));
}

void TestTUpDown::fieldTakesDigitsOnly()
{
    TBEdit field;
    TUpDown arrows;
    arrows.SetAssociate(&field, 4);
    arrows.SetRange(1, 9999);
    QTest::keyClicks(&field, QStringLiteral("1a2-3.45"));
    QCOMPARE(field.text(), QStringLiteral("1234"));
    // Typing moves the position along.
    QCOMPARE(arrows.Position(), 1234);
}

void TestTUpDown::disablingTheArrowsDisablesTheField()
{
    QWidget form;
    auto *field = new TBEdit(&form);
    auto *arrows = new TUpDown(&form);
    arrows->SetAssociate(field, 3);
    arrows->setEnabled(false);
    QVERIFY(!field->isEnabled());
    arrows->setEnabled(true);
    QVERIFY(field->isEnabled());
}

QTEST_MAIN(TestTUpDown)
#include "tst_tupdown.moc"
