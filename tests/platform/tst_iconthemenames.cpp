// The icon chooser's list: every icon of the theme, of the themes it inherits and of hicolor, by
// name, once each, and nothing of a theme it does not inherit.
#include "platform/iconthemenames.h"
#include "testenv.h"

#include <QIcon>
#include <QTest>

class TestIconThemeNames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void inherits_data();
    void inherits();
    void namesOfTheThemeAndItsParents();
};

void TestIconThemeNames::inherits_data()
{
    QTest::addColumn<QString>("index");
    QTest::addColumn<QStringList>("parents");
    QTest::newRow("one") << "[Icon Theme]\nName=A\nInherits=Adwaita\n" << QStringList{"Adwaita"};
    QTest::newRow("several, with blanks") << "[Icon Theme]\nInherits = gnome, hicolor\n" << QStringList{"gnome", "hicolor"};
    QTest::newRow("empty parts are no themes") << "[Icon Theme]\nInherits= , a ,,b,\n" << QStringList{"a", "b"};
    QTest::newRow("none") << "[Icon Theme]\nName=A\n" << QStringList{};
    QTest::newRow("only in the theme's own group") << "[16x16/apps]\nInherits=x\n[Icon Theme]\nName=A\n" << QStringList{};
    QTest::newRow("a key that only starts alike") << "[Icon Theme]\nInheritsNot=x\n" << QStringList{};
}

void TestIconThemeNames::inherits()
{
    QFETCH(QString, index);
    QFETCH(QStringList, parents);
    QCOMPARE(InheritedIconThemes(index), parents);
}

void TestIconThemeNames::namesOfTheThemeAndItsParents()
{
    TestHome home;
    home.writeFile("icons/Child/index.theme", "[Icon Theme]\nName=Child\nInherits=Parent\n");
    home.writeFile("icons/Child/16x16/apps/editor.png", "png");
    home.writeFile("icons/Child/scalable/apps/terminal.svg", "svg");
    home.writeFile("icons/Child/16x16/apps/terminal-symbolic.symbolic.png", "png");
    home.writeFile("icons/Parent/index.theme", "[Icon Theme]\nName=Parent\nInherits=Child\n");
    home.writeFile("icons/Parent/32x32/apps/editor.png", "png");
    home.writeFile("icons/Parent/32x32/places/folder.xpm", "xpm");
    home.writeFile("icons/Parent/32x32/places/notes.txt", "not an icon");
    home.writeFile("icons/hicolor/48x48/apps/quorix.png", "png");
    home.writeFile("icons/Other/48x48/apps/stranger.png", "png");
    const QStringList oldPaths = QIcon::themeSearchPaths();
    QIcon::setThemeSearchPaths({home.path() + QStringLiteral("/icons")});
    const QStringList names = IconThemeNames(QStringLiteral("Child"));
    QIcon::setThemeSearchPaths(oldPaths);
    QCOMPARE(names, (QStringList{"editor", "folder", "quorix", "terminal", "terminal-symbolic"}));
}

QTEST_MAIN(TestIconThemeNames)
#include "tst_iconthemenames.moc"
