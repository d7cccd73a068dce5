// Key-value strings are how menu entries, info bar objects and project items are stored: a reader
// that misparses or hangs on one loses the user's menus.
#include "base/namedvalues.h"

#include <QTest>

class TestNamedValues : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
    void formatLeavesOutEmptyPairs();
    void formatRemovesClosingSequenceSoTheTextReadsBack();
    void roundTrip_data();
    void roundTrip();
    void parseTerminatesOnHostileInput_data();
    void parseTerminatesOnHostileInput();
};

void TestNamedValues::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected"); // name=value, in order

    QTest::newRow("menu entry") << QStringLiteral("active:\"1\"; itemtype:\"0\"; name:\"&Programs\"; path:\"$PROGRAMS$\";")
                                << QStringList{"active=1", "itemtype=0", "name=&Programs", "path=$PROGRAMS$"};
    QTest::newRow("four characters hold nothing") << QStringLiteral("a:\"\";") << QStringList{};
    QTest::newRow("empty") << QString() << QStringList{};
    QTest::newRow("empty value stores nothing") << QStringLiteral("name:\"\"; path:\"/tmp\";")
                                                << QStringList{"path=/tmp"};
    QTest::newRow("repeated name replaces in place") << QStringLiteral("path:\"a\"; name:\"n\"; PATH:\"b\";")
                                                     << QStringList{"path=b", "name=n"};
    QTest::newRow("value with blanks and colon") << QStringLiteral("name:\"My Docs: old\"; x:\"1\";")
                                                 << QStringList{"name=My Docs: old", "x=1"};
    QTest::newRow("missing closing sequence") << QStringLiteral("name:\"abc path:\"x\";")
                                              << QStringList{"name=abc path:\"x"};
    QTest::newRow("no opening sequence") << QStringLiteral("just some text") << QStringList{};
    QTest::newRow("blanks before the first name") << QStringLiteral("   name:\"v\";") << QStringList{"name=v"};
    QTest::newRow("one-letter first name stops after it") << QStringLiteral("a:\"1\"; b:\"2\";")
                                                           << QStringList{"a=1"};
    QTest::newRow("value holds an opening sequence") << QStringLiteral("cmd:\"say:\"hi\"; next:\"n\";")
                                                     << QStringList{"cmd=say:\"hi", "next=n"};
}

void TestNamedValues::parse()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    const NamedValueList values = ParseNamedValues(text);
    QStringList actual;
    for (const auto &[name, value] : values.Pairs())
        actual << name + '=' + value;
    QCOMPARE(actual, expected);
}

void TestNamedValues::formatLeavesOutEmptyPairs()
{
    NamedValueList values;
    values.SetValue("active", "1");
    values.SetValue("", "orphan");
    values.SetValue("mask", "");
    values.SetValue("path", "/home/me");
    QCOMPARE(FormatNamedValues(values), QStringLiteral("active:\"1\"; path:\"/home/me\";"));
    QCOMPARE(FormatNamedValues(NamedValueList()), QString());
}

void TestNamedValues::formatRemovesClosingSequenceSoTheTextReadsBack()
{
    NamedValueList values;
    values.SetValue("name", "a\";b");
    values.SetValue("odd", "\"\";;x");
    const QString text = FormatNamedValues(values);
    QCOMPARE(text, QStringLiteral("name:\"ab\"; odd:\"x\";"));
    QCOMPARE(ParseNamedValues(text).Value("odd"), QStringLiteral("x"));
}

void TestNamedValues::roundTrip_data()
{
    QTest::addColumn<QStringList>("pairs");
    QTest::newRow("info bar object") << QStringList{"name", "CPU", "object", "cpu", "param", "0", "interval", "2"};
    QTest::newRow("unicode") << QStringList{"name", "Dokumente für Jürgen", "path", "/home/j/Über"};
    QTest::newRow("quotes inside") << QStringList{"label", "say \"hi\"", "path", "/x"};
}

void TestNamedValues::roundTrip()
{
    QFETCH(QStringList, pairs);
    NamedValueList values;
    for (int i = 0; i + 1 < pairs.size(); i += 2)
        values.SetValue(pairs[i], pairs[i + 1]);
    QCOMPARE(ParseNamedValues(FormatNamedValues(values)), values);
    QCOMPARE(ParseNamedValues(FormatNamedValues(values)).Value(pairs[0].toUpper()), pairs[1]);
}

void TestNamedValues::parseTerminatesOnHostileInput_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("only openers") << QString(":\"").repeated(1000);
    QTest::newRow("only closers") << QString("\";").repeated(1000);
    QTest::newRow("interleaved") << QString("a:\";\"").repeated(500);
    QTest::newRow("blanks") << QString(' ').repeated(5000);
    QTest::newRow("opener at start") << QStringLiteral(":\"abc\";");
}

void TestNamedValues::parseTerminatesOnHostileInput()
{
    QFETCH(QString, text);
    NamedValueList values;
    ParseNamedValues(text, values); // returning at all is the test
    QVERIFY(values.Count() <= text.size());
}

QTEST_GUILESS_MAIN(TestNamedValues)
#include "tst_namedvalues.moc"
