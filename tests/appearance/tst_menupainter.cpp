// The menu painter as a user sees it: a themed menu bar and its open popups, rendered offscreen.
#include "appearance/colorconversion.h"
#include "appearance/menupaintercolors.h"
#include "appearance/menustyle.h"
#include "appearance/popupshadow.h"
#include "appearance/themeapply.h"
#include "appearance/themecolors.h"
#include "appearance/ttbxquorixtheme.h"
#include "controls/tblabel.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>

Q_DECLARE_METATYPE(ThemeColors)

namespace {

ThemeColors LightTheme()
{
    ThemeColors t = DefaultThemeColors();
    t.menuColor = RgbColor(255, 255, 255);
    t.menuFontColor = RgbColor(0, 0, 0);
    t.menuSelectColor = RgbColor(0, 128, 192);
    t.menuSelectFontColor = RgbColor(255, 255, 255);
    t.menuPopupColor = RgbColor(255, 255, 255);
    t.menuPopupFontColor = RgbColor(0, 0, 0);
    t.menuPopupSelectColor = RgbColor(0, 128, 192);
    t.menuPopupSelectEndColor = RgbColor(132, 215, 255);
    t.menuBorderColor = RgbColor(128, 128, 128);
    return t;
}

ThemeColors DarkTheme()
{
    ThemeColors t = DefaultThemeColors();
    t.menuColor = RgbColor(0x33, 0x33, 0x33);
    t.menuFontColor = RgbColor(0xE6, 0xE6, 0xE6);
    t.menuSelectColor = RgbColor(0x55, 0x55, 0x55);
    t.menuSelectFontColor = RgbColor(255, 255, 255);
    t.menuPopupColor = RgbColor(0x40, 0x40, 0x40);
    t.menuPopupFontColor = RgbColor(0xE6, 0xE6, 0xE6);
    t.menuPopupSelectColor = RgbColor(0xFF, 0x9E, 0x1B);
    t.menuPopupSelectEndColor = RgbColor(0xFF, 0xAD, 0x4C);
    t.menuPopupSelectFontColor = RgbColor(255, 255, 255);
    t.menuBorderColor = RgbColor(0x11, 0x11, 0x11);
    return t;
}

ThemeColors PlainTheme()
{
    ThemeColors t = LightTheme();
    t.menuPopupSelectEndColor = t.menuPopupSelectColor;
    t.menuBorderColor = RgbColor(200, 0, 0);
    return t;
}

QColor Q(TColor color)
{
    return ColorToQColor(color);
}

QColor At(const QImage &image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

int Luminance(const QColor &c)
{
    return (c.red() * 299 + c.green() * 587 + c.blue() * 114) / 1000;
}

// The largest brightness difference between background and any pixel of the rectangle.
int StrongestContrast(const QImage &image, const QRect &rect, const QColor &background)
{
    int best = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            best = qMax(best, std::abs(Luminance(At(image, x, y)) - Luminance(background)));
    return best;
}

// A bar window with a menu bar: "File" drops a wide popup with normal, checked, disabled and
// submenu entries.
struct BarFixture
{
    QWidget window;
    QMenuBar *bar = nullptr;
    QMenu *file = nullptr;
    QMenu *edit = nullptr;
    QAction *open = nullptr;
    QAction *checked = nullptr;
    QAction *disabled = nullptr;
    QMenu *more = nullptr;
    TTBXQuorixTheme *painter = TTBXQuorixTheme::Create();

    BarFixture(const ThemeColors &theme, bool shadow)
    {
        auto *layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        bar = new QMenuBar(&window);
        layout->addWidget(bar);
        layout->addStretch();
        file = bar->addMenu(QStringLiteral("&File"));
        open = file->addAction(QStringLiteral("Open a rather long entry name"));
        checked = file->addAction(QStringLiteral("Checked entry"));
        checked->setCheckable(true);
        checked->setChecked(true);
        file->addSeparator();
        disabled = file->addAction(QStringLiteral("Disabled entry"));
        disabled->setEnabled(false);
        more = file->addMenu(QStringLiteral("More"));
        more->addAction(QStringLiteral("Inside"));
        edit = bar->addMenu(QStringLiteral("&Edit"));
        edit->addAction(QStringLiteral("Copy"));

        painter->SetDropShadow(shadow);
        painter->ApplyThemeColors(theme);
        ApplyMenuStyle(&window, painter);
        window.resize(400, 120);
        window.show();
    }

    ~BarFixture()
    {
        file->hide();
        window.hide();
        delete painter;
    }

    QImage GrabMenu(QMenu *menu) const { return menu->grab().toImage(); }

    QRect BarItem(QMenu *menu) const { return bar->actionGeometry(menu->menuAction()); }

    // Opens the popup the way the bar does, below its item.
    bool OpenFromBar(QMenu *menu)
    {
        bar->setActiveAction(menu->menuAction());
        return QTest::qWaitFor([menu] { return menu->isVisible(); });
    }
};

} // namespace

class TestMenuPainter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void themes_data();
    void hotPopupItemShowsTheGradient_data() { themes_data(); }
    void hotPopupItemShowsTheGradient();
    void popupBorderIsTheBorderColour_data() { themes_data(); }
    void popupBorderIsTheBorderColour();
    void popupOpensTowardsItsBarItem_data() { themes_data(); }
    void popupOpensTowardsItsBarItem();
    void hotBarItemIsFilledAndFramed_data() { themes_data(); }
    void hotBarItemIsFilledAndFramed();
    void disabledTextAndCheckStayReadable_data() { themes_data(); }
    void disabledTextAndCheckStayReadable();
    void dropShadowFollowsTheFlag();
    void popupAboveTheBarOpensDownwards();
    void noColourFallsBackToTheDesktop();
    void themeSetsExactlyItsEntries();
    void barItemStateRule_data();
    void barItemStateRule();
    void laterMenusGetTheStyle();
    void nullStyleRestoresTheApplicationStyle();
    void selectedByName();
    void barAndMarqueeColours();
};

void TestMenuPainter::themes_data()
{
    QTest::addColumn<ThemeColors>("theme");
    QTest::newRow("light") << LightTheme();
    QTest::newRow("dark") << DarkTheme();
    QTest::newRow("plain") << PlainTheme();
}

void TestMenuPainter::hotPopupItemShowsTheGradient()
{
    QFETCH(ThemeColors, theme);
    BarFixture f(theme, false);
    f.file->popup(f.window.mapToGlobal(QPoint(20, 60)));
    QVERIFY(QTest::qWaitForWindowExposed(f.file));
    f.file->setActiveAction(f.open);
    const QImage image = f.GrabMenu(f.file);
    const QRect item = f.file->actionGeometry(f.open);
    const int y = item.top() + 1; // above the caption

    const QColor start = Q(theme.menuPopupSelectColor);
    const QColor end = Q(theme.menuPopupSelectEndColor);
    QCOMPARE(At(image, item.left(), y), start);
    QCOMPARE(At(image, item.right(), y), end);
    if (start == end) {
        for (int x = item.left(); x <= item.right(); ++x)
            QCOMPARE(At(image, x, y), start);
    } else {
        const QColor middle = At(image, item.left() + item.width() / 2, y);
        QVERIFY(middle != start && middle != end);
        QVERIFY(std::abs(middle.green() - (start.green() + end.green()) / 2) <= 2);
    }
    // The other entries keep the popup colour.
    const QRect other = f.file->actionGeometry(f.checked);
    QCOMPARE(At(image, other.right() - 2, other.top() + 1), Q(theme.menuPopupColor));
}

void TestMenuPainter::popupBorderIsTheBorderColour()
{
    QFETCH(ThemeColors, theme);
    BarFixture f(theme, false);
    f.file->popup(f.window.mapToGlobal(QPoint(20, 60))); // not next to its bar item
    QVERIFY(QTest::qWaitForWindowExposed(f.file));
    const QImage image = f.GrabMenu(f.file);
    const QColor border = Q(theme.menuBorderColor);
    const int w = image.width(), h = image.height();
    for (const QPoint p : {QPoint(0, 0), QPoint(w / 2, 0), QPoint(w - 1, 0), QPoint(0, h / 2), QPoint(w - 1, h / 2),
                           QPoint(0, h - 1), QPoint(w / 2, h - 1), QPoint(w - 1, h - 1)})
        QCOMPARE(At(image, p.x(), p.y()), border);
    QCOMPARE(At(image, 1, 1), Q(theme.menuPopupColor));
    QCOMPARE(At(image, w - 2, h - 2), Q(theme.menuPopupColor));
}

void TestMenuPainter::popupOpensTowardsItsBarItem()
{
    QFETCH(ThemeColors, theme);
    BarFixture f(theme, false);
    QVERIFY(f.OpenFromBar(f.file));
    const QImage image = f.GrabMenu(f.file);
    const QRect item = f.BarItem(f.file);
    const int itemLeft = f.file->mapFromGlobal(f.bar->mapToGlobal(item.topLeft())).x();
    const int itemRight = itemLeft + item.width() - 1;
    QVERIFY2(image.width() > itemRight + 4, "the popup should be wider than its bar item");
    QCOMPARE(f.file->geometry().top(), f.bar->mapToGlobal(item.bottomLeft()).y() + 1);

    const QColor border = Q(theme.menuBorderColor);
    QCOMPARE(At(image, qMax(itemLeft, 0), 0), border);         // the ends stay frame
    QCOMPARE(At(image, itemRight, 0), border);
    for (int x = qMax(itemLeft, 0) + 1; x < itemRight; ++x)    // the shared stretch is open
        QCOMPARE(At(image, x, 0), Q(theme.menuColor));
    QCOMPARE(At(image, image.width() - 2, 0), border);          // beyond the item: closed

    // The open item keeps its hot look while its popup shows.
    const QImage barImage = f.bar->grab().toImage();
    QCOMPARE(At(barImage, item.left(), item.top()), Q(theme.menuSelectColor));
    QCOMPARE(At(barImage, item.left() + 2, item.top() + 2), Q(theme.menuSelectColor));
}

void TestMenuPainter::hotBarItemIsFilledAndFramed()
{
    QFETCH(ThemeColors, theme);
    BarFixture f(theme, false);
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    const QRect item = f.BarItem(f.edit);
    QMouseEvent move(QEvent::MouseMove, item.center(), f.bar->mapToGlobal(item.center()), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(f.bar, &move);
    QCOMPARE(f.bar->activeAction(), f.edit->menuAction());
    QVERIFY(!f.edit->isVisible());
    const QImage image = f.bar->grab().toImage();

    const QColor select = Q(theme.menuSelectColor);
    QCOMPARE(At(image, item.left(), item.top()), select);
    QCOMPARE(At(image, item.right(), item.bottom()), select);
    QCOMPARE(At(image, item.left() + 2, item.top() + 2), select);
    // The caption is drawn in the select text colour somewhere inside.
    const QColor text = Q(theme.menuSelectFontColor);
    bool found = false;
    for (int y = item.top(); y <= item.bottom() && !found; ++y)
        for (int x = item.left(); x <= item.right() && !found; ++x)
            found = At(image, x, y) == text;
    QVERIFY(found);
    // Other items and the rest of the bar show the bar colour.
    const QRect normal = f.BarItem(f.file);
    QCOMPARE(At(image, normal.left(), normal.top()), Q(theme.menuColor));
    QCOMPARE(At(image, image.width() - 1, image.height() / 2), Q(theme.menuColor));
}

void TestMenuPainter::disabledTextAndCheckStayReadable()
{
    QFETCH(ThemeColors, theme);
    BarFixture f(theme, false);
    f.file->popup(f.window.mapToGlobal(QPoint(20, 60)));
    QVERIFY(QTest::qWaitForWindowExposed(f.file));
    const QImage image = f.GrabMenu(f.file);
    const QColor popup = Q(theme.menuPopupColor);

    const QRect disabled = f.file->actionGeometry(f.disabled);
    QVERIFY(StrongestContrast(image, disabled, popup) >= 60);

    // The check box is filled in the painter's own colour; its mark must stand out from that.
    const QRect checked = f.file->actionGeometry(f.checked);
    const QRect mark(checked.left() + 8, checked.center().y() - 4, 9, 9);
    const QColor boxFill = At(image, mark.left() - 3, mark.top() - 3);
    QVERIFY(boxFill != Q(theme.menuPopupColor));
    QVERIFY(StrongestContrast(image, mark, boxFill) >= 60);
}

void TestMenuPainter::dropShadowFollowsTheFlag()
{
    BarFixture f(LightTheme(), true);
    const QSize withShadow = f.file->sizeHint();
    f.painter->SetDropShadow(false); // the next settings read turns it off
    const QSize without = f.file->sizeHint();
    QCOMPARE(withShadow - without, QSize(TTBXQuorixTheme::ShadowSize, TTBXQuorixTheme::ShadowSize));

    f.painter->SetDropShadow(true);
    f.file->popup(f.window.mapToGlobal(QPoint(20, 60)));
    QVERIFY(QTest::qWaitForWindowExposed(f.file));
    const QImage image = f.GrabMenu(f.file);
    const int s = TTBXQuorixTheme::ShadowSize;
    const int right = image.width() - 1 - s, bottom = image.height() - 1 - s;
    const QColor border = Q(LightTheme().menuBorderColor);
    QCOMPARE(At(image, right, image.height() / 2), border);
    QCOMPARE(At(image, image.width() / 2, bottom), border);
    // What lay below shows through the band, darkest next to the panel and fading outwards.
    QImage band(60, 40, QImage::Format_RGB32);
    band.fill(Qt::white);
    QPainter painter(&band);
    PaintPopupShadow(painter, nullptr, band.rect(), band.rect().adjusted(0, 0, -s, -s), Qt::white);
    painter.end();
    const int y = band.height() / 2;
    for (int x = band.width() - s; x < band.width() - 1; ++x)
        QVERIFY(Luminance(At(band, x, y)) < Luminance(At(band, x + 1, y)));
    QVERIFY(Luminance(At(band, band.width() - 1, y)) < 255);
    QCOMPARE(At(band, band.width() - 1, 0), QColor(Qt::white)); // the corners stay light
    QCOMPARE(At(band, 0, band.height() - 1), QColor(Qt::white));
}

void TestMenuPainter::popupAboveTheBarOpensDownwards()
{
    // A bar docked at the bottom of the screen: its popups open upwards, ending on the bar item.
    const ThemeColors theme = LightTheme();
    BarFixture f(theme, true);
    const QRect screen = f.window.screen()->geometry();
    const int barBottom = f.bar->mapToGlobal(QPoint(0, f.bar->height())).y();
    f.window.move(f.window.pos() + QPoint(0, screen.bottom() + 1 - barBottom));
    QTRY_COMPARE(f.bar->mapToGlobal(QPoint(0, f.bar->height())).y(), screen.bottom() + 1);
    QVERIFY(f.OpenFromBar(f.file));
    const QRect item = f.BarItem(f.file);
    const int itemTop = f.bar->mapToGlobal(item.topLeft()).y();
    // No shadow band between the panel and the item: the panel touches it.
    QCOMPARE(f.file->geometry().bottom() + 1, itemTop);
    QCOMPARE(f.file->contentsMargins().bottom(), 1);
    const QImage image = f.GrabMenu(f.file);
    const int bottom = image.height() - 1;
    const int itemLeft = f.file->mapFromGlobal(f.bar->mapToGlobal(item.topLeft())).x();
    QCOMPARE(At(image, itemLeft + item.width() / 2, bottom), Q(theme.menuColor)); // open towards the item
    QCOMPARE(At(image, image.width() - 1 - TTBXQuorixTheme::ShadowSize - 1, bottom), Q(theme.menuBorderColor));

    // Closed and opened again downwards, it has its bottom band back.
    f.file->hide();
    QCOMPARE(f.file->contentsMargins().bottom(), 1 + TTBXQuorixTheme::ShadowSize);
}

void TestMenuPainter::noColourFallsBackToTheDesktop()
{
    ThemeColors theme = LightTheme();
    theme.menuColor = clNone;
    theme.menuPopupColor = clNone;
    theme.menuBorderColor = clNone;
    theme.menuPopupFontColor = clDefault;
    BarFixture f(theme, false);
    f.file->popup(f.window.mapToGlobal(QPoint(20, 60)));
    QVERIFY(QTest::qWaitForWindowExposed(f.file));
    const QImage popup = f.GrabMenu(f.file);
    const QColor menu = DesktopColor(4, QApplication::palette());
    QCOMPARE(At(popup, 0, popup.height() / 2), menu); // no border drawn
    QCOMPARE(At(popup, popup.width() / 2, popup.height() - 1), menu);
    const QRect open = f.file->actionGeometry(f.open);
    QVERIFY(StrongestContrast(popup, open, menu) >= 60); // text in a readable colour
    const QImage bar = f.bar->grab().toImage();
    QCOMPARE(At(bar, bar.width() - 1, bar.height() / 2), DesktopColor(15, QApplication::palette()));
}

void TestMenuPainter::themeSetsExactlyItsEntries()
{
    const MenuPainterColors derived = MenuPainterColors::Derived();
    MenuPainterColors c = derived;
    const ThemeColors t = DarkTheme();
    c.ApplyTheme(t);

    QCOMPARE(c.ViewColor(vkBar), t.menuColor);
    QCOMPARE(c.ViewColor(vkFloatingBar), t.menuColor);
    QCOMPARE(c.ViewColor(vkDockPanel), t.menuColor);
    QCOMPARE(c.ViewColor(vkPopup), t.menuPopupColor);
    QCOMPARE(c.ViewColor(vkOther), clBtnFace);
    QCOMPARE(c.ViewColor(vkListPopup), clWindow);
    QCOMPARE(c.barItems[bisNormal], (TItemColors{derived.barItems[bisNormal].fill, t.menuFontColor, t.menuColor}));
    for (const TBarItemState s : {bisPushed, bisHot, bisOpen})
        QCOMPARE(c.barItems[s], (TItemColors{t.menuSelectColor, t.menuSelectFontColor, t.menuSelectColor}));
    for (const TBarItemState s : {bisDisabled, bisChecked, bisDisabledHot, bisCheckedHot})
        QCOMPARE(c.barItems[s], derived.barItems[s]);
    QCOMPARE(c.popupItems[pisNormal], (TItemColors{derived.popupItems[pisNormal].fill, t.menuPopupFontColor,
                                                   derived.popupItems[pisNormal].frame}));
    QCOMPARE(c.popupItems[pisHot], (TItemColors{t.menuPopupSelectColor, t.menuPopupSelectFontColor,
                                                derived.popupItems[pisHot].frame}));
    QCOMPARE(c.popupItems[pisDisabled], derived.popupItems[pisDisabled]);
    QCOMPARE(c.popupItems[pisDisabledHot], derived.popupItems[pisDisabledHot]);
    QCOMPARE(c.gradientEnd, t.menuPopupSelectEndColor);
    QVERIFY(c.gradient);
    QCOMPARE(c.highlightText, t.menuSelectFontColor);
    QCOMPARE(c.borderColor, t.menuBorderColor);
    QCOMPARE(c.dropShadow, derived.dropShadow);

    c.ApplyTheme(PlainTheme());
    QVERIFY(!c.gradient);
}

void TestMenuPainter::barItemStateRule_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("hot");
    QTest::addColumn<bool>("pushed");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("open");
    QTest::addColumn<int>("state");
    QTest::newRow("normal") << true << false << false << false << false << int(bisNormal);
    QTest::newRow("hot") << true << true << false << false << false << int(bisHot);
    QTest::newRow("open beats pushed") << true << true << true << true << true << int(bisOpen);
    QTest::newRow("pushed beats checked") << true << true << true << true << false << int(bisPushed);
    QTest::newRow("checked") << true << false << false << true << false << int(bisChecked);
    QTest::newRow("checked hot") << true << true << false << true << false << int(bisCheckedHot);
    QTest::newRow("disabled") << false << false << true << true << true << int(bisDisabled);
    QTest::newRow("disabled reached") << false << true << false << false << false << int(bisDisabledHot);
}

void TestMenuPainter::barItemStateRule()
{
    QFETCH(bool, enabled);
    QFETCH(bool, hot);
    QFETCH(bool, pushed);
    QFETCH(bool, checked);
    QFETCH(bool, open);
    QFETCH(int, state);
    QCOMPARE(int(BarItemState(enabled, hot, pushed, checked, open)), state);
}

void TestMenuPainter::laterMenusGetTheStyle()
{
    BarFixture f(LightTheme(), false);
    QCOMPARE(f.bar->style(), f.painter);
    QCOMPARE(f.file->style(), f.painter);
    QCOMPARE(f.more->style(), f.painter);

    QMenu *later = f.file->addMenu(QStringLiteral("Later"));
    QMenu *deeper = later->addMenu(QStringLiteral("Deeper"));
    QMenu *onBar = f.bar->addMenu(QStringLiteral("Added"));
    auto *parentless = new QMenu(QStringLiteral("Parentless"));
    f.edit->addMenu(parentless);
    auto *child = new QMenu(&f.window); // a context menu of the bar window
    child->ensurePolished();
    QCOMPARE(later->style(), f.painter);
    QCOMPARE(deeper->style(), f.painter);
    QCOMPARE(onBar->style(), f.painter);
    QCOMPARE(parentless->style(), f.painter);
    QCOMPARE(child->style(), f.painter);
    delete parentless;
}

void TestMenuPainter::nullStyleRestoresTheApplicationStyle()
{
    BarFixture f(LightTheme(), true);
    ApplyMenuStyle(&f.window, nullptr);
    QCOMPARE(f.file->style(), QApplication::style());
    QCOMPARE(f.bar->style(), QApplication::style());
    QCOMPARE(f.file->contentsMargins(), QMargins()); // the shadow band went with the painter
    QMenu *later = f.file->addMenu(QStringLiteral("Later"));
    QCOMPARE(later->style(), QApplication::style());
}

void TestMenuPainter::selectedByName()
{
    QVERIFY(MenuThemeNames().contains(QStringLiteral("Quorix")));
    QStyle *painter = SelectMenuTheme(QStringLiteral("quorix"));
    QVERIFY(qobject_cast<TTBXQuorixTheme *>(painter));
    QCOMPARE(SelectMenuTheme(QStringLiteral("Quorix")), painter); // one object for the program's life
    QCOMPARE(SelectMenuTheme(QStringLiteral("Unknown")), nullptr);

    ApplyThemeToPainter(painter, DarkTheme());
    auto *quorix = qobject_cast<TTBXQuorixTheme *>(painter);
    QCOMPARE(quorix->ViewColor(vkPopup), Q(DarkTheme().menuPopupColor));
}

void TestMenuPainter::barAndMarqueeColours()
{
    const ThemeColors t = DarkTheme();
    QWidget bar;
    bar.resize(50, 20);
    ApplyThemeToBar(&bar, t);
    QCOMPARE(At(bar.grab().toImage(), 25, 10), Q(t.menuColor));

    TBLabel marquee(QStringLiteral("Marquee"));
    ApplyThemeToMarquee(&marquee, t);
    QCOMPARE(marquee.palette().color(QPalette::Window), Q(t.menuColor));
    QCOMPARE(marquee.palette().color(QPalette::WindowText), Q(t.menuFontColor));
    QCOMPARE(marquee.HoverBGColor(), Q(t.menuSelectColor));
    QCOMPARE(marquee.HoverColor(), Q(t.menuSelectFontColor));
    QVERIFY(marquee.UseHoverBGColor());
}

QTEST_MAIN(TestMenuPainter)
#include "tst_menupainter.moc"
