#include "notes/noteprintlayout.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

#include <cmath>

namespace {

constexpr int kRuleWidth = 2;
constexpr int kHeadGrowth = 2;   // points

int RoundHalfEven(double value)
{
    return int(std::nearbyint(value));
}

// The height of "Pq" in a font on the printer (its ascent and descent): one printed line.
int TextHeight(const QFont &font, QPaintDevice *device)
{
    return qMax(1, QFontMetrics(font, device).height());
}

// The head's font: the body's made bold, without its other styles, two points larger.
QFont HeadFontFor(const QFont &body)
{
    QFont head = body;
    head.setBold(true);
    head.setItalic(false);
    head.setUnderline(false);
    head.setStrikeOut(false);
    head.setPointSizeF(body.pointSizeF() + kHeadGrowth);
    return head;
}

} // namespace

NotePrintLayout::NotePrintLayout(QPaintDevice *device, const QSize &paperPixels, const NotePageSetup &setup,
                                 const QFont &bodyFont)
    : m_device(device), m_bodyFont(bodyFont), m_headFont(HeadFontFor(bodyFont)), m_paperHeight(paperPixels.height())
{
    const double scale = double(paperPixels.width()) / qMax(1, setup.width);
    m_left = RoundHalfEven(scale * setup.left);
    m_top = RoundHalfEven(scale * setup.top);
    m_bottom = RoundHalfEven(scale * setup.bottom);
    m_width = paperPixels.width() - m_left - RoundHalfEven(scale * setup.right);
    m_lineHeight = TextHeight(m_bodyFont, device);
    m_headHeight = TextHeight(m_headFont, device);
    m_height = paperPixels.height() - m_top - m_bottom - 2 * m_lineHeight;
}

QStringList NotePrintLayout::TextLines(const QString &text)
{
    if (text.isEmpty())
        return {};
    QString normalized = text;
    normalized.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normalized.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = normalized.split(QLatin1Char('\n'));
    if (normalized.endsWith(QLatin1Char('\n')))
        lines.removeLast();
    return lines;
}

std::pair<QString, QString> NotePrintLayout::WrapLine(const QString &line) const
{
    const QFontMetrics metrics(m_bodyFont, m_device);
    int sum = 0;
    qsizetype lastBlank = -1;
    for (qsizetype i = 0; i < line.size();) {
        // A character outside the basic plane is two code units; it is measured and cut whole.
        const qsizetype length = (line[i].isHighSurrogate() && i + 1 < line.size()) ? 2 : 1;
        if (line[i] == QLatin1Char(' '))
            lastBlank = i;
        sum += metrics.horizontalAdvance(line.mid(i, length));
        if (sum > m_width) {
            qsizetype cut = lastBlank >= 0 ? lastBlank + 1 : i;
            if (cut == 0)
                cut = length; // a page narrower than one character still prints it, and moves on
            return {line.left(cut), line.mid(cut)};
        }
        i += length;
    }
    return {line, QString()};
}

QList<NotePrintPage> NotePrintLayout::Layout(const QString &title, const QStringList &lines) const
{
    QList<NotePrintPage> pages;
    int y = 0;
    const auto startPage = [&] {
        NotePrintPage page;
        page.head = {QPoint(m_left, m_top), title};
        page.rule = QLine(m_left, m_top + m_headHeight, m_left + m_width, m_top + m_headHeight);
        pages.append(page);
        y = 2 * m_headHeight;
    };
    startPage();

    QStringList queue = lines;
    for (qsizetype i = 0; i < queue.size(); ++i) {
        if (m_height < y + m_lineHeight)
            startPage();
        const auto [shown, rest] = WrapLine(queue[i]);
        if (!rest.isEmpty())
            queue.insert(i + 1, rest);
        NotePrintPage &page = pages.last();
        page.lines.append({QPoint(m_left, m_top + y), shown});
        const bool footNow = y + 2 * m_lineHeight > m_height || i == queue.size() - 1;
        y += m_lineHeight;
        if (footNow) {
            const QString foot = QStringLiteral("Page ") + QString::number(pages.size());
            const int footWidth = QFontMetrics(m_bodyFont, m_device).horizontalAdvance(foot);
            page.hasFoot = true;
            page.foot = {QPoint(m_left + (m_width - footWidth) / 2, m_paperHeight - m_bottom - 2 * m_lineHeight), foot};
            y = m_paperHeight; // the next line starts a new page
        }
    }
    return pages;
}

void NotePrintLayout::Paint(QPagedPaintDevice &printer, QPainter &painter, const QList<NotePrintPage> &pages) const
{
    const auto draw = [&painter](const NotePrintText &text) {
        painter.drawText(QPoint(text.at.x(), text.at.y() + painter.fontMetrics().ascent()), text.text);
    };
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0)
            printer.newPage();
        const NotePrintPage &page = pages[i];
        painter.setFont(m_headFont);
        draw(page.head);
        painter.setPen(QPen(Qt::black, kRuleWidth));
        painter.drawLine(page.rule);
        painter.setFont(m_bodyFont);
        for (const NotePrintText &line : page.lines)
            draw(line);
        if (page.hasFoot)
            draw(page.foot);
    }
}
