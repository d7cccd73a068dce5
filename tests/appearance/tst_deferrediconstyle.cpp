// The style's overflow icons are looked up when first drawn, not while a menu bar is made; every
// other icon comes from the wrapped style at once, and a deferred icon draws as the real one.
#include "appearance/deferrediconstyle.h"
#include "appearance/deferredstandardiconengine.h"

#include <QApplication>
#include <QMenuBar>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTest>
#include <QToolButton>

class TestDeferredIconStyle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void asksTheBaseOnlyWhenNeeded_data();
    void asksTheBaseOnlyWhenNeeded();
    void deferredIconDrawsAsTheRealOne();
    void menuBarIsMadeWithoutLookingUpItsIcon();
    void installedStyleKeepsItsName();
};

namespace {

// The wrapped style, counting what it is asked for.
class CountingStyle : public QProxyStyle
{
public:
    CountingStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    mutable int asked = 0;
    QIcon standardIcon(StandardPixmap which, const QStyleOption *option,
                       const QWidget *widget) const override
    {
        ++asked;
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

QImage Picture(const QIcon &icon)
{
    return icon.pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

void TestDeferredIconStyle::asksTheBaseOnlyWhenNeeded_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<bool>("withOption");
    QTest::addColumn<int>("askedAtOnce");
    QTest::newRow("menu bar overflow") << int(QStyle::SP_ToolBarHorizontalExtensionButton) << false << 0;
    QTest::newRow("toolbar overflow") << int(QStyle::SP_ToolBarVerticalExtensionButton) << false << 0;
    QTest::newRow("overflow for an option") << int(QStyle::SP_ToolBarHorizontalExtensionButton) << true << 1;
    QTest::newRow("any other icon") << int(QStyle::SP_DialogOkButton) << false << 1;
}

void TestDeferredIconStyle::asksTheBaseOnlyWhenNeeded()
{
    QFETCH(int, which);
    QFETCH(bool, withOption);
    QFETCH(int, askedAtOnce);
    auto *base = new CountingStyle;
    DeferredIconStyle style(base);
    QStyleOption option;
    const QIcon icon = style.standardIcon(QStyle::StandardPixmap(which),
                                          withOption ? &option : nullptr);
    QCOMPARE(base->asked, askedAtOnce);
    QVERIFY(!icon.isNull()); // asking this must not look it up either
    QCOMPARE(base->asked, askedAtOnce);
    QVERIFY(!icon.pixmap(QSize(16, 16)).isNull());
    QCOMPARE(base->asked, 1);
    icon.pixmap(QSize(16, 16));
    QCOMPARE(base->asked, 1); // looked up once
}

void TestDeferredIconStyle::deferredIconDrawsAsTheRealOne()
{
    auto *base = new CountingStyle;
    DeferredIconStyle style(base);
    const auto which = QStyle::SP_ToolBarHorizontalExtensionButton;
    const QIcon deferred = style.standardIcon(which);
    const QIcon real = base->standardIcon(which, nullptr, nullptr);
    QCOMPARE(Picture(deferred), Picture(real));
    QCOMPARE(deferred.actualSize(QSize(16, 16)), real.actualSize(QSize(16, 16)));
    QCOMPARE(QIcon(deferred).availableSizes(), real.availableSizes()); // copies share the answer
}

void TestDeferredIconStyle::menuBarIsMadeWithoutLookingUpItsIcon()
{
    auto *base = new CountingStyle;
    QApplication::setStyle(new DeferredIconStyle(base));
    QMenuBar bar;
    QCOMPARE(base->asked, 0);
    for (int i = 0; i < 30; ++i)
        bar.addAction(QStringLiteral("Menu number %1").arg(i));
    bar.resize(200, 30);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    // The menus do not fit: the overflow button shows, with its picture.
    auto *overflow = bar.findChild<QToolButton *>(QStringLiteral("qt_menubar_ext_button"));
    QVERIFY(overflow);
    QTRY_VERIFY(overflow->isVisible());
    QVERIFY(!overflow->icon().pixmap(QSize(16, 16)).isNull());
    QVERIFY(base->asked >= 1);
}

void TestDeferredIconStyle::installedStyleKeepsItsName()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QString before = QApplication::style()->name();
    DeferredIconStyle::InstallOnApplication();
    auto *installed = qobject_cast<DeferredIconStyle *>(QApplication::style());
    QVERIFY(installed);
    QCOMPARE(installed->baseStyle()->name(), before); // the same kind of style, made afresh
    QCOMPARE(installed->objectName(), before);
}

QTEST_MAIN(TestDeferredIconStyle)
#include "tst_deferrediconstyle.moc"
