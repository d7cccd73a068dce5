// The application the contacts menu offers as the address book: the desktop's default for
// text/vcard, but only one that takes vCards itself. GIO's default falls back on a parent type,
// and vCards are text, so a text editor would otherwise be offered as the address book.
#include "platform/defaultapplications.h"
#include "testenv.h"

#include <QTest>

#include <memory>

class TestDefaultApplications : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void defaultFor_data();
    void defaultFor();

private:
    std::unique_ptr<TestHome> m_home;
};

void TestDefaultApplications::initTestCase()
{
    // GIO reads the folders once, at its first use: everything is in place before that.
    m_home = std::make_unique<TestHome>();
    const QString apps = QStringLiteral(".local/share/applications/");
    m_home->writeFile(apps + "quorixtest-editor.desktop",
                      "[Desktop Entry]\nType=Application\nName=Editor\nExec=true %f\nMimeType=text/plain;\n");
    m_home->writeFile(apps + "quorixtest-calendar.desktop",
                      "[Desktop Entry]\nType=Application\nName=Calendar\nExec=true %f\nMimeType=text/calendar;\n");
    // GIO learns which application takes which type from the folder's cache, as
    // update-desktop-database writes it.
    m_home->writeFile(apps + "mimeinfo.cache", "[MIME Cache]\ntext/calendar=quorixtest-calendar.desktop;\n"
                                               "text/plain=quorixtest-editor.desktop;\n");
    m_home->writeFile(".config/mimeapps.list", "[Default Applications]\ntext/plain=quorixtest-editor.desktop\n");
    // The system's folders stay readable after ours: the content types and their parents live there.
    qputenv("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
}

void TestDefaultApplications::defaultFor_data()
{
    QTest::addColumn<QString>("contentType");
    QTest::addColumn<QString>("expected"); // the file name, "" for none, "*" for any that names the type

    QTest::newRow("the user's choice for plain text") << "text/plain" << "quorixtest-editor.desktop";
    QTest::newRow("vCards are text, but the editor is no address book") << "text/vcard" << "*";
    QTest::newRow("an application that names the type") << "text/calendar" << "*";
}

void TestDefaultApplications::defaultFor()
{
    QFETCH(QString, contentType);
    QFETCH(QString, expected);
    const QString file = DefaultApplicationFor(contentType);
    if (expected != QLatin1String("*")) {
        QCOMPARE(QFileInfo(file).fileName(), expected);
        return;
    }
    QVERIFY2(!file.endsWith(QLatin1String("quorixtest-editor.desktop")), qPrintable(file));
    if (contentType == QLatin1String("text/calendar"))
        QVERIFY(!file.isEmpty());
    if (!file.isEmpty())
        QVERIFY2(readWholeFile(file).contains(contentType.toUtf8()), qPrintable(file));
}

QTEST_GUILESS_MAIN(TestDefaultApplications)
#include "tst_defaultapplications.moc"
