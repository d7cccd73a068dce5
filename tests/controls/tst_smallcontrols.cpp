// The gradient rectangle, the hover label and the filtering edit box.
#include "controls/paintgradient.h"
#include "controls/tbedit.h"
#include "controls/tblabel.h"
#include "controls/tgradientrect.h"

#include <QApplication>
#include <QClipboard>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

const QString LongText = QStringLiteral(
    "The quick brown fox jumps over the lazy dog and runs far away/notes/letter.txt");

QColor Pixel(const QImage &image, int x, int y)
{
    return QColor::fromRgba(image.pixel(x, y));
}

int CountPixels(const QImage &image, const QColor &colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour.rgb())
                ++count;
    return count;
}

void Hover(QWidget &widget, bool enter)
{
    if (enter) {
        QEnterEvent event(QPointF(2, 2), QPointF(2, 2), widget.mapToGlobal(QPointF(2, 2)));
        QCoreApplication::sendEvent(&widget, &event);
    } else {
        QEvent event(QEvent::Leave);
        QCoreApplication::sendEvent(&widget, &event);
    }
}

void SendMouse(QWidget &widget, QEvent::Type type, Qt::MouseButton button)
{
    const QPointF at(3, 3);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, at, widget.mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

// Types each character as one key press carrying it as text, as the keyboard does.
void TypeText(QWidget &widget, const QString &text)
{
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, &widget, Qt::Key(ch.toUpper().unicode()), QString(ch),
                            Qt::NoModifier);
}

} // namespace

class TestSmallControls : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void gradientRect_data();
    void gradientRect();
    void paintGradientStaysInsideRect_data();
    void paintGradientStaysInsideRect();

    void labelCutsText_data();
    void labelCutsText();
    void labelCutsAtEveryWidthAsTheLayoutDoes_data();
    void labelCutsAtEveryWidthAsTheLayoutDoes();
    void labelMarginClamped_data();
    void labelMarginClamped();
    void labelHover_data();
    void labelHover();
    void labelExecute_data();
    void labelExecute();
    void labelAcceleratorClicks();

    void editFiltersTyping_data();
    void editFiltersTyping();
    void editControlKeysPass();
    void editPasteNotFiltered_data();
    void editPasteNotFiltered();
};

void TestSmallControls::gradientRect_data()
{
    QTest::addColumn<int>("direction");
    QTest::newRow("horizontal") << int(gdHorz);
    QTest::newRow("vertical") << int(gdVert);
}

void TestSmallControls::gradientRect()
{
    QFETCH(int, direction);
    const QColor start(255, 0, 10);
    const QColor end(0, 100, 250);

    TGradientRect rect;
    QCOMPARE(rect.size(), QSize(150, 18));
    QCOMPARE(rect.Direction(), gdHorz);
    rect.resize(60, 40);
    rect.SetColorStart(start);
    rect.SetColorEnd(end);
    rect.SetDirection(TGradientDirection(direction));
    const QImage image = rect.RenderImage();

    // A one-pixel frame stays transparent.
    for (const QPoint corner : {QPoint(0, 0), QPoint(59, 39), QPoint(30, 0), QPoint(0, 20)})
        QCOMPARE(qAlpha(image.pixel(corner)), 0);

    const bool horizontal = direction == gdHorz;
    const int lines = horizontal ? 58 : 38;
    const int across = horizontal ? 38 : 58;
    auto at = [&](int line, int offset) {
        return horizontal ? Pixel(image, 1 + line, 1 + offset) : Pixel(image, 1 + offset, 1 + line);
    };
    QCOMPARE(at(0, 0), start);
    QCOMPARE(at(lines - 1, 0), end);
    for (int line = 0; line < lines; ++line) {
        const QColor colour = at(line, 0);
        for (int offset = 1; offset < across; ++offset)
            QCOMPARE(at(line, offset), colour);
        if (line > 0) {
            const QColor before = at(line - 1, 0);
            QVERIFY(colour.red() <= before.red());
            QVERIFY(colour.green() >= before.green());
            QVERIFY(colour.blue() >= before.blue());
        }
    }
}

void TestSmallControls::paintGradientStaysInsideRect_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<int>("orientation");

    QTest::newRow("horizontal") << QRect(5, 6, 10, 4) << int(Qt::Horizontal);
    QTest::newRow("vertical") << QRect(5, 6, 10, 4) << int(Qt::Vertical);
    QTest::newRow("one column") << QRect(3, 3, 1, 8) << int(Qt::Horizontal);
}

void TestSmallControls::paintGradientStaysInsideRect()
{
    QFETCH(QRect, rect);
    QFETCH(int, orientation);

    const QColor white(255, 255, 255);
    const QColor start(200, 0, 0);
    const QColor end(0, 0, 200);
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(white);
    {
        QPainter painter(&image);
        PaintGradient(painter, rect, start, end, Qt::Orientation(orientation));
    }
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            if (!rect.contains(x, y))
                QCOMPARE(Pixel(image, x, y), white);
    QCOMPARE(Pixel(image, rect.left(), rect.top()), start);
    const bool oneLine = (orientation == Qt::Horizontal ? rect.width() : rect.height()) == 1;
    QCOMPARE(Pixel(image, rect.right(), rect.bottom()), oneLine ? start : end);
}

void TestSmallControls::labelCutsText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fitInRect");
    QTest::addColumn<int>("fitType");
    QTest::addColumn<int>("margin");
    QTest::addColumn<QString>("cut"); // "end", "middle" or "none"

    QTest::newRow("long, normal") << LongText << true << int(ftNormal) << 0 << "end";
    QTest::newRow("long, normal, margin") << LongText << true << int(ftNormal) << 4 << "end";
    QTest::newRow("long, file name") << LongText << true << int(ftFilename) << 0 << "middle";
    QTest::newRow("long, not fitted") << LongText << false << int(ftNormal) << 0 << "none";
    QTest::newRow("short") << QStringLiteral("CPU") << true << int(ftNormal) << 0 << "none";
    QTest::newRow("accelerator kept") << QStringLiteral("&Next") << true << int(ftNormal) << 0
                                      << "none";
}

void TestSmallControls::labelCutsAtEveryWidthAsTheLayoutDoes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("fitType");

    QTest::newRow("clock") << QStringLiteral("Clock 14:22:05") << int(ftNormal);
    QTest::newRow("meter text") << QStringLiteral(" CPU: 100% ") << int(ftNormal);
    QTest::newRow("wide letters") << QStringLiteral("WWWWWWWWWWMMMM") << int(ftNormal);
    QTest::newRow("accented") << QStringLiteral("Ärger über Öl, été") << int(ftNormal);
    QTest::newRow("ampersand") << QStringLiteral("Tom && Jerry") << int(ftNormal);
    QTest::newRow("beyond Latin") << QStringLiteral("Привет, мир") << int(ftNormal);
    QTest::newRow("file name") << QStringLiteral("report of the year.txt") << int(ftFilename);
}

// Short texts are not laid out to see whether they fit; what the label shows is still exactly
// what cutting the text to the label's width gives, from far too narrow to wide enough.
void TestSmallControls::labelCutsAtEveryWidthAsTheLayoutDoes()
{
    QFETCH(QString, text);
    QFETCH(int, fitType);
    TBLabel label(text);
    label.SetFitInRect(true);
    label.SetFitType(TFitType(fitType));
    const Qt::TextElideMode mode = fitType == int(ftFilename) ? Qt::ElideMiddle : Qt::ElideRight;
    for (int width = 4; width <= 200; width += 3) {
        label.resize(width, 20);
        QCOMPARE(label.VisibleText(),
                 QFontMetrics(label.font()).elidedText(text, mode, width, Qt::TextShowMnemonic));
    }
}

void TestSmallControls::labelCutsText()
{
    QFETCH(QString, text);
    QFETCH(bool, fitInRect);
    QFETCH(int, fitType);
    QFETCH(int, margin);
    QFETCH(QString, cut);

    TBLabel label(text);
    label.resize(150, 20);
    label.SetFitInRect(fitInRect);
    label.SetFitType(TFitType(fitType));
    label.SetMargin(margin);
    const QString shown = label.VisibleText();
    const QString ellipsis(QChar(0x2026));

    if (cut == QLatin1String("none")) {
        QCOMPARE(shown, text);
        return;
    }
    const Qt::TextElideMode mode = cut == QLatin1String("end") ? Qt::ElideRight : Qt::ElideMiddle;
    QCOMPARE(shown, QFontMetrics(label.font()).elidedText(text, mode, 150 - 2 * margin,
                                                          Qt::TextShowMnemonic));
    QVERIFY(shown.size() < text.size());
    QVERIFY(shown.startsWith(QStringLiteral("The")));
    if (cut == QLatin1String("end"))
        QVERIFY(shown.endsWith(ellipsis));
    else
        QVERIFY(shown.contains(ellipsis) && shown.endsWith(QStringLiteral(".txt")));
}

void TestSmallControls::labelMarginClamped_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("stored");
    QTest::newRow("negative") << -1 << 0;
    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("four") << 4 << 4;
    QTest::newRow("255") << 255 << 255;
    QTest::newRow("256") << 256 << 255;
    QTest::newRow("huge") << 100000 << 255;
}

void TestSmallControls::labelMarginClamped()
{
    QFETCH(int, value);
    QFETCH(int, stored);
    TBLabel label;
    label.SetMargin(value);
    QCOMPARE(label.Margin(), stored);
}

void TestSmallControls::labelHover_data()
{
    QTest::addColumn<bool>("hover");
    QTest::addColumn<bool>("useBackground");
    QTest::addColumn<bool>("hovered");
    QTest::addColumn<QColor>("background");

    const QColor plain(255, 255, 255);
    const QColor green(0, 160, 0);
    QTest::newRow("hover colour and background") << true << true << true << green;
    QTest::newRow("hover colour only") << true << false << true << plain;
    QTest::newRow("no hover") << false << true << false << plain;
}

void TestSmallControls::labelHover()
{
    QFETCH(bool, hover);
    QFETCH(bool, useBackground);
    QFETCH(bool, hovered);
    QFETCH(QColor, background);

    const QColor plainBack(255, 255, 255);
    const QColor plainInk(0, 0, 0);
    TBLabel label(QStringLiteral("IIII HHHH"));
    label.resize(160, 30);
    QFont font = label.font();
    font.setPixelSize(20);
    font.setBold(true);
    label.setFont(font);
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, plainBack);
    palette.setColor(QPalette::WindowText, plainInk);
    label.setPalette(palette);
    label.SetHover(hover);
    label.SetUseHoverBGColor(useBackground);
    label.SetHoverBGColor(QColor(0, 160, 0));
    label.SetHoverColor(QColor(Qt::red));

    Hover(label, true);
    QCOMPARE(label.IsHovered(), hovered);
    QImage image = label.grab().toImage();
    QCOMPARE(Pixel(image, 0, 0), background);
    QCOMPARE(Pixel(image, 159, 29), background);
    const bool anyInk = CountPixels(image, Qt::red) + CountPixels(image, plainInk) > 0;
    if (!anyInk)
        QSKIP("no font renders text here");
    QCOMPARE(CountPixels(image, Qt::red) > 0, hovered);
    QCOMPARE(CountPixels(image, plainInk) > 0, !hovered);

    Hover(label, false);
    QVERIFY(!label.IsHovered());
    image = label.grab().toImage();
    QCOMPARE(Pixel(image, 0, 0), plainBack);
    QCOMPARE(CountPixels(image, Qt::red), 0);
    QVERIFY(CountPixels(image, plainInk) > 0);
}

void TestSmallControls::labelExecute_data()
{
    QTest::addColumn<bool>("executeFile");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("requests");
    QTest::addColumn<int>("clicks");

    const QString target = QStringLiteral("/tmp/some file.txt");
    QTest::newRow("left press opens") << true << target << int(Qt::LeftButton) << 1 << 1;
    QTest::newRow("right press does not") << true << target << int(Qt::RightButton) << 0 << 0;
    QTest::newRow("not an opening label") << false << target << int(Qt::LeftButton) << 0 << 1;
    QTest::newRow("nothing to open") << true << QString() << int(Qt::LeftButton) << 0 << 1;
}

void TestSmallControls::labelExecute()
{
    QFETCH(bool, executeFile);
    QFETCH(QString, target);
    QFETCH(int, button);
    QFETCH(int, requests);
    QFETCH(int, clicks);

    TBLabel label(QStringLiteral("Open"));
    label.resize(80, 20);
    label.SetExecuteFile(executeFile);
    label.SetExecute(target);
    QSignalSpy executeSpy(&label, &TBLabel::ExecuteRequested);
    QSignalSpy clickSpy(&label, &TBLabel::clicked);

    SendMouse(label, QEvent::MouseButtonPress, Qt::MouseButton(button));
    QCOMPARE(executeSpy.count(), requests);
    if (requests)
        QCOMPARE(executeSpy.at(0).at(0).toString(), target);
    SendMouse(label, QEvent::MouseButtonRelease, Qt::MouseButton(button));
    QCOMPARE(clickSpy.count(), clicks);

    // The second press of a double click opens nothing more and is no second click.
    SendMouse(label, QEvent::MouseButtonDblClick, Qt::MouseButton(button));
    SendMouse(label, QEvent::MouseButtonRelease, Qt::MouseButton(button));
    QCOMPARE(executeSpy.count(), requests);
    QCOMPARE(clickSpy.count(), clicks);
}

void TestSmallControls::labelAcceleratorClicks()
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *label = new TBLabel(QStringLiteral("Show &next"), &window);
    auto *edit = new QLineEdit(&window);
    layout->addWidget(label);
    layout->addWidget(edit);
    QSignalSpy clicks(label, &TBLabel::clicked);

    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    edit->setFocus();

    QTest::keyClick(edit, Qt::Key_N, Qt::AltModifier);
    QCOMPARE(clicks.count(), 1);

    // A new text brings its own accelerator.
    label->setText(QStringLiteral("&Previous"));
    QTest::keyClick(edit, Qt::Key_N, Qt::AltModifier);
    QCOMPARE(clicks.count(), 1);
    QTest::keyClick(edit, Qt::Key_P, Qt::AltModifier);
    QCOMPARE(clicks.count(), 2);
}

void TestSmallControls::editFiltersTyping_data()
{
    QTest::addColumn<int>("sub");
    QTest::addColumn<QString>("subText");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");

    const QString digits = QStringLiteral("1234567890");
    QTest::newRow("include digits") << int(suInclude) << digits << "a1b2c3" << "123";
    QTest::newRow("include refuses blanks") << int(suInclude) << digits << "1 2-3." << "123";
    QTest::newRow("include refuses non-ASCII")
        << int(suInclude) << digits << QStringLiteral("4\u00e45\u20ac") << "45";
    QTest::newRow("include empty set") << int(suInclude) << QString() << "abc" << "";
    QTest::newRow("exclude") << int(suExclude) << "\\/:*?\"<>|" << "a/b:c|d" << "abcd";
    QTest::newRow("none") << int(suNone) << digits << "a/1 b" << "a/1 b";
}

void TestSmallControls::editFiltersTyping()
{
    QFETCH(int, sub);
    QFETCH(QString, subText);
    QFETCH(QString, typed);
    QFETCH(QString, text);

    TBEdit edit;
    edit.SetSub(TSub(sub));
    edit.SetSubText(subText);
    TypeText(edit, typed);
    QCOMPARE(edit.text(), text);
}

void TestSmallControls::editControlKeysPass()
{
    TBEdit edit;
    edit.SetSub(suInclude);
    edit.SetSubText(QStringLiteral("1234567890"));
    QTest::keyClicks(&edit, QStringLiteral("1234"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.text(), QStringLiteral("123"));
    QTest::keyClick(&edit, Qt::Key_Home);
    // The X server gives the Delete key the text DEL (127), which is no character to filter.
    QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_Delete, QString(QChar(127)), Qt::NoModifier);
    QCOMPARE(edit.text(), QStringLiteral("23"));
    QTest::keyClick(&edit, Qt::Key_Right);
    QTest::keyClicks(&edit, QStringLiteral("x9"));
    QCOMPARE(edit.text(), QStringLiteral("293"));
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier); // select all
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.text(), QString());
}

void TestSmallControls::editPasteNotFiltered_data()
{
    QTest::addColumn<int>("sub");
    QTest::addColumn<QString>("subText");
    QTest::addColumn<QString>("pasted");

    QTest::newRow("include") << int(suInclude) << "1234567890" << "abc 12";
    QTest::newRow("exclude") << int(suExclude) << "abc" << "abc";
}

void TestSmallControls::editPasteNotFiltered()
{
    QFETCH(int, sub);
    QFETCH(QString, subText);
    QFETCH(QString, pasted);

    QApplication::clipboard()->setText(pasted);
    if (QApplication::clipboard()->text() != pasted)
        QSKIP("no clipboard on this platform");
    TBEdit edit;
    edit.SetSub(TSub(sub));
    edit.SetSubText(subText);
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit.text(), pasted);
}

QTEST_MAIN(TestSmallControls)
#include "tst_smallcontrols.moc"
