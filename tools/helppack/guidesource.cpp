#include "guidesource.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
QString PageTitle(const QByteArray &html)
{
    static const QRegularExpression title(QStringLiteral("<title>(.*?)</title>"),
                                          QRegularExpression::CaseInsensitiveOption
                                              | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = title.match(QString::fromUtf8(html));
    return match.hasMatch() ? match.captured(1).simplified().replace(QStringLiteral("&amp;"), QStringLiteral("&"))
                            : QString();
}

int Indentation(const QString &line)
{
    int blanks = 0;
    while (blanks < line.size() && line[blanks] == QLatin1Char(' '))
        ++blanks;
    return blanks;
}

// Builds the tree from nodes in file order, each with its depth, children after their parent.
std::vector<QdsWriter::Node> BuildTree(QList<std::pair<int, QdsWriter::Node>> &flat, qsizetype &at, int depth)
{
    std::vector<QdsWriter::Node> nodes;
    while (at < flat.size() && flat[at].first == depth) {
        QdsWriter::Node node = flat[at].second;
        ++at;
        node.children = BuildTree(flat, at, depth + 1);
        nodes.push_back(std::move(node));
    }
    return nodes;
}
} // namespace

bool GuideSource::Load(const QString &contentsFile, QdsWriter &writer)
{
    QFile file(contentsFile);
    if (!file.open(QIODevice::ReadOnly)) {
        m_errors << QStringLiteral("Cannot read %1").arg(contentsFile);
        return false;
    }
    const QString folder = QFileInfo(contentsFile).absolutePath() + QLatin1Char('/');
    QString section;
    int lineNumber = 0;
    QList<std::pair<int, QString>> treeLines;
    for (const QByteArray &raw : file.readAll().split('\n')) {
        ++lineNumber;
        QString line = QString::fromUtf8(raw);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString content = line.trimmed();
        if (content.isEmpty() || content.startsWith(QLatin1Char('#')))
            continue;
        if (content.startsWith(QLatin1Char('[')) && content.endsWith(QLatin1Char(']'))) {
            section = content.mid(1, content.size() - 2).toLower();
            continue;
        }
        if (section.isEmpty())
            ReadSetting(content, writer);
        else if (section == QLatin1String("pages"))
            ReadPage(content, folder, writer);
        else if (section == QLatin1String("contents"))
            treeLines.append({lineNumber, line});
    }
    // The tree is read after every page is known, so that it may name them in any order.
    for (const auto &[number, line] : treeLines)
        ReadNode(line, number);
    QList<std::pair<int, QdsWriter::Node>> flat;
    for (const PendingNode &pending : m_nodes)
        flat.append({pending.depth, pending.node});
    qsizetype at = 0;
    writer.SetContents(BuildTree(flat, at, 0));
    if (at < flat.size())
        m_errors << QStringLiteral("The contents tree skips a level of indentation");

    if (!m_home.isEmpty() && !m_pageNames.contains(m_home))
        m_errors << QStringLiteral("The home page %1 is not a page").arg(m_home);
    for (const QString &link : m_linkedNames) {
        if (!m_pageNames.contains(link.section(QStringLiteral(" -> "), 1)))
            m_errors << QStringLiteral("Link to no page: %1").arg(link);
    }
    return m_errors.isEmpty();
}

void GuideSource::ReadSetting(const QString &line, QdsWriter &writer)
{
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    const QString key = line.left(colon).trimmed().toLower();
    const QString value = colon < 0 ? QString() : line.mid(colon + 1).trimmed();
    if (key == QLatin1String("title")) {
        writer.SetTitle(value);
    } else if (key == QLatin1String("home")) {
        m_home = value;
        writer.SetDefaultPage(value);
    } else if (key == QLatin1String("tabs")) {
        const QStringList tabs = value.toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        writer.SetTabs(tabs.contains(QLatin1String("content")), tabs.contains(QLatin1String("index")),
                       tabs.contains(QLatin1String("search")));
    } else if (key == QLatin1String("resources")) {
        writer.SetResources(value.compare(QLatin1String("yes"), Qt::CaseInsensitive) == 0);
    } else if (key == QLatin1String("compressed")) {
        writer.SetCompressed(value.compare(QLatin1String("no"), Qt::CaseInsensitive) != 0);
    } else {
        m_errors << QStringLiteral("Unknown setting: %1").arg(line);
    }
}

void GuideSource::ReadPage(const QString &line, const QString &folder, QdsWriter &writer)
{
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    const QString name = line.left(equals).trimmed();
    const QString fileName = equals < 0 ? QString() : line.mid(equals + 1).trimmed();
    if (name.isEmpty() || fileName.isEmpty()) {
        m_errors << QStringLiteral("Not a page: %1").arg(line);
        return;
    }
    if (m_pageNames.contains(name)) {
        m_errors << QStringLiteral("A second page named %1").arg(name);
        return;
    }
    QFile page(folder + fileName);
    if (!page.open(QIODevice::ReadOnly)) {
        m_errors << QStringLiteral("Cannot read the page %1").arg(page.fileName());
        return;
    }
    const QByteArray html = page.readAll();
    QString title = PageTitle(html);
    if (title.isEmpty())
        title = name;
    m_pageNames << name;
    writer.AddPage(name, title, html);
    CheckLinks(name, html);
}

void GuideSource::CheckLinks(const QString &name, const QByteArray &html)
{
    static const QRegularExpression link(QStringLiteral("&qdspage;/([^\"'#>\\s]*)"));
    auto matches = link.globalMatch(QString::fromUtf8(html));
    while (matches.hasNext())
        m_linkedNames << name + QStringLiteral(" -> ") + matches.next().captured(1);
}

void GuideSource::ReadNode(const QString &line, int lineNumber)
{
    const int blanks = Indentation(line);
    if (blanks % 2 != 0) {
        m_errors << QStringLiteral("Line %1: indent by two blanks per level").arg(lineNumber);
        return;
    }
    const QString content = line.trimmed();
    QdsWriter::Node node;
    if (content.startsWith(QLatin1String("- "))) {
        node.caption = content.mid(2).trimmed();
    } else {
        const qsizetype bar = content.indexOf(QLatin1Char('|'));
        const QString name = (bar < 0 ? content : content.left(bar)).trimmed();
        node.caption = bar < 0 ? QString() : content.mid(bar + 1).trimmed();
        node.pageIndex = int(m_pageNames.indexOf(name));
        if (node.pageIndex < 0) {
            m_errors << QStringLiteral("Line %1: no page named %2").arg(lineNumber).arg(name);
            return;
        }
    }
    m_nodes.append({blanks / 2, node});
}
