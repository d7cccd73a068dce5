// How long the contacts menu (limit 125) takes to open with a book of 5,000 cards in one .vcf file
// and with a folder of 5,000 .vcf files, beside reading every card of the same book (what "Find
// Contact..." does when it opens).
#include "benchtiming.h"
#include "contacts/addressbook.h"
#include "foundation/builtinimages.h"
#include "menus/contactsmenu.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// A card as desktop address books write them: a few addresses, numbers and a postal address.
QByteArray Card(int i)
{
    return QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nUID:%1-bench\r\nFN:Person %1\r\nN:%1;Person;;;\r\n"
                          "EMAIL;TYPE=INTERNET,HOME:person%1@example.org\r\nEMAIL;TYPE=INTERNET,WORK:p%1@work.example\r\n"
                          "TEL;TYPE=CELL:+1 555 %1\r\nTEL;TYPE=HOME:+1 555 9%1\r\n"
                          "ADR;TYPE=HOME:;;%1 Long Street;Springfield;IL;62701;USA\r\nURL:http://example.org/%1\r\n"
                          "NOTE:A note that is long enough to be folded by the writer of the address book\\, as\r\n"
                          "  they do.\r\nEND:VCARD\r\n")
        .arg(i)
        .toUtf8();
}

void WriteFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(data);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetUpIconTheme();
    QTemporaryDir root;
    constexpr int kCards = 5000;

    const QString oneFile = root.path() + QStringLiteral("/book.vcf");
    QByteArray book;
    for (int i = 0; i < kCards; ++i)
        book += Card(i);
    WriteFile(oneFile, book);
    const QString folder = root.path() + QStringLiteral("/contacts/default/");
    QDir().mkpath(folder);
    for (int i = 0; i < kCards; ++i)
        WriteFile(folder + QStringLiteral("%1-bench.vcf").arg(i), Card(i));

    std::printf("%-26s %16s %16s %14s %8s\n", "book", "menu open (ms)", "reopen (ms)", "all cards (ms)", "entries");
    for (const auto &[name, path] : {std::pair{"5,000 cards in one file", oneFile},
                                    std::pair{"5,000 files in a folder", root.path() + QStringLiteral("/contacts")}}) {
        int entries = 0;
        auto open = [&] {
            QMenu menu;
            FillContactsMenu(&menu, {path, 125, true, true});
            entries = int(menu.actions().size());
        };
        const double first = BestOf(1, open);
        const double again = BestOf(5, open);
        const double all = BestOf(3, [&] {
            int n = 0;
            AddressBook(path).ForEachCard([&n](const ContactId &, VCard &&) { return ++n > 0; });
        });
        std::printf("%-26s %16.1f %16.1f %14.1f %8d\n", name, first, again, all, entries);
    }
    return 0;
}
