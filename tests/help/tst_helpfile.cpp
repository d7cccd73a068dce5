// The help file as the viewer reads it: files the packer wrote and files made byte by byte, the
// pages turned into HTML and into text for the search, and what a damaged file may not do.
#include "help/pagehtml.h"
#include "help/pageinflater.h"
#include "help/qdsfile.h"
#include "help/searchterms.h"
#include "qdswriter.h"
#include "testenv.h"

#include <QFile>
#include <QTest>

#include <zlib.h>

namespace {

// A help file put together byte by byte, for what the packer never writes.
class HandMadeFile
{
public:
    QByteArray version = QByteArray::fromHex("00000001");
    QByteArray signature = "QDSYS";
    QString title = QStringLiteral("Guide");
    QString home = QStringLiteral("one");
    quint8 compression = 0;
    quint8 flags = 2 | 4 | 8;
    struct Page { QByteArray name, title, stored; };
    QList<Page> pages;
    QByteArray contents;   // the stored tree, as is

    static void U16(QByteArray &out, quint16 v) { out.append(char(v & 0xFF)).append(char(v >> 8)); }
    static void U32(QByteArray &out, quint32 v)
    {
        for (int s = 0; s < 32; s += 8)
            out.append(char((v >> s) & 0xFF));
    }
    static void Short(QByteArray &out, const QByteArray &text) { out.append(char(text.size())).append(text); }
    // A node with no children: child count, page number, caption.
    static QByteArray Node(quint16 children, quint16 pageNumber, const QByteArray &caption)
    {
        QByteArray node;
        U16(node, children);
        U16(node, pageNumber);
        Short(node, caption);
        return node;
    }

    QByteArray Bytes(qint64 pageTableShift = 0, qint64 dataShift = 0) const
    {
        QByteArray head = signature + version;
        QByteArray tail;
        Short(tail, title.toUtf8());
        Short(tail, home.toUtf8());
        tail.append(char(compression)).append(char(flags));
        U16(tail, 0);
        const quint32 headerSize = quint32(head.size() + 18 + tail.size());
        QByteArray table;
        for (const Page &page : pages) {
            Short(table, page.name);
            Short(table, page.title);
            U32(table, quint32(page.stored.size()));
        }
        const quint32 contentsAt = headerSize + quint32(table.size());
        const quint32 dataAt = contentsAt + quint32(contents.size());
        U32(head, pages.isEmpty() ? 0 : quint32(headerSize + pageTableShift));
        U16(head, quint16(pages.size()));
        U32(head, contents.isEmpty() ? 0 : contentsAt);
        U32(head, quint32(dataAt + dataShift));
        U32(head, 0);
        QByteArray file = head + tail + table + contents;
        for (const Page &page : pages)
            file += page.stored;
        return file;
    }
};

QByteArray Deflate(const QByteArray &data)
{
    uLongf size = compressBound(uLong(data.size()));
    QByteArray out(qsizetype(size), Qt::Uninitialized);
    compress(reinterpret_cast<Bytef *>(out.data()), &size, reinterpret_cast<const Bytef *>(data.constData()),
             uLong(data.size()));
    out.truncate(qsizetype(size));
    return out;
}

QString Page(const QdsFile &file, int k)
{
    QString html;
    return file.ReadPage(k, html) ? html : QStringLiteral("<unreadable>");
}

} // namespace

class TestHelpFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsWhatThePackerWrote();
    void refusesOtherSignaturesAndVersions_data();
    void refusesOtherSignaturesAndVersions();
    void readsHandMadeContents();
    void contentFlagWithoutTreeGivesNoNodes();
    void pageOfSizeZeroIsEmpty();
    void uncompressedPagesAreUsedAsStored();
    void damagedPagesCannotBeRead_data();
    void damagedPagesCannotBeRead();
    void tablesOutsideTheFileRefuseIt();
    void inflationStopsAtTheLimit();
    void resourceLocationInTags_data();
    void resourceLocationInTags();
    void plainText_data();
    void plainText();
    void searchTerms_data();
    void searchTerms();
    void searchMatchesTextOrTitle();
};

void TestHelpFile::readsWhatThePackerWrote()
{
    TestHome home;
    QdsWriter writer;
    writer.SetTitle(QStringLiteral("Quorix"));
    writer.SetDefaultPage(QStringLiteral("general-about"));
    writer.SetResources(true);
    const int about = writer.AddPage(QStringLiteral("general-about"), QStringLiteral("About Quorix"),
                                     "<html><img src=\"&qdsres;/bar.png\">About</html>");
    const int alias = writer.AddPage(QStringLiteral("settings_alias.html"), QStringLiteral("Aliases"),
                                     QStringLiteral("<p>Caf\u00e9 aliases</p>").toUtf8());
    QdsWriter::Node settings{QStringLiteral("Settings"), -1, {}};
    settings.children.push_back({QString(), alias, {}});
    writer.SetContents({{QString(), about, {}}, settings});
    const QString path = home.path() + QStringLiteral("/Help/quorix.qds");
    QDir().mkpath(home.path() + QStringLiteral("/Help"));
    QVERIFY2(writer.WriteFile(path), qPrintable(writer.Error()));

    QdsFile file;
    QVERIFY(file.Open(path));
    QCOMPARE(file.Header().title, QStringLiteral("Quorix"));
    QCOMPARE(file.Header().defaultPage, QStringLiteral("general-about"));
    QVERIFY(file.Header().compressed);
    QVERIFY(file.Header().showContent && file.Header().showIndex && file.Header().showSearch);
    QCOMPARE(file.Pages().size(), 2);
    QCOMPARE(file.Pages()[1].title, QStringLiteral("Aliases"));
    QCOMPARE(file.PageByName(QStringLiteral("settings_alias.html")), 1);
    QCOMPARE(file.PageByName(QStringLiteral("Settings_Alias.html")), -1);
    QCOMPARE(file.ResourceLocation(), home.path() + QStringLiteral("/Help/quorix.qdsres"));
    QCOMPARE(Page(file, 0), QStringLiteral("<html><img src=\"%1/bar.png\">About</html>").arg(file.ResourceLocation()));
    QCOMPARE(Page(file, 1), QStringLiteral("<p>Caf\u00e9 aliases</p>"));

    QCOMPARE(file.Contents().size(), size_t(2));
    QCOMPARE(file.Contents()[0].caption, QStringLiteral("About Quorix"));
    QCOMPARE(file.Contents()[0].info.pageIndex, 0);
    QCOMPARE(file.Contents()[1].caption, QStringLiteral("Settings"));
    QCOMPARE(file.Contents()[1].info.pageIndex, -1);
    QCOMPARE(file.Contents()[1].children.size(), size_t(1));
    QCOMPARE(file.Contents()[1].children[0].caption, QStringLiteral("Aliases"));
}

void TestHelpFile::refusesOtherSignaturesAndVersions_data()
{
    QTest::addColumn<QByteArray>("signature");
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("version 01000000") << QByteArray("QDSYS") << QByteArray::fromHex("00000001") << true;
    QTest::newRow("version bytes 01 00 00 01") << QByteArray("QDSYS") << QByteArray::fromHex("01000001") << false;
    QTest::newRow("version bytes 01 00 00 00") << QByteArray("QDSYS") << QByteArray::fromHex("01000000") << false;
    QTest::newRow("version 0") << QByteArray("QDSYS") << QByteArray::fromHex("00000000") << false;
    QTest::newRow("lower-case signature") << QByteArray("qdsys") << QByteArray::fromHex("00000001") << false;
    QTest::newRow("other signature") << QByteArray("QDSYT") << QByteArray::fromHex("00000001") << false;
}

void TestHelpFile::refusesOtherSignaturesAndVersions()
{
    QFETCH(QByteArray, signature);
    QFETCH(QByteArray, version);
    QFETCH(bool, accepted);
    HandMadeFile made;
    made.signature = signature;
    made.version = version;
    made.pages = {{"one", "One", "<p>one</p>"}};
    QdsFile file;
    QCOMPARE(file.OpenData(made.Bytes()), accepted);
    QCOMPARE(file.Pages().size(), accepted ? 1 : 0);
    QCOMPARE(file.Header().title, accepted ? QStringLiteral("Guide") : QString());
}

void TestHelpFile::readsHandMadeContents()
{
    HandMadeFile made;
    made.pages = {{"one", "First page", "<p>1</p>"}, {"two", "Second page", "<p>2</p>"}};
    // A folder holding a page whose caption is empty, a node without a page, and one whose page
    // number lies beyond the table.
    made.contents = HandMadeFile::Node(3, 0, "Folder") + HandMadeFile::Node(0, 2, "")
                    + HandMadeFile::Node(0, 0, "Nothing") + HandMadeFile::Node(0, 9, "Beyond")
                    + HandMadeFile::Node(0, 1, "Own caption");
    QdsFile file;
    QVERIFY(file.OpenData(made.Bytes()));
    const auto &tree = file.Contents();
    QCOMPARE(tree.size(), size_t(2));
    QCOMPARE(tree[0].caption, QStringLiteral("Folder"));
    QCOMPARE(tree[0].info.pageIndex, -1);
    QCOMPARE(tree[0].children.size(), size_t(3));
    QCOMPARE(tree[0].children[0].caption, QStringLiteral("Second page"));
    QCOMPARE(tree[0].children[0].info.pageIndex, 1);
    QCOMPARE(tree[0].children[1].info.pageIndex, -1);
    QCOMPARE(tree[0].children[2].caption, QStringLiteral("Beyond"));
    QCOMPARE(tree[1].caption, QStringLiteral("Own caption"));
}

void TestHelpFile::contentFlagWithoutTreeGivesNoNodes()
{
    HandMadeFile made;
    made.pages = {{"one", "One", "<p>1</p>"}};
    QdsFile file;
    QVERIFY(file.OpenData(made.Bytes()));
    QVERIFY(file.Header().showContent);
    QVERIFY(file.Contents().empty());
}

void TestHelpFile::pageOfSizeZeroIsEmpty()
{
    for (const quint8 compression : {quint8(0), quint8(1)}) {
        HandMadeFile made;
        made.compression = compression;
        made.pages = {{"empty", "Empty", ""}, {"next", "Next", compression ? Deflate("<p>n</p>") : "<p>n</p>"}};
        QdsFile file;
        QVERIFY(file.OpenData(made.Bytes()));
        QString html = QStringLiteral("old");
        QVERIFY(file.ReadPage(0, html));
        QVERIFY(html.isEmpty());
        QCOMPARE(Page(file, 1), QStringLiteral("<p>n</p>"));
    }
}

void TestHelpFile::uncompressedPagesAreUsedAsStored()
{
    HandMadeFile made;
    made.flags |= 1;   // resources
    made.pages = {{"one", "One", "<IMG src=\"&qdsres;/a.png\" alt=\"&qdsres;\"> &qdsres;"}};
    QdsFile file;
    QVERIFY(file.OpenData(made.Bytes()));
    QCOMPARE(Page(file, 0), QStringLiteral("<IMG src=\"/a.png\" alt=\"&qdsres;\"> &qdsres;"));
}

void TestHelpFile::damagedPagesCannotBeRead_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<qint64>("dataShift");
    const QByteArray good = Deflate("<p>a page of some length, a page of some length</p>");
    QTest::newRow("truncated stream") << good.left(good.size() - 6) << qint64(0);
    QTest::newRow("damaged check sum") << good.left(good.size() - 1) + char(good.back() ^ 1) << qint64(0);
    QTest::newRow("not a stream") << QByteArray("<p>plain</p>") << qint64(0);
    QTest::newRow("page beyond the end") << good << qint64(1000);
    QTest::newRow("offset near 4 GB") << good << qint64(0xFFFFF000LL);
}

void TestHelpFile::damagedPagesCannotBeRead()
{
    QFETCH(QByteArray, stored);
    QFETCH(qint64, dataShift);
    HandMadeFile made;
    made.compression = 1;
    made.pages = {{"bad", "Bad", stored}};
    QdsFile file;
    QVERIFY(file.OpenData(made.Bytes(0, dataShift)));
    QString html;
    QVERIFY(!file.ReadPage(0, html));
    QVERIFY(!file.ReadPageText(0, html));
}

void TestHelpFile::tablesOutsideTheFileRefuseIt()
{
    HandMadeFile made;
    made.pages = {{"one", "One", "<p>1</p>"}};
    QdsFile file;
    QVERIFY(!file.OpenData(made.Bytes(100000)));
    QVERIFY(file.Pages().isEmpty());
    // A page table cut short.
    QVERIFY(!file.OpenData(made.Bytes().left(45)));
    QVERIFY(!file.OpenData(QByteArray("QDSYS")));
    QVERIFY(!file.Open(QStringLiteral("/nonexistent/quorix.qds")));
}

void TestHelpFile::inflationStopsAtTheLimit()
{
    const QByteArray bomb = Deflate(QByteArray(4 * 1024 * 1024, 'x'));
    QByteArray inflated;
    QVERIFY(InflatePage(bomb, inflated));
    QCOMPARE(inflated.size(), 4 * 1024 * 1024);
    QVERIFY(!InflatePage(bomb, inflated, 1024 * 1024));
    QVERIFY(InflatePage(Deflate(QByteArray()), inflated));
    QVERIFY(inflated.isEmpty());
}

void TestHelpFile::resourceLocationInTags_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("expected");
    QTest::newRow("image") << "<img src=\"&qdsres;/a.png\">" << "<img src=\"/R/a.png\">";
    QTest::newRow("image in capitals") << "<IMG SRC=\"&qdsres;/a.png\">" << "<IMG SRC=\"/R/a.png\">";
    QTest::newRow("style sheet") << "<link rel=stylesheet href=\"&qdsres;/g.css\">"
                                 << "<link rel=stylesheet href=\"/R/g.css\">";
    QTest::newRow("second in the same tag") << "<img src=\"&qdsres;/a\" alt=\"&qdsres;\">"
                                            << "<img src=\"/R/a\" alt=\"&qdsres;\">";
    QTest::newRow("outside the tags") << "<p>&qdsres;</p><a href=\"&qdsres;/x\">"
                                      << "<p>&qdsres;</p><a href=\"&qdsres;/x\">";
    QTest::newRow("after the tag") << "<img src=\"a\">&qdsres;" << "<img src=\"a\">&qdsres;";
    QTest::newRow("every tag") << "<img src=\"&qdsres;/1\"><img src=\"&qdsres;/2\">"
                               << "<img src=\"/R/1\"><img src=\"/R/2\">";
    QTest::newRow("token in other case") << "<img src=\"&QDSRES;/a\">" << "<img src=\"&QDSRES;/a\">";
    QTest::newRow("tag never closes") << "<img src=\"&qdsres;/a\"" << "<img src=\"&qdsres;/a\"";
    QTest::newRow("img without blank") << "<imgsrc=\"&qdsres;\">" << "<imgsrc=\"&qdsres;\">";
}

void TestHelpFile::resourceLocationInTags()
{
    QFETCH(QString, html);
    QFETCH(QString, expected);
    QCOMPARE(SubstituteResourceLocation(html, QStringLiteral("/R")), expected);
}

void TestHelpFile::plainText_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("text");
    QTest::newRow("tags") << "<p>One <b>two</b></p>" << "One two";
    QTest::newRow("nested tags") << "a<b <c> d>e" << "ae";
    QTest::newRow("stray closing mark") << "a > b<i>c</i>" << "a > bc";
    QTest::newRow("unclosed tag") << "a<b c" << "a";
    QTest::newRow("entities") << "&nbsp;&amp;&lt;&gt;&quot;" << " &<>\"";
    QTest::newRow("entities in capitals") << "&NBSP;&Amp;&LT;" << " &<";
    QTest::newRow("other entities stay") << "&eacute;" << "&eacute;";
    QTest::newRow("escaped tag is text") << "&lt;b&gt;" << "<b>";
    QTest::newRow("letters beyond ASCII") << "<p>Caf\u00e9 <i>cr\u00e8me</i></p>" << "Caf\u00e9 cr\u00e8me";
}

void TestHelpFile::plainText()
{
    QFETCH(QString, html);
    QFETCH(QString, text);
    QCOMPARE(PlainPageText(html), text);
    // The search reads stored bytes: the same text, from UTF-8 and from Windows-1252 alike.
    QCOMPARE(PlainPageTextFromBytes(html.toUtf8()), text);
    QCOMPARE(PlainPageTextFromBytes(html.toLatin1()), text);
}

void TestHelpFile::searchTerms_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QStringList>("terms");
    QTest::newRow("one word") << "alias" << QStringList{"alias"};
    QTest::newRow("two words") << "run box" << QStringList{"run", "box"};
    QTest::newRow("blanks around and between") << "  run   box  " << QStringList{"run", "box"};
    QTest::newRow("phrase then word") << "\"run box\" alias" << QStringList{"run box", "alias"};
    QTest::newRow("word then phrase") << "alias \"run box\"" << QStringList{"alias", "run box"};
    QTest::newRow("lone opening mark") << "\"run box" << QStringList{"run", "box"};
    QTest::newRow("lone mark alone") << "\"" << QStringList{};
    QTest::newRow("mark inside a word") << "a\"b c" << QStringList{"a\"b", "c"};
    QTest::newRow("empty phrase") << "\"\" menu" << QStringList{"menu"};
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("all blank") << "   " << QStringList{};
}

void TestHelpFile::searchTerms()
{
    QFETCH(QString, query);
    QFETCH(QStringList, terms);
    QCOMPARE(SplitSearchTerms(query), terms);
}

void TestHelpFile::searchMatchesTextOrTitle()
{
    const QString text = QStringLiteral("Type a program name into the Run box.");
    QVERIFY(PageMatchesTerms({"run BOX", "program"}, text, QStringLiteral("Run box")));
    QVERIFY(PageMatchesTerms({"aliases"}, text, QStringLiteral("Run box and aliases")));
    QVERIFY(!PageMatchesTerms({"run", "hotkey"}, text, QStringLiteral("Run box")));
    QVERIFY(!PageMatchesTerms({}, text, QStringLiteral("Run box")));
    QVERIFY(PageMatchesTerms({QStringLiteral("\u00c4PFEL")}, QStringLiteral("Gr\u00fcne \u00e4pfel"), QString()));
    QVERIFY(PageMatchesTerms({QStringLiteral("\u03a3\u039f\u03a6")}, QStringLiteral("\u03c3\u03bf\u03c6"), QString()));
}

QTEST_GUILESS_MAIN(TestHelpFile)
#include "tst_helpfile.moc"
