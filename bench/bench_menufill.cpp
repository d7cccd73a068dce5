// How long a folder menu takes to open with 1,000, 10,000 and 50,000 files (limit 125), beside a
// plain listing of the same folder: one listing, one sort, and entries only for what is shown.
// Listing and reopening are medians of nine rounds, taken in turns; the last column is the one over
// the other, whose goal is at most 2.
#include "benchtiming.h"
#include "foundation/builtinimages.h"
#include "menus/menubuilder.h"
#include "menus/tbmenusubitem.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void MakeFiles(const QString &folder, int count)
{
    QDir().mkpath(folder);
    for (int i = 0; i < count; ++i) {
        QFile file(QStringLiteral("%1/document %2.txt").arg(folder).arg(i));
        file.open(QIODevice::WriteOnly);
    }
    for (int i = 0; i < 20; ++i)
        QDir().mkpath(QStringLiteral("%1/folder %2").arg(folder).arg(i));
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetUpIconTheme();
    QTemporaryDir root;
    MenuBuilder builder;
    builder.SetMaxNumber(125);

    std::printf("%-8s %14s %16s %16s %8s %14s\n", "files", "listing (ms)", "first open (ms)", "reopen (ms)",
                "entries", "open/listing");
    for (int count : {1000, 10000, 50000}) {
        const QString folder = root.path() + QStringLiteral("/f%1").arg(count);
        MakeFiles(folder, count);
        const auto list = [&] {
            int n = 0;
            QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
            while (it.hasNext()) {
                it.next();
                ++n;
            }
            return n;
        };
        TBMenuSubItem menu(QStringLiteral("Folder"));
        menu.SetPath(folder);
        QElapsedTimer first;
        first.start();
        builder.GetMenuPopup(&menu);
        const double firstOpen = first.nsecsElapsed() / 1e6;
        // The listing and the opening take turns, so that both meet the same machine load; the
        // medians of several rounds are reported.
        std::vector<double> listings, opens;
        for (int round = 0; round < 9; ++round) {
            listings.push_back(BestOf(1, list));
            opens.push_back(BestOf(1, [&] { builder.GetMenuPopup(&menu); }));
        }
        const double listing = Median(listings);
        const double reopen = Median(opens);
        std::printf("%-8d %14.2f %16.2f %16.2f %8lld %13.2fx\n", count, listing, firstOpen, reopen,
                    static_cast<long long>(menu.actions().size()), reopen / listing);
    }
    return 0;
}
