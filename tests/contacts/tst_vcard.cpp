// Address books come from many programs: a card that reads wrong shows a wrong name in the
// contacts menu or a wrong address in its details, and a damaged card must not hide the others.
#include "contacts/addressbook.h"
#include "contacts/vcardreader.h"
#include "contacts/vcardwriter.h"
#include "testenv.h"

#include <QDir>
#include <QTest>

namespace {

QByteArray Crlf(QByteArray text)
{
    return text.replace("\n", "\r\n");
}

QStringList Values(const QList<VCardValue> &values)
{
    QStringList out;
    for (const VCardValue &value : values)
        out.append(value.value);
    return out;
}

QStringList Names(const QList<VCard> &cards)
{
    QStringList out;
    for (const VCard &card : cards)
        out.append(card.DisplayName());
    return out;
}

} // namespace

class TestVCard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void realWorldCards_data();
    void realWorldCards();
    void damagedCardsAreSkipped_data();
    void damagedCardsAreSkipped();
    void addressComponents();
    void writtenCardReadsBack();
    void folderBookOrderAndIds();
    void appendKeepsTheBook_data();
    void appendKeepsTheBook();
};

void TestVCard::realWorldCards_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("emails");   // preferred first
    QTest::addColumn<QStringList>("telephones");
    QTest::addColumn<QString>("homePage");
    QTest::addColumn<bool>("group");

    QTest::newRow("2.1 quoted-printable latin-1, soft line break")
        << Crlf("BEGIN:VCARD\nVERSION:2.1\nN;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:M=FCller;J=FCrgen\n"
                "FN;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:J=FCrgen M=\n=FCller\n"
                "TEL;HOME;VOICE:+49 30 1234\nTEL;CELL:+49 170 9876\nEMAIL;INTERNET:jm@example.de\n"
                "URL;WORK:http://example.de/\nEND:VCARD\n")
        << QString::fromUtf8("Jürgen Müller") << QStringList{"jm@example.de"}
        << QStringList{"+49 30 1234", "+49 170 9876"} << "http://example.de/" << false;
    QTest::newRow("2.1 bare QUOTED-PRINTABLE, utf-8 charset")
        << QByteArray("BEGIN:VCARD\nVERSION:2.1\nFN;CHARSET=UTF-8;QUOTED-PRINTABLE:=C3=89lodie\nEND:VCARD\n")
        << QString::fromUtf8("Élodie") << QStringList{} << QStringList{} << "" << false;
    QTest::newRow("2.1 windows-1252 without charset")
        << QByteArray("BEGIN:VCARD\nVERSION:2.1\nFN:Ren\xe9\x20\x93Q\x94\nEND:VCARD\n")
        << QString::fromUtf8("René “Q”") << QStringList{} << QStringList{} << "" << false;
    QTest::newRow("2.1 PREF bare parameter")
        << QByteArray("BEGIN:VCARD\nVERSION:2.1\nFN:A\nEMAIL;INTERNET:second@x.org\nEMAIL;PREF;INTERNET:first@x.org\nEND:VCARD\n")
        << "A" << QStringList{"first@x.org", "second@x.org"} << QStringList{} << "" << false;
    QTest::newRow("3.0 folded lines and escapes")
        << Crlf("BEGIN:VCARD\nVERSION:3.0\nFN:Smith\\, John\\; Jr.\nN:Smith;John;;;Jr.\n"
                "EMAIL;TYPE=INTERNET;TYPE=HOME:john@\n example.com\nEMAIL;TYPE=INTERNET,WORK,pref:js@\n\twork.example\n"
                "END:VCARD\n")
        << "Smith, John; Jr." << QStringList{"js@work.example", "john@example.com"} << QStringList{} << "" << false;
    QTest::newRow("3.0 grouped properties (Apple)")
        << QByteArray("BEGIN:VCARD\nVERSION:3.0\nN:Appleseed;Johnny;;;\nFN:Johnny Appleseed\n"
                      "item1.EMAIL;type=INTERNET;type=pref:johnny@example.com\nitem1.X-ABLabel:Other\n"
                      "item2.URL;type=pref:www.example.com\nitem2.X-ABLabel:_$!<HomePage>!$_\n"
                      "TEL;type=CELL;type=VOICE;type=pref:+1 555 0100\nEND:VCARD\n")
        << "Johnny Appleseed" << QStringList{"johnny@example.com"} << QStringList{"+1 555 0100"}
        << "www.example.com" << false;
    QTest::newRow("3.0 Apple group")
        << QByteArray("BEGIN:VCARD\nVERSION:3.0\nFN:Friends\nX-ADDRESSBOOKSERVER-KIND:group\nEND:VCARD\n")
        << "Friends" << QStringList{} << QStringList{} << "" << true;
    QTest::newRow("4.0 group with members")
        << Crlf("BEGIN:VCARD\nVERSION:4.0\nKIND:group\nFN:Team\nMEMBER:urn:uuid:03a0e51f\nEND:VCARD\n")
        << "Team" << QStringList{} << QStringList{} << "" << true;
    QTest::newRow("4.0 PREF numbers, quoted TYPE, tel and mailto URIs")
        << QByteArray("BEGIN:VCARD\nVERSION:4.0\nFN:Ann\nEMAIL;PREF=2:two@x.org\nEMAIL;PREF=1:one@x.org\n"
                      "EMAIL:three@x.org\nTEL;VALUE=uri;TYPE=\"voice,home\":tel:+1-555-0101\nEND:VCARD\n")
        << "Ann" << QStringList{"one@x.org", "two@x.org", "three@x.org"} << QStringList{"+1-555-0101"} << ""
        << false;
    QTest::newRow("no FN: the name from N")
        << QByteArray("BEGIN:VCARD\nVERSION:3.0\nN:Doe;Jane;Q.;Dr.;\nEND:VCARD\n")
        << "Dr. Jane Q. Doe" << QStringList{} << QStringList{} << "" << false;
    QTest::newRow("neither FN nor N: an empty name")
        << QByteArray("BEGIN:VCARD\nVERSION:3.0\nEMAIL:x@y.org\nEND:VCARD\n")
        << "" << QStringList{"x@y.org"} << QStringList{} << "" << false;
    QTest::newRow("lower-case markers, colon inside a quoted parameter")
        << QByteArray("begin:vcard\nversion:4.0\nfn;ALTID=\"a:b\":Lower Case\nend:vcard\n")
        << "Lower Case" << QStringList{} << QStringList{} << "" << false;
    QTest::newRow("a photo in base64 says nothing")
        << Crlf("BEGIN:VCARD\nVERSION:2.1\nFN:Pic\nPHOTO;ENCODING=BASE64;TYPE=JPEG:\n /9j/4AAQSkZJRgABAQ=\n AAAQABAAD=\n\nEND:VCARD\n")
        << "Pic" << QStringList{} << QStringList{} << "" << false;
}

void TestVCard::realWorldCards()
{
    QFETCH(QByteArray, data);
    const QList<VCard> cards = ReadVCards(data);
    QCOMPARE(cards.size(), 1);
    const VCard &card = cards.first();
    QTEST(card.DisplayName(), "name");
    QTEST(Values(card.emails), "emails");
    QTEST(Values(card.telephones), "telephones");
    QTEST(card.HomePage(), "homePage");
    QTEST(card.isGroup, "group");
}

void TestVCard::damagedCardsAreSkipped_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("a card without END before the next")
        << QByteArray("BEGIN:VCARD\nFN:Broken\nBEGIN:VCARD\nFN:Good\nEND:VCARD\n") << QStringList{"Good"};
    QTest::newRow("a truncated last card")
        << QByteArray("BEGIN:VCARD\nFN:One\nEND:VCARD\nBEGIN:VCARD\nFN:Tw") << QStringList{"One"};
    QTest::newRow("garbage between and inside cards")
        << QByteArray("junk\n\x01\x02\nBEGIN:VCARD\nno colon here\nFN:A\nEND:VCARD\n;;;\nBEGIN:VCARD\nFN:B\nEND:VCARD\n")
        << QStringList{"A", "B"};
    QTest::newRow("mixed line ends")
        << QByteArray("BEGIN:VCARD\r\nFN:A\nEND:VCARD\rBEGIN:VCARD\r\nFN:B\r\nEND:VCARD") << QStringList{"A", "B"};
    QTest::newRow("an END without BEGIN") << QByteArray("END:VCARD\nBEGIN:VCARD\nFN:A\nEND:VCARD\n")
                                          << QStringList{"A"};
}

void TestVCard::damagedCardsAreSkipped()
{
    QFETCH(QByteArray, data);
    QTEST(Names(ReadVCards(data)), "names");
}

void TestVCard::addressComponents()
{
    const QList<VCard> cards = ReadVCards(
        "BEGIN:VCARD\nVERSION:2.1\nFN:A\n"
        "ADR;HOME;ENCODING=QUOTED-PRINTABLE:;;Hauptstra=C3=9Fe 1=0D=0AHinterhaus;Berlin;;10115;Germany\n"
        "ADR;WORK:;;1 Main St\\;Suite 2;Springfield;IL;62701;\nEND:VCARD\n");
    QCOMPARE(cards.size(), 1);
    QCOMPARE(cards[0].addresses.size(), 2);
    QCOMPARE(cards[0].addresses[0].Lines(),
             (QStringList{QString::fromUtf8("Hauptstraße 1"), "Hinterhaus", "10115 Berlin", "Germany"}));
    QCOMPARE(cards[0].addresses[0].types, QStringList{"home"});
    QCOMPARE(cards[0].addresses[1].street, "1 Main St;Suite 2");
}

void TestVCard::writtenCardReadsBack()
{
    VCard card;
    card.givenName = "Zoë";
    card.familyName = "O'Brien, Jr.";
    card.emails = {{"zoe@example.org", {}, 100}};
    card.urls = {{"http://example.org/a,b;c", {}, 100}};
    card.telephones = {{"+44 20 7946 0000", {"cell"}, 100}};
    card.addresses = {{"", "", QString(80, QChar(0x00E9)), "London", "", "N1", "UK", {"home"}, 100}};
    card.uid = "abc-1";
    const QByteArray text = FormatVCard(card);
    for (const QByteArray &line : text.split('\n'))
        QVERIFY2(line.size() <= 76, line.constData()); // 75 bytes and the CR
    const QList<VCard> back = ReadVCards(text);
    QCOMPARE(back.size(), 1);
    QCOMPARE(back[0].DisplayName(), QString::fromUtf8("Zoë O'Brien, Jr."));
    QCOMPARE(back[0].familyName, card.familyName);
    QCOMPARE(back[0].emails, card.emails);
    QCOMPARE(back[0].urls, card.urls);
    QCOMPARE(back[0].telephones, card.telephones);
    QCOMPARE(back[0].addresses, card.addresses);
    QCOMPARE(back[0].uid, card.uid);
}

void TestVCard::folderBookOrderAndIds()
{
    TestHome home;
    home.writeFile("book/b.vcf", "BEGIN:VCARD\nFN:B1\nEND:VCARD\nBEGIN:VCARD\nUID:u-b2\nFN:B2\nEND:VCARD\n");
    home.writeFile("book/a.vcf", "BEGIN:VCARD\nFN:A\nEND:VCARD\n");
    home.writeFile("book/collection/c.VCF", "BEGIN:VCARD\nKIND:group\nFN:G\nEND:VCARD\n");
    home.writeFile("book/.hidden.vcf", "BEGIN:VCARD\nFN:Hidden\nEND:VCARD\n");
    home.writeFile("book/notes.txt", "BEGIN:VCARD\nFN:Text\nEND:VCARD\n");
    const AddressBook book(home.path() + "/book");
    QStringList names;
    QList<ContactId> ids;
    book.ForEachCard([&](const ContactId &id, VCard &&card) {
        names.append(card.DisplayName());
        ids.append(id);
        return true;
    });
    QCOMPARE(names, (QStringList{"A", "B1", "B2", "G"}));
    // An id survives the menu entry's text form and finds its card again, by UID when it has one.
    const ContactId second = ContactId::FromString(ids[2].ToString());
    QCOMPARE(second, ids[2]);
    QCOMPARE(book.FindCard(second)->DisplayName(), "B2");
    home.writeFile("book/b.vcf", "BEGIN:VCARD\nUID:u-b2\nFN:B2 moved\nEND:VCARD\n");
    QCOMPARE(book.FindCard(second)->DisplayName(), "B2 moved");
    QVERIFY(!ContactId::FromString("damaged").IsValid());
}

void TestVCard::appendKeepsTheBook_data()
{
    QTest::addColumn<QString>("bookName");
    QTest::addColumn<QByteArray>("existing");
    QTest::newRow("one file with CRLF, no final line end") << "book.vcf" << QByteArray("BEGIN:VCARD\r\nFN:Old\r\nEND:VCARD");
    QTest::newRow("one file, missing") << "new.vcf" << QByteArray();
    QTest::newRow("folder") << "folder" << QByteArray("BEGIN:VCARD\nFN:Old\nEND:VCARD\n");
    QTest::newRow("folder, missing") << "contacts" << QByteArray();
}

void TestVCard::appendKeepsTheBook()
{
    QFETCH(QString, bookName);
    QFETCH(QByteArray, existing);
    TestHome home;
    const bool folder = !bookName.endsWith(".vcf");
    const QString path = home.path() + "/" + bookName;
    if (!existing.isEmpty())
        home.writeFile(folder ? bookName + "/old.vcf" : bookName, existing);
    VCard card;
    card.givenName = "New";
    QVERIFY(AddressBook(path).AppendCard(card));
    QStringList names;
    AddressBook(path).ForEachCard([&](const ContactId &, VCard &&c) {
        names.append(c.DisplayName());
        return true;
    });
    QCOMPARE(names.size(), existing.isEmpty() ? 1 : 2);
    QCOMPARE(names.last() == "New" || names.first() == "New", true);
    if (!existing.isEmpty())
        QVERIFY(names.contains("Old"));
    if (!folder && !existing.isEmpty())
        QVERIFY(readWholeFile(path).startsWith(existing + "\r\n"));
}

QTEST_GUILESS_MAIN(TestVCard)
#include "tst_vcard.moc"
