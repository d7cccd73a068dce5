// The help viewer with a large guide: a help file of 2,000 pages (about 20 MB) is opened, one page
// is shown, and a two-term search reads every page. Also the resident memory after each step,
// beside a file of 200 pages, to show that it does not grow with the file: pages are read when
// they are wanted and let go again.
#include "benchtiming.h"
#include "help/helpsearch.h"
#include "help/qdsfile.h"
#include "help/searchterms.h"
#include "help/tmanual.h"
#include "qdswriter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

long ResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// Pages of made-up words: they compress about as badly as real prose in many languages.
QByteArray PageText(QRandomGenerator &random, const QStringList &words, int k)
{
    QString html = QStringLiteral("<html><head><title>Page %1</title></head><body><h1>Page %1</h1><p>").arg(k);
    while (html.size() < 20000) {
        html += words[random.bounded(int(words.size()))] + QLatin1Char(' ');
        if (random.bounded(12) == 0)
            html += QStringLiteral("</p>\n<p>");
    }
    return (html + QStringLiteral("</p></body></html>")).toUtf8();
}

QString WriteGuide(const QString &path, int pages)
{
    QRandomGenerator random(16);
    QStringList words;
    for (int i = 0; i < 6000; ++i) {
        QString word;
        for (int n = 3 + random.bounded(7); n > 0; --n)
            word += QChar(u'a' + random.bounded(26));
        words << word;
    }
    words << QStringLiteral("hotkey") << QStringLiteral("marquee");
    QdsWriter writer;
    writer.SetTitle(QStringLiteral("Large guide"));
    writer.SetDefaultPage(QStringLiteral("page0"));
    std::vector<QdsWriter::Node> nodes;
    for (int k = 0; k < pages; ++k)
        nodes.push_back({QString(), writer.AddPage(QStringLiteral("page%1").arg(k), QStringLiteral("Page %1").arg(k),
                                                   PageText(random, words, k)), {}});
    writer.SetContents(std::move(nodes));
    writer.WriteFile(path);
    return path;
}

void Measure(const QString &path, int pages)
{
    const long before = ResidentKilobytes();
    QdsFile file;
    const double open = BestOf(5, [&] { file.Open(path); });
    const long opened = ResidentKilobytes();
    QList<int> found;
    const QStringList terms = SplitSearchTerms(QStringLiteral("hotkey marquee"));
    const double search = BestOf(3, [&] { found = SearchHelpFile(file, terms); });
    const long searched = ResidentKilobytes();

    TManual viewer;
    viewer.LoadHelpFile(path);
    int page = pages / 2;
    const double show = BestOf(5, [&] { viewer.ShowPage(page++); });
    const long shown = ResidentKilobytes();

    std::printf("%5d pages, %6.1f MB: open %7.2f ms, show a page %7.2f ms, two-term search %8.1f ms (%lld found)\n",
                pages, QFile(path).size() / 1e6, open, show, search, static_cast<long long>(found.size()));
    std::printf("             resident memory: before %ld kB, opened %+ld kB, searched %+ld kB, viewer showing %+ld kB\n",
                before, opened - before, searched - before, shown - before);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString small = WriteGuide(dir.filePath(QStringLiteral("small.qds")), 200);
    const QString large = WriteGuide(dir.filePath(QStringLiteral("large.qds")), 2000);
    Measure(small, 200);
    Measure(large, 2000);
    return 0;
}
