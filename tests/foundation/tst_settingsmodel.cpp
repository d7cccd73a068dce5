// settings.ini through the one settings model: what it reads is written back unchanged, what an
// editor changes lands in the file without disturbing keys the model does not know, and the bar
// sees a hand edit only after a refresh.
#include "base/inifile.h"
#include "foundation/datafiles.h"
#include "foundation/pathmacros.h"
#include "foundation/settingsmodel.h"
#include "testenv.h"

#include <QFile>
#include <QTest>

#include <memory>

namespace {
const QByteArray kHandEdited = "; edited by hand\n"
                               "[menu-settings]\n"
                               "height=tall\n"
                               "ShowIcons=0\n"
                               "runwidth=160\n"
                               "colour-of-the-day=blue\n"
                               "[marquee]\n"
                               "line0=[Date(dddd)]\n"
                               "[my-own-section]\n"
                               "anything=goes here\n"
                               "[alias]\n"
                               "$TOOLS$=/opt/tools\n"
                               "$Docs$=/srv/docs\n";

QByteArray ShippedSettings()
{
    return readWholeFile(QFINDTESTDATA("../../resources/Default/Data/settings.ini"));
}
} // namespace

class TestSettingsModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_home = std::make_unique<TestHome>(); }
    void cleanup() { m_home.reset(); }

    void unchangedModelLeavesTheFileAsItWas_data();
    void unchangedModelLeavesTheFileAsItWas();
    void writtenValuesReadBack();
    void changeKeepsUnknownKeysAndUntouchedValues();
    void saveAppliesToTheFileAsItIsNow();
    void aliasesAndMarqueeLinesAreRewrittenInOrder();
    void unreadableFileIsNeverWritten();
    void barSeesAHandEditAfterTheRefresh();

private:
    QString writeSettings(const QByteArray &content) { return m_home->writeFile(DataFilePath(dfSettings), content); }
    std::unique_ptr<TestHome> m_home;
};

void TestSettingsModel::unchangedModelLeavesTheFileAsItWas_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("shipped settings.ini") << ShippedSettings();
    QTest::newRow("hand-edited with unknown keys") << kHandEdited;
}

void TestSettingsModel::unchangedModelLeavesTheFileAsItWas()
{
    QFETCH(QByteArray, content);
    QVERIFY(!content.isEmpty());
    const QString path = writeSettings(content);
    SettingsModel model(path);
    QVERIFY(model.Save());
    QCOMPARE(readWholeFile(path), content);

    // Writing every typed value into a copy of the file changes nothing either.
    IniFile copy(path);
    copy.SetAutoSave(false);
    const QByteArray before = copy.ToData();
    QVERIFY(model.bar.Write(copy, BarSettings::Read(copy)));
    QCOMPARE(copy.ToData(), before);
}

void TestSettingsModel::writtenValuesReadBack()
{
    const QString path = writeSettings(ShippedSettings());
    SettingsModel model(path);
    model.bar.dockAtBottom = true;
    model.bar.height = 30;
    model.bar.showRun = false;
    model.bar.infoBarEnabled = true;
    model.bar.marqueeWidth = 321;
    model.bar.menuAlpha = 40;
    model.bar.dropShadow = false;
    const BarSettings expected = model.bar;
    QVERIFY(model.Save());

    const BarSettings read = BarSettings::Read(IniFile(path));
    QCOMPARE(read, expected);
    const IniFile file(path);
    QCOMPARE(file.ReadString("general", "position"), QStringLiteral("bottom"));
    QCOMPARE(file.ReadString("alphablend", "menu_dropshadow"), QStringLiteral("0"));
}

void TestSettingsModel::changeKeepsUnknownKeysAndUntouchedValues()
{
    const QString path = writeSettings(kHandEdited);
    SettingsModel model(path);
    QCOMPARE(model.bar.height, 22);        // "tall" reads as the default ...
    QCOMPARE(model.bar.showIcons, false);  // ... and the dialog's spelling names the same key
    model.bar.runWidth = 200;
    QVERIFY(model.Save());

    const IniFile file(path);
    QCOMPARE(file.ReadString("menu-settings", "runwidth"), QStringLiteral("200"));
    QCOMPARE(file.ReadString("menu-settings", "height"), QStringLiteral("tall")); // nobody changed it
    QCOMPARE(file.ReadString("menu-settings", "colour-of-the-day"), QStringLiteral("blue"));
    QCOMPARE(file.ReadString("my-own-section", "anything"), QStringLiteral("goes here"));
    QCOMPARE(file.ReadString("marquee", "line0"), QStringLiteral("[Date(dddd)]"));
    QCOMPARE(file.Keys("menu-settings"),
             (QStringList{"height", "ShowIcons", "runwidth", "colour-of-the-day"}));
    QVERIFY(!file.ValueExists("menu-settings", "maxnumber")); // defaults are not spelled out
}

void TestSettingsModel::saveAppliesToTheFileAsItIsNow()
{
    const QString path = writeSettings(ShippedSettings());
    SettingsModel model(path);
    {
        // A dialog closes and stores its place while the editor is open.
        IniFile other(path);
        other.WriteInteger("sizes", "About-X", 300);
        other.WriteString("menu-settings", "runcount", "40");
    }
    model.bar.showRun = false;
    QVERIFY(model.Save());
    const IniFile file(path);
    QCOMPARE(file.ReadInteger("sizes", "About-X", 0), 300);
    QCOMPARE(file.ReadInteger("menu-settings", "runcount", 0), 40);
    QCOMPARE(file.ReadBool("menu-settings", "showrun", true), false);
}

void TestSettingsModel::aliasesAndMarqueeLinesAreRewrittenInOrder()
{
    const QString path = writeSettings(kHandEdited);
    SettingsModel model(path);
    QCOMPARE(model.aliases.size(), 2);
    QCOMPARE(model.AliasFolder("$docs$"), QStringLiteral("/srv/docs"));
    model.aliases.removeFirst();
    model.aliases.append(std::pair<QString, QString>("$MUSIC$", "/srv/music"));
    model.bar.marqueeLines = {"first", "second"};
    QVERIFY(model.Save());

    const IniFile file(path);
    QCOMPARE(file.Keys("alias"), (QStringList{"$Docs$", "$MUSIC$"}));
    QCOMPARE(file.Keys("marquee"), (QStringList{"line0", "line1"}));
    QCOMPARE(model.AliasFolder("$TOOLS$"), QString()); // the model reads what it wrote
    QCOMPARE(model.AliasFolder("$MUSIC$"), QStringLiteral("/srv/music"));
}

void TestSettingsModel::unreadableFileIsNeverWritten()
{
    const QString path = writeSettings(kHandEdited);
    SettingsModel model(path);
    QFile::setPermissions(path, QFileDevice::WriteOwner);
    if (QFile(path).open(QIODevice::ReadOnly))
        QSKIP("running with permissions that read any file");
    model.bar.runWidth = 999;
    QVERIFY(!model.Save());
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QCOMPARE(readWholeFile(path), kHandEdited);
}

void TestSettingsModel::barSeesAHandEditAfterTheRefresh()
{
    writeSettings("[alias]\n$TOOLS$=/opt/tools\n");
    QCOMPARE(ExpandPathMacro("$TOOLS$/app"), QStringLiteral("/opt/tools/app"));
    writeSettings("[alias]\n$TOOLS$=/usr/local/tools\n");
    QCOMPARE(ExpandPathMacro("$TOOLS$/app"), QStringLiteral("/opt/tools/app"));
    ReloadSettings();
    QCOMPARE(ExpandPathMacro("$TOOLS$/app"), QStringLiteral("/usr/local/tools/app"));
    QCOMPARE(CurrentSettings().bar.height, 22);
}

QTEST_GUILESS_MAIN(TestSettingsModel)
#include "tst_settingsmodel.moc"
