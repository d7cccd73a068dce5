// The info bar's gradient progress bar: range rules, percentage, fill width and pixels.
#include "controls/tbprogressbar.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace {

const QColor Back(255, 255, 255);
const QColor Border(0, 0, 0);
const QColor Ink(0, 0, 0);

// A bar with known colours and no text, so every interior pixel is fill or back colour.
void SetUpBar(TBProgressBar &bar, int width, const QColor &start, const QColor &end)
{
    bar.resize(width, 18);
    bar.SetColorBack(Back);
    bar.SetColorBorder(Border);
    bar.SetColorStart(start);
    bar.SetColorEnd(end);
    bar.SetShowText(false);
}

QColor Pixel(const QImage &image, int x, int y)
{
    return QColor::fromRgba(image.pixel(x, y));
}

// Number of runs of equal colour between columns first and last (inclusive) on row y.
int ColourRuns(const QImage &image, int y, int first, int last)
{
    int runs = 0;
    for (int x = first; x <= last; ++x)
        if (x == first || image.pixel(x, y) != image.pixel(x - 1, y))
            ++runs;
    return runs;
}

// A subclass as the info bar makes one: two counters added, paints counted.
class CountingBar : public TBProgressBar
{
public:
    quint16 IntervalTicks = 0;
    quint16 TicksLeft = 0;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        ++paints;
        TBProgressBar::paintEvent(event);
    }
};

void SendMouse(QWidget &widget, QEvent::Type type, Qt::MouseButton button)
{
    const QPointF at(5, 5);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, at, widget.mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

} // namespace

class TestTBProgressBar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaults();
    void fillWidth_data();
    void fillWidth();
    void percentAndText_data();
    void percentAndText();
    void rangeRefusals_data();
    void rangeRefusals();
    void gradientBands_data();
    void gradientBands();
    void equalColoursFillPlain_data();
    void equalColoursFillPlain();
    void textAlignment_data();
    void textAlignment();
    void repaintsOnlyOnChange();
    void clicksAndDoubleClicks();
};

void TestTBProgressBar::defaults()
{
    QWidget parent;
    QFont font = parent.font();
    font.setPointSize(17);
    parent.setFont(font);
    TBProgressBar bar(&parent);
    QCOMPARE(bar.size(), QSize(150, 18));
    QCOMPARE(bar.font().pointSize(), 17);
    QCOMPARE(bar.ColorBack(), QColor(parent.palette().color(QPalette::Button).rgb()));
    QCOMPARE(bar.ColorStart(), QColor(parent.palette().color(QPalette::Highlight).rgb()));
    QVERIFY(bar.ColorEnd() != bar.ColorStart());
    QCOMPARE(bar.DisplayText(), QStringLiteral("0%"));
}

void TestTBProgressBar::fillWidth_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("plain");
    QTest::addColumn<int>("fill");

    for (const bool plain : {true, false}) {
        const char *kind = plain ? "plain" : "gradient";
        QTest::addRow("%s: 150 px at 50", kind) << 150 << 50 << plain << 74;
        QTest::addRow("%s: 150 px at 100", kind) << 150 << 100 << plain << 149;
        QTest::addRow("%s: 150 px at 0", kind) << 150 << 0 << plain << 0;
        QTest::addRow("%s: 150 px at -1", kind) << 150 << -1 << plain << 0;
        QTest::addRow("%s: 150 px at 150", kind) << 150 << 150 << plain << 149;
        QTest::addRow("%s: 101 px at 40", kind) << 101 << 40 << plain << 40;
        QTest::addRow("%s: 60 px at 33", kind) << 60 << 33 << plain << 19;
    }
}

void TestTBProgressBar::fillWidth()
{
    QFETCH(int, width);
    QFETCH(int, position);
    QFETCH(bool, plain);
    QFETCH(int, fill);

    TBProgressBar bar;
    SetUpBar(bar, width, QColor(200, 0, 0), plain ? QColor(200, 0, 0) : QColor(0, 0, 200));
    bar.SetPosition(position);
    QCOMPARE(bar.FillWidth(), fill);

    // The border takes columns 1 and width - 2; inside it, columns left of the fill width are
    // filled and the rest show the back colour.
    const QImage image = bar.RenderImage();
    // Only (1, 1)-(width - 1, 17) is copied to the screen; the rest stays transparent.
    QCOMPARE(qAlpha(image.pixel(0, 8)), 0);
    QCOMPARE(qAlpha(image.pixel(width - 1, 8)), 0);
    QCOMPARE(qAlpha(image.pixel(8, 17)), 0);
    QCOMPARE(Pixel(image, 1, 8), Border);
    QCOMPARE(Pixel(image, width - 2, 8), Border);
    QCOMPARE(Pixel(image, 8, 16), Border);
    for (int y = 2; y <= 15; ++y) {
        for (int x = 2; x <= width - 3; ++x) {
            const bool filled = Pixel(image, x, y) != Back;
            if (filled != (x < fill))
                QFAIL(qPrintable(QStringLiteral("column %1 row %2 %3").arg(x).arg(y).arg(
                    filled ? "filled" : "not filled")));
        }
    }
}

void TestTBProgressBar::percentAndText_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("storedPosition");
    QTest::addColumn<QString>("text");

    QTest::newRow("below the range") << 100 << -1 << 0 << " CPU: 0%";
    QTest::newRow("above the range") << 100 << 150 << 100 << " CPU: 100%";
    QTest::newRow("middle") << 100 << 23 << 23 << " CPU: 23%";
    QTest::newRow("0.5 rounds to 0") << 200 << 1 << 1 << " CPU: 0%";
    QTest::newRow("1.5 rounds to 2") << 200 << 3 << 3 << " CPU: 2%";
    QTest::newRow("2.5 rounds to 2") << 200 << 5 << 5 << " CPU: 2%";
    QTest::newRow("3.5 rounds to 4") << 200 << 7 << 7 << " CPU: 4%";
    QTest::newRow("2/3 rounds up") << 3 << 2 << 2 << " CPU: 67%";
    QTest::newRow("huge range") << 2000000000 << 1999999999 << 1999999999 << " CPU: 100%";
}

void TestTBProgressBar::percentAndText()
{
    QFETCH(int, maximum);
    QFETCH(int, position);
    QFETCH(int, storedPosition);
    QFETCH(QString, text);

    TBProgressBar bar;
    bar.SetMaximum(maximum);
    bar.SetPrefix(QStringLiteral(" CPU: "));
    bar.SetPosition(position);
    QCOMPARE(bar.Position(), storedPosition);
    QCOMPARE(bar.DisplayText(), text);
}

void TestTBProgressBar::rangeRefusals_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("position");

    // Every row starts from 0..100 at position 50.
    QTest::newRow("minimum unchanged") << QStringList{"min=0"} << 0 << 100 << 50;
    QTest::newRow("minimum below 1") << QStringList{"min=-5"} << 0 << 100 << 50;
    QTest::newRow("minimum never back to 0") << QStringList{"min=10", "min=0"} << 10 << 100 << 50;
    QTest::newRow("minimum equal to maximum") << QStringList{"min=100"} << 0 << 100 << 50;
    QTest::newRow("minimum above maximum") << QStringList{"min=150"} << 0 << 100 << 50;
    QTest::newRow("minimum raises position") << QStringList{"min=60"} << 60 << 100 << 60;
    QTest::newRow("minimum below position") << QStringList{"min=1"} << 1 << 100 << 50;
    QTest::newRow("maximum below 1") << QStringList{"max=0"} << 0 << 100 << 50;
    QTest::newRow("maximum negative") << QStringList{"max=-10"} << 0 << 100 << 50;
    QTest::newRow("maximum equal to minimum") << QStringList{"min=20", "max=20"} << 20 << 100 << 50;
    QTest::newRow("maximum below minimum") << QStringList{"min=20", "max=10"} << 20 << 100 << 50;
    QTest::newRow("maximum lowers position") << QStringList{"max=40"} << 0 << 40 << 40;
    QTest::newRow("maximum of 1") << QStringList{"max=1"} << 0 << 1 << 1;
    QTest::newRow("maximum raised") << QStringList{"max=1000"} << 0 << 1000 << 50;
    QTest::newRow("position clamped to new range")
        << QStringList{"min=30", "max=35", "pos=90"} << 30 << 35 << 35;
}

void TestTBProgressBar::rangeRefusals()
{
    QFETCH(QStringList, steps);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, position);

    TBProgressBar bar;
    bar.SetPosition(50);
    for (const QString &step : steps) {
        const QString what = step.section(QLatin1Char('='), 0, 0);
        const int value = step.section(QLatin1Char('='), 1).toInt();
        if (what == QLatin1String("min"))
            bar.SetMinimum(value);
        else if (what == QLatin1String("max"))
            bar.SetMaximum(value);
        else
            bar.SetPosition(value);
    }
    QCOMPARE(bar.Minimum(), minimum);
    QCOMPARE(bar.Maximum(), maximum);
    QCOMPARE(bar.Position(), position);
    QVERIFY(bar.Percent() >= 0 && bar.Percent() <= 100);
}

void TestTBProgressBar::gradientBands_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("shrink");
    QTest::addColumn<int>("runs");
    QTest::addColumn<int>("firstRed");
    QTest::addColumn<int>("lastRed");

    // Gradient from red 0 to red 200. Only columns 2 .. fill - 1 are visible inside the border.
    // 41 one-pixel bands over a fill of 40, red in steps of 5.
    QTest::newRow("shrink, fill 40") << 101 << 40 << true << 38 << 10 << 195;
    // 101 bands of 1.5 pixels over the whole bar, red in steps of 2: bands 1 .. 48 visible.
    QTest::newRow("whole bar, fill 74") << 150 << 50 << false << 48 << 2 << 96;
    // 75 one-pixel bands over the fill of 74.
    QTest::newRow("shrink, fill 74") << 150 << 50 << true << 72 << 5 << 197;
    QTest::newRow("whole bar, fill 149") << 150 << 100 << false << 98 << 2 << 196;
    // 101 bands of 1.49 pixels over the fill of 149.
    QTest::newRow("shrink, fill 149") << 150 << 100 << true << 98 << 2 << 196;
}

void TestTBProgressBar::gradientBands()
{
    QFETCH(int, width);
    QFETCH(int, position);
    QFETCH(bool, shrink);
    QFETCH(int, runs);
    QFETCH(int, firstRed);
    QFETCH(int, lastRed);

    TBProgressBar bar;
    SetUpBar(bar, width, QColor(0, 0, 0), QColor(200, 0, 0));
    bar.SetShrinkGradient(shrink);
    bar.SetPosition(position);
    const int lastVisible = qMin(bar.FillWidth() - 1, width - 3); // the border is not fill
    const QImage image = bar.RenderImage();

    QCOMPARE(ColourRuns(image, 8, 2, lastVisible), runs);
    QCOMPARE(Pixel(image, 2, 8), QColor(firstRed, 0, 0));
    QCOMPARE(Pixel(image, lastVisible, 8), QColor(lastRed, 0, 0));
    // Each column is one colour from top to bottom.
    for (int x = 2; x <= lastVisible; ++x)
        for (int y = 2; y <= 15; ++y)
            QCOMPARE(image.pixel(x, y), image.pixel(x, 8));
}

void TestTBProgressBar::equalColoursFillPlain_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("shrink");

    QTest::newRow("empty") << 0 << false;
    QTest::newRow("one percent") << 1 << false;
    QTest::newRow("half") << 50 << false;
    QTest::newRow("half, shrink") << 50 << true;
    QTest::newRow("full") << 100 << false;
}

void TestTBProgressBar::equalColoursFillPlain()
{
    QFETCH(int, position);
    QFETCH(bool, shrink);

    const QColor fillColour(10, 120, 30);
    TBProgressBar bar;
    SetUpBar(bar, 150, fillColour, fillColour);
    bar.SetShrinkGradient(shrink);
    bar.SetPosition(position);
    const int fill = bar.FillWidth();
    const QImage image = bar.RenderImage();
    for (int y = 2; y <= 15; ++y)
        for (int x = 2; x <= 147; ++x)
            QCOMPARE(Pixel(image, x, y), x < fill ? fillColour : Back);
}

void TestTBProgressBar::textAlignment_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<bool>("showText");

    QTest::newRow("left") << int(Qt::AlignLeft) << true;
    QTest::newRow("right") << int(Qt::AlignRight) << true;
    QTest::newRow("centre") << int(Qt::AlignHCenter) << true;
    QTest::newRow("hidden") << int(Qt::AlignLeft) << false;
}

void TestTBProgressBar::textAlignment()
{
    QFETCH(int, alignment);
    QFETCH(bool, showText);

    TBProgressBar bar;
    SetUpBar(bar, 150, Back, Back);
    QFont font = bar.font();
    font.setPixelSize(10);
    bar.setFont(font);
    QPalette palette = bar.palette();
    palette.setColor(QPalette::WindowText, Ink);
    bar.setPalette(palette);
    bar.SetAlignment(Qt::Alignment(alignment));
    bar.SetShowText(showText);
    bar.SetPosition(50);

    const QImage image = bar.RenderImage();
    int first = -1;
    int last = -1;
    for (int x = 2; x <= 147; ++x)
        for (int y = 2; y <= 15; ++y)
            if (Pixel(image, x, y) != Back) {
                if (first < 0)
                    first = x;
                last = x;
            }
    if (!showText) {
        QCOMPARE(first, -1);
        return;
    }
    if (first < 0)
        QSKIP("no font renders text here");
    switch (alignment) {
    case Qt::AlignLeft:
        QVERIFY2(first >= 3 && first <= 6, qPrintable(QString::number(first)));
        break;
    case Qt::AlignRight:
        QVERIFY2(last <= 146 && last >= 142, qPrintable(QString::number(last)));
        break;
    default:
        QVERIFY2(qAbs((first + last) / 2 - 75) <= 3,
                 qPrintable(QStringLiteral("%1..%2").arg(first).arg(last)));
    }
}

void TestTBProgressBar::repaintsOnlyOnChange()
{
    CountingBar bar;
    bar.SetColorStart(QColor(0, 0, 0));
    bar.SetColorEnd(QColor(0, 0, 0));
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QTest::qWait(20);

    bar.paints = 0;
    bar.SetPosition(0);
    bar.SetMinimum(0);
    bar.SetMaximum(100);
    bar.SetShowText(true);
    bar.SetSurfix(QStringLiteral("%"));
    bar.SetShrinkGradient(true); // equal colours: looks the same
    QTest::qWait(20);
    QCOMPARE(bar.paints, 0);

    bar.SetPosition(60); // painted at once, without an event loop
    QCOMPARE(bar.paints, 1);
    bar.SetPosition(100);
    QCOMPARE(bar.paints, 2);
    // Values kept to the range that come out as the position shown change nothing.
    bar.SetPosition(250);
    bar.SetPosition(100);
    QCOMPARE(bar.paints, 2);
    bar.SetPosition(-1);
    QCOMPARE(bar.paints, 3);
    bar.SetPosition(-1);
    bar.SetPosition(0);
    QCOMPARE(bar.paints, 3);
    QCOMPARE(bar.Position(), 0);
    bar.SetPosition(60);
    QCOMPARE(bar.paints, 4);

    bar.SetColorEnd(QColor(255, 0, 0));
    QTRY_COMPARE(bar.paints, 5);
    bar.SetShrinkGradient(false);
    QTRY_COMPARE(bar.paints, 6);
}

void TestTBProgressBar::clicksAndDoubleClicks()
{
    TBProgressBar bar;
    QSignalSpy clicks(&bar, &TBProgressBar::clicked);
    QSignalSpy doubleClicks(&bar, &TBProgressBar::doubleClicked);

    SendMouse(bar, QEvent::MouseButtonPress, Qt::LeftButton);
    SendMouse(bar, QEvent::MouseButtonRelease, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    SendMouse(bar, QEvent::MouseButtonDblClick, Qt::LeftButton);
    SendMouse(bar, QEvent::MouseButtonRelease, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(doubleClicks.count(), 1);

    SendMouse(bar, QEvent::MouseButtonPress, Qt::RightButton);
    SendMouse(bar, QEvent::MouseButtonRelease, Qt::RightButton);
    QCOMPARE(clicks.count(), 1);
}

QTEST_MAIN(TestTBProgressBar)
#include "tst_tbprogressbar.moc"
