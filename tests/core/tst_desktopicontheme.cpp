// The desktop's icon theme while the bar runs: a theme the desktop announces is taken up and the
// bar rebuilt with its icons, once per change.
#include "core/databar.h"
#include "core/td.h"
#include "platform/fake/fakeiconthemesource.h"
#include "platform/scopedservice.h"
#include "testenv.h"

#include <QIcon>
#include <QLabel>
#include <QTest>
#include <QWidget>

namespace {

class CountingBar : public DataBar
{
public:
    QWidget window;
    int refreshes = 0;

    QWidget *BarWindow() override { return &window; }
    bool OpaqueWhileActive() const override { return false; }
    int BlendValue() const override { return 255; }
    void SetBlend(int) override {}
    QStyle *MenuStyle() const override { return nullptr; }
    QLabel *Marquee() const override { return nullptr; }
    void RefreshMenu1Click() override { ++refreshes; }
};

} // namespace

class TestDesktopIconTheme : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void followsTheDesktop_data();
    void followsTheDesktop();
};

void TestDesktopIconTheme::followsTheDesktop_data()
{
    QTest::addColumn<QStringList>("announced");
    QTest::addColumn<QString>("theme");
    QTest::addColumn<int>("refreshes");

    QTest::newRow("a new theme") << QStringList{"HighContrast"} << "HighContrast" << 1;
    QTest::newRow("two changes") << QStringList{"HighContrast", "Papirus"} << "Papirus" << 2;
    QTest::newRow("the theme in use again") << QStringList{"HighContrast", "HighContrast"} << "HighContrast" << 1;
    QTest::newRow("no name keeps the theme") << QStringList{""} << "Adwaita" << 0;
}

void TestDesktopIconTheme::followsTheDesktop()
{
    QFETCH(QStringList, announced);
    QFETCH(QString, theme);
    QFETCH(int, refreshes);
    TestHome home;
    QIcon::setThemeName(QStringLiteral("Adwaita"));
    FakeIconThemeSource desktop;
    ScopedService<IconThemeSource> useDesktop(desktop);
    TD data;
    CountingBar bar;
    data.AttachBar(&bar);
    QVERIFY(desktop.watching);
    for (const QString &name : announced)
        desktop.Announce(name);
    QCOMPARE(QIcon::themeName(), theme);
    QCOMPARE(bar.refreshes, refreshes);
    data.AttachBar(nullptr);
}

QTEST_MAIN(TestDesktopIconTheme)
#include "tst_desktopicontheme.moc"
