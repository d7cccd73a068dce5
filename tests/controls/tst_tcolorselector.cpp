// The colour selector and its drop-down: the pixels of both faces, the cells, the custom swatch
// and the "&Other..." button, the input rules, and OnChangeColor only on a real change.
#include "controls/tcolorform.h"
#include "controls/tcolorselector.h"

#include <QApplication>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

namespace {

constexpr quint32 kHighlightValue = 0xFF00000Du; // a desktop colour: the highlight colour
const QColor kHighlightPainted(10, 36, 106);

QColor Pixel(const QImage &image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

QColor Role(const QWidget &widget, QPalette::ColorRole role)
{
    return QColor(widget.palette().color(QPalette::Active, role).rgb());
}

// Plain colours as themselves, the highlight colour as a fixed blue.
QColor TestResolver(quint32 value)
{
    if (value == kHighlightValue)
        return kHighlightPainted;
    return PlainColorOnly(value);
}

QPoint CellCentre(int cell)
{
    return TColorForm::CellRect(cell).center();
}

void PressAt(QWidget *widget, const QPoint &point)
{
    QTest::mousePress(widget, Qt::LeftButton, {}, point);
}

} // namespace

class TestColorSelector : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();

    void startsBlackAt42By21AsATabStop();
    void normalFace_data();
    void normalFace();
    void pushedFace_data();
    void pushedFace();
    void focusFrameFollowsTheState();
    void colourFromCodeRepaintsWithoutReporting();

    void dropDownOpensUnderTheSelector();
    void dropDownCells_data();
    void dropDownCells();
    void cellFramesAndHotFrame();
    void customSwatchAndNarrowOtherButton_data();
    void customSwatchAndNarrowOtherButton();
    void pointerFindsCells_data();
    void pointerFindsCells();

    void changeReportedOnlyOnARealChange();
    void otherButtonAsksTheColourDialog_data();
    void otherButtonAsksTheColourDialog();
    void spaceHeldShowsPushedAndReleaseOpens();
    void enterOpens();
    void mousePushesOnlyWhileInside();
    void dropDownClosesOnAClickElsewhereAndEscape();
    void arrowsAndEnterChooseInTheDropDown();
};

void TestColorSelector::cleanup()
{
    TColorForm::SetColorDialogRunner({});
}

void TestColorSelector::startsBlackAt42By21AsATabStop()
{
    TColorSelector selector;
    QCOMPARE(selector.Color(), 0u);
    QCOMPARE(selector.size(), QSize(42, 21));
    QCOMPARE(selector.sizeHint(), QSize(42, 21));
    QVERIFY(selector.focusPolicy() & Qt::TabFocus);
}

// Points of the 42 by 21 face: the etched line at x = 31, the swatch frame (5, 4)-(27, 17), its
// fill, the triangle at (33, 9), the raised edge.
void TestColorSelector::normalFace_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("expected"); // a palette role or a fixed colour

    QTest::newRow("edge top-left light") << QPoint(0, 0) << "Light";
    QTest::newRow("edge inner top-left midlight") << QPoint(1, 1) << "Midlight";
    QTest::newRow("edge bottom-right shadow") << QPoint(41, 20) << "Shadow";
    QTest::newRow("edge inner bottom-right dark") << QPoint(40, 19) << "Dark";
    QTest::newRow("face") << QPoint(3, 10) << "Button";
    QTest::newRow("etched line dark top") << QPoint(31, 3) << "Dark";
    QTest::newRow("etched line dark bottom") << QPoint(31, 17) << "Dark";
    QTest::newRow("etched line light") << QPoint(32, 10) << "Light";
    QTest::newRow("above the etched line") << QPoint(31, 2) << "Button";
    QTest::newRow("below the etched line") << QPoint(31, 18) << "Button";
    QTest::newRow("swatch frame top-left") << QPoint(5, 4) << "black";
    QTest::newRow("swatch frame bottom-right") << QPoint(26, 16) << "black";
    QTest::newRow("swatch fill top-left") << QPoint(6, 5) << "colour";
    QTest::newRow("swatch fill bottom-right") << QPoint(25, 15) << "colour";
    QTest::newRow("right of the swatch") << QPoint(27, 10) << "Button";
    QTest::newRow("triangle top left") << QPoint(33, 9) << "black";
    QTest::newRow("triangle top right") << QPoint(37, 9) << "black";
    QTest::newRow("triangle middle") << QPoint(34, 10) << "black";
    QTest::newRow("triangle beside middle") << QPoint(33, 10) << "Button";
    QTest::newRow("triangle tip") << QPoint(35, 11) << "black";
    QTest::newRow("below the tip") << QPoint(35, 12) << "Button";
}

QColor Expected(const QWidget &widget, const QString &expected, const QColor &colour)
{
    if (expected == QLatin1String("black"))
        return Qt::black;
    if (expected == QLatin1String("colour"))
        return colour;
    static const QHash<QString, QPalette::ColorRole> roles = {
        {QStringLiteral("Light"), QPalette::Light},   {QStringLiteral("Midlight"), QPalette::Midlight},
        {QStringLiteral("Dark"), QPalette::Dark},     {QStringLiteral("Shadow"), QPalette::Shadow},
        {QStringLiteral("Button"), QPalette::Button}, {QStringLiteral("ButtonText"), QPalette::ButtonText},
    };
    return Role(widget, roles.value(expected));
}

void TestColorSelector::normalFace()
{
    QFETCH(QPoint, point);
    QFETCH(QString, expected);
    TColorSelector selector;
    selector.SetColor(PlainColorValue(200, 30, 60));
    const QImage face = selector.grab().toImage();
    QCOMPARE(Pixel(face, point.x(), point.y()), Expected(selector, expected, QColor(200, 30, 60)));
}

// Pushed, the edge is sunken and the rest one pixel right and down: the line at x = 32, the frame
// (6, 5)-(28, 18), the triangle at (34, 10).
void TestColorSelector::pushedFace_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("expected");

    QTest::newRow("edge top-left dark") << QPoint(0, 0) << "Dark";
    QTest::newRow("edge inner top-left shadow") << QPoint(1, 1) << "Shadow";
    QTest::newRow("edge bottom-right light") << QPoint(41, 20) << "Light";
    QTest::newRow("edge inner bottom-right midlight") << QPoint(40, 19) << "Midlight";
    QTest::newRow("etched line dark top") << QPoint(32, 4) << "Dark";
    QTest::newRow("etched line dark bottom") << QPoint(32, 18) << "Dark";
    QTest::newRow("etched line light") << QPoint(33, 10) << "Light";
    QTest::newRow("where the normal line was") << QPoint(31, 10) << "Button";
    QTest::newRow("swatch frame top-left") << QPoint(6, 5) << "black";
    QTest::newRow("swatch frame bottom-right") << QPoint(27, 17) << "black";
    QTest::newRow("where the normal frame was") << QPoint(5, 4) << "Button";
    QTest::newRow("swatch fill top-left") << QPoint(7, 6) << "colour";
    QTest::newRow("swatch fill bottom-right") << QPoint(26, 16) << "colour";
    QTest::newRow("triangle top left") << QPoint(34, 10) << "black";
    QTest::newRow("triangle top right") << QPoint(38, 10) << "black";
    QTest::newRow("triangle tip") << QPoint(36, 12) << "black";
    QTest::newRow("above the triangle") << QPoint(34, 9) << "Button";
}

void TestColorSelector::pushedFace()
{
    QFETCH(QPoint, point);
    QFETCH(QString, expected);
    TColorSelector selector;
    selector.SetColor(PlainColorValue(200, 30, 60));
    selector.show();
    QVERIFY(QTest::qWaitForWindowExposed(&selector));
    selector.clearFocus(); // the focus frame would cover some of the points
    QTest::keyPress(&selector, Qt::Key_Space);
    QVERIFY(selector.IsPushed());
    const QImage face = selector.grab().toImage();
    QCOMPARE(Pixel(face, point.x(), point.y()), Expected(selector, expected, QColor(200, 30, 60)));
}

// The dotted focus frame: inset by three pixels, at (4, 4)-(40, 19) while pushed.
void TestColorSelector::focusFrameFollowsTheState()
{
    QWidget window;
    auto *selector = new TColorSelector(&window);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    selector->setFocus();
    QTRY_VERIFY(selector->hasFocus());

    QImage face = selector->grab().toImage();
    QCOMPARE(Pixel(face, 3, 3), Role(*selector, QPalette::ButtonText));
    QCOMPARE(Pixel(face, 4, 3), Role(*selector, QPalette::Button));
    QCOMPARE(Pixel(face, 37, 17), Role(*selector, QPalette::ButtonText));
    QCOMPARE(Pixel(face, 38, 16), Role(*selector, QPalette::ButtonText));

    QTest::keyPress(selector, Qt::Key_Space);
    face = selector->grab().toImage();
    QCOMPARE(Pixel(face, 4, 4), Role(*selector, QPalette::ButtonText));
    QCOMPARE(Pixel(face, 3, 3), Role(*selector, QPalette::Button));
    QTest::keyRelease(selector, Qt::Key_Space);
    QVERIFY(selector->DropDown());
    selector->DropDown()->close();
}

void TestColorSelector::colourFromCodeRepaintsWithoutReporting()
{
    TColorSelector selector;
    selector.SetColorResolver(TestResolver);
    QSignalSpy changes(&selector, &TColorSelector::OnChangeColor);
    selector.SetColor(kHighlightValue);
    QCOMPARE(selector.Color(), kHighlightValue);
    QCOMPARE(Pixel(selector.grab().toImage(), 10, 10), kHighlightPainted);
    selector.SetColor(PlainColorValue(0, 255, 0));
    QCOMPARE(Pixel(selector.grab().toImage(), 10, 10), QColor(0, 255, 0));
    QCOMPARE(changes.count(), 0);
}

void TestColorSelector::dropDownOpensUnderTheSelector()
{
    QWidget window;
    auto *selector = new TColorSelector(&window);
    selector->move(20, 30);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(selector, &TColorSelector::clicked);
    QTest::mouseClick(selector, Qt::LeftButton, {}, QPoint(10, 10));
    TColorForm *form = selector->DropDown();
    QVERIFY(form);
    QCOMPARE(clicks.count(), 1);
    QVERIFY(form->isVisible());
    QVERIFY(form->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(form->size(), QSize(78, 120));
    QCOMPARE(form->pos(), selector->mapToGlobal(QPoint(0, selector->height())));
    form->close();
}

// Each cell's colour fills the 12 by 12 pixels inside its frame.
void TestColorSelector::dropDownCells_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<QColor>("colour");
    const QColor colours[20] = {
        {255, 255, 255}, {0, 0, 0},       {192, 192, 192}, {128, 128, 128},
        {255, 0, 0},     {128, 0, 0},     {255, 255, 0},   {128, 128, 0},
        {0, 255, 0},     {0, 128, 0},     {0, 255, 255},   {0, 128, 128},
        {0, 0, 255},     {0, 0, 128},     {255, 0, 255},   {128, 0, 128},
        {192, 220, 192}, {166, 202, 240}, {255, 251, 240}, {160, 160, 164},
    };
    for (int cell = 0; cell < 20; ++cell)
        QTest::addRow("row %d column %d", cell / 4 + 1, cell % 4 + 1) << cell << colours[cell];
}

void TestColorSelector::dropDownCells()
{
    QFETCH(int, cell);
    QFETCH(QColor, colour);
    TColorForm form(nullptr);
    form.Setup(PlainColorValue(1, 2, 3), TestResolver, {});
    const QImage image = form.grab().toImage();
    const QRect rect = TColorForm::CellRect(cell);
    QCOMPARE(rect.size(), QSize(16, 16));
    QCOMPARE(rect.topLeft(), QPoint(18 * (cell % 4 + 1) - 14, 18 * (cell / 4 + 1) - 14));
    QCOMPARE(Pixel(image, rect.left() + 2, rect.top() + 2), colour);
    QCOMPARE(Pixel(image, rect.right() - 2, rect.bottom() - 2), colour);
    QCOMPARE(Pixel(image, rect.left() + 1, rect.top() + 1), QColor(0, 0, 0)); // the frame's inner ring
}

// The sunken frame of a cell, and the highlight frame of the current colour's cell.
void TestColorSelector::cellFramesAndHotFrame()
{
    TColorForm form(nullptr);
    form.Setup(PlainColorValue(0, 0, 0), TestResolver, {}); // black: row 1, column 2
    QCOMPARE(form.HotCell(), 1);
    QVERIFY(!form.ShowsCustomSwatch());
    const QImage image = form.grab().toImage();

    const QRect plain = TColorForm::CellRect(5); // (22, 22)-(38, 38)
    QCOMPARE(Pixel(image, plain.left(), plain.top()), QColor(128, 128, 128));
    QCOMPARE(Pixel(image, plain.left() + 1, plain.top() + 1), QColor(0, 0, 0));
    QCOMPARE(Pixel(image, plain.right(), plain.bottom()), QColor(255, 255, 255));
    QCOMPARE(Pixel(image, plain.right() - 1, plain.bottom() - 1), QColor(223, 223, 223));

    const QRect hot = TColorForm::CellRect(1); // (22, 4)-(38, 20)
    QCOMPARE(Pixel(image, hot.left() - 1, hot.top() - 1), QColor(0, 0, 0));
    QCOMPARE(Pixel(image, hot.left(), hot.top()), QColor(255, 255, 255));
    QCOMPARE(Pixel(image, hot.right(), hot.bottom()), QColor(255, 255, 255));
    QCOMPARE(Pixel(image, hot.left() + 1, hot.top() + 1), QColor(0, 0, 0));
    QCOMPARE(Pixel(image, hot.right() + 1, hot.bottom() + 1), QColor(0, 0, 0));

    // The etched line at y = 96 from x 4 to 73.
    QCOMPARE(Pixel(image, 4, 96), Role(form, QPalette::Dark));
    QCOMPARE(Pixel(image, 73, 96), Role(form, QPalette::Dark));
    QCOMPARE(Pixel(image, 40, 97), Role(form, QPalette::Light));
    QCOMPARE(Pixel(image, 74, 96), Role(form, QPalette::Button));
}

// A colour of the palette: no swatch, "&Other..." from (3, 99) to (65, 117). Any other colour, a
// desktop colour included: the swatch (58, 100)-(74, 116), framed, and the button only to 56.
void TestColorSelector::customSwatchAndNarrowOtherButton_data()
{
    QTest::addColumn<quint32>("colour");
    QTest::addColumn<bool>("custom");
    QTest::addColumn<QColor>("painted");
    QTest::newRow("palette colour") << PlainColorValue(255, 0, 0) << false << QColor();
    QTest::newRow("plain colour elsewhere") << PlainColorValue(1, 2, 3) << true << QColor(1, 2, 3);
    QTest::newRow("highlight colour") << kHighlightValue << true << kHighlightPainted;
}

void TestColorSelector::customSwatchAndNarrowOtherButton()
{
    QFETCH(quint32, colour);
    QFETCH(bool, custom);
    QFETCH(QColor, painted);
    TColorForm form(nullptr);
    form.Setup(colour, TestResolver, {});
    QCOMPARE(form.ShowsCustomSwatch(), custom);
    const QImage image = form.grab().toImage();
    const QColor shadow = Role(form, QPalette::Shadow);
    const QColor face = Role(form, QPalette::Button);
    if (custom) {
        QCOMPARE(form.HotCell(), int(TColorForm::kCustomCell));
        QCOMPARE(form.OtherButtonRect(), QRect(QPoint(3, 99), QPoint(55, 116)));
        QCOMPARE(Pixel(image, 66, 108), painted);
        QCOMPARE(Pixel(image, 60, 102), painted);
        QCOMPARE(Pixel(image, 57, 99), QColor(0, 0, 0));      // hot frame outside
        QCOMPARE(Pixel(image, 58, 100), QColor(255, 255, 255)); // hot frame on
        QCOMPARE(Pixel(image, 59, 101), QColor(0, 0, 0));     // hot frame inside
        QCOMPARE(Pixel(image, 55, 116), shadow);               // narrow button's corner
        QCOMPARE(Pixel(image, 56, 110), face);
    } else {
        QCOMPARE(form.OtherButtonRect(), QRect(QPoint(3, 99), QPoint(64, 116)));
        QCOMPARE(Pixel(image, 66, 108), face);
        QCOMPARE(Pixel(image, 64, 116), shadow);
        QCOMPARE(Pixel(image, 55, 116), shadow); // the bottom edge runs on
    }
    QCOMPARE(Pixel(image, 3, 99), Role(form, QPalette::Light));
}

void TestColorSelector::pointerFindsCells_data()
{
    QTest::addColumn<quint32>("colour");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("cell");
    const quint32 white = PlainColorValue(255, 255, 255);
    const quint32 other = PlainColorValue(1, 2, 3);
    QTest::newRow("in the first cell") << white << QPoint(10, 10) << 0;
    QTest::newRow("two pixels out, on the grown edge") << white << QPoint(2, 10) << int(TColorForm::kNoCell);
    QTest::newRow("one pixel out") << white << QPoint(3, 10) << 0;
    QTest::newRow("between two cells, the first wins") << white << QPoint(21, 10) << 0;
    QTest::newRow("second cell's grown edge") << white << QPoint(22, 10) << 1;
    QTest::newRow("last cell") << white << QPoint(66, 84) << 19;
    QTest::newRow("swatch spot without swatch") << white << QPoint(66, 108) << int(TColorForm::kNoCell);
    QTest::newRow("custom swatch") << other << QPoint(66, 108) << int(TColorForm::kCustomCell);
    QTest::newRow("custom swatch edge") << other << QPoint(58, 108) << int(TColorForm::kNoCell);
    QTest::newRow("other button") << other << QPoint(20, 108) << int(TColorForm::kNoCell);
}

void TestColorSelector::pointerFindsCells()
{
    QFETCH(quint32, colour);
    QFETCH(QPoint, point);
    QFETCH(int, cell);
    TColorForm form(nullptr);
    form.Setup(colour, TestResolver, {});
    QCOMPARE(form.CellAt(point), cell);
}

void TestColorSelector::changeReportedOnlyOnARealChange()
{
    TColorSelector selector;
    selector.show();
    QVERIFY(QTest::qWaitForWindowExposed(&selector));
    QSignalSpy changes(&selector, &TColorSelector::OnChangeColor);

    selector.Click();
    QPointer<TColorForm> form = selector.DropDown();
    PressAt(form, CellCentre(1)); // black, already selected
    QTRY_VERIFY(!form);
    QCOMPARE(changes.count(), 0);

    selector.Click();
    form = selector.DropDown();
    PressAt(form, CellCentre(12)); // blue
    QTRY_VERIFY(!form);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.takeFirst().at(0).value<quint32>(), PlainColorValue(0, 0, 255));
    QCOMPARE(selector.Color(), PlainColorValue(0, 0, 255));

    selector.SetColor(PlainColorValue(1, 2, 3));
    selector.Click();
    form = selector.DropDown();
    PressAt(form, QPoint(66, 108)); // the custom swatch: the same colour again
    QTRY_VERIFY(!form);
    QCOMPARE(changes.count(), 0);
}

void TestColorSelector::otherButtonAsksTheColourDialog_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QColor>("answer");
    QTest::addColumn<int>("changes");
    QTest::newRow("confirmed") << true << QColor(10, 20, 30) << 1;
    QTest::newRow("confirmed unchanged") << true << QColor(1, 2, 3) << 0;
    QTest::newRow("cancelled") << false << QColor() << 0;
}

void TestColorSelector::otherButtonAsksTheColourDialog()
{
    QFETCH(bool, confirm);
    QFETCH(QColor, answer);
    QFETCH(int, changes);
    QColor preset;
    TColorForm::SetColorDialogRunner([&](const QColor &initial, QWidget *) -> std::optional<QColor> {
        preset = initial;
        if (!confirm)
            return std::nullopt;
        return answer;
    });
    TColorSelector selector;
    selector.SetColor(PlainColorValue(1, 2, 3));
    selector.show();
    QVERIFY(QTest::qWaitForWindowExposed(&selector));
    QSignalSpy changed(&selector, &TColorSelector::OnChangeColor);
    selector.Click();
    QPointer<TColorForm> form = selector.DropDown();
    PressAt(form, QPoint(20, 108));
    QTRY_VERIFY(!form);
    QCOMPARE(preset, QColor(1, 2, 3));
    QCOMPARE(changed.count(), changes);
    if (changes)
        QCOMPARE(selector.Color(), PlainColorValue(answer));
}

void TestColorSelector::spaceHeldShowsPushedAndReleaseOpens()
{
    TColorSelector selector;
    selector.show();
    QVERIFY(QTest::qWaitForWindowExposed(&selector));
    QSignalSpy clicks(&selector, &TColorSelector::clicked);
    QTest::keyPress(&selector, Qt::Key_Space);
    QVERIFY(selector.IsPushed());
    QVERIFY(!selector.DropDown());
    QTest::keyRelease(&selector, Qt::Key_Space);
    QVERIFY(!selector.IsPushed());
    QVERIFY(selector.DropDown());
    QCOMPARE(clicks.count(), 1);
    selector.DropDown()->close();
}

void TestColorSelector::enterOpens()
{
    TColorSelector selector;
    selector.show();
    QVERIFY(QTest::qWaitForWindowExposed(&selector));
    QTest::keyClick(&selector, Qt::Key_Return);
    QVERIFY(selector.DropDown());
    selector.DropDown()->close();
}

void TestColorSelector::mousePushesOnlyWhileInside()
{
    TColorSelector selector;
    selector.show();
    QVERIFY(QTest::qWaitForWindowExposed(&selector));
    QTest::mousePress(&selector, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(selector.IsPushed());
    QTest::mouseMove(&selector, QPoint(60, 10));
    QVERIFY(!selector.IsPushed());
    QTest::mouseRelease(&selector, Qt::LeftButton, {}, QPoint(60, 10));
    QVERIFY(!selector.DropDown()); // let go outside: no click
}

void TestColorSelector::dropDownClosesOnAClickElsewhereAndEscape()
{
    TColorSelector selector;
    selector.show();
    QVERIFY(QTest::qWaitForWindowExposed(&selector));
    selector.Click();
    QPointer<TColorForm> form = selector.DropDown();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    PressAt(form, QPoint(-30, -30));
    QTRY_VERIFY(!form);

    selector.Click();
    form = selector.DropDown();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QTest::keyClick(form, Qt::Key_Escape);
    QTRY_VERIFY(!form);
}

void TestColorSelector::arrowsAndEnterChooseInTheDropDown()
{
    TColorSelector selector;
    selector.show();
    QVERIFY(QTest::qWaitForWindowExposed(&selector));
    QSignalSpy changes(&selector, &TColorSelector::OnChangeColor);
    selector.Click();
    QPointer<TColorForm> form = selector.DropDown();
    QCOMPARE(form->HotCell(), 1); // black
    QTest::keyClick(form, Qt::Key_Down);
    QTest::keyClick(form, Qt::Key_Right);
    QCOMPARE(form->HotCell(), 6); // yellow
    QTest::keyClick(form, Qt::Key_Return);
    QTRY_VERIFY(!form);
    QCOMPARE(selector.Color(), PlainColorValue(255, 255, 0));
    QCOMPARE(changes.count(), 1);
}

QTEST_MAIN(TestColorSelector)
#include "tst_tcolorselector.moc"
