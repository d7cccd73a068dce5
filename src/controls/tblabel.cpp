#include "controls/tblabel.h"

#include "controls/controlsystemcolor.h"
#include "controls/horizontalalignment.h"

#include <QDesktopServices>
#include <QEnterEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

#include <algorithm>

namespace {

QFont FontWithStyles(QFont font, int styles)
{
    font.setBold(styles & TBLabel::StyleBold);
    font.setItalic(styles & TBLabel::StyleItalic);
    font.setUnderline(styles & TBLabel::StyleUnderline);
    font.setStrikeOut(styles & TBLabel::StyleStrikeOut);
    return font;
}

Qt::Alignment VerticalAlignment(TVertAlign align)
{
    switch (align) {
    case vaCenter:
        return Qt::AlignVCenter;
    case vaBottom:
        return Qt::AlignBottom;
    case vaTop:
        break;
    }
    return Qt::AlignTop;
}

// True when a short line of simple Latin text is certainly narrower than width: the sum of its
// letters' own widths, with a wide letter to spare for what shaping may add, fits. Cutting would
// then give the line back unchanged; a marquee clock is spared laying out its text twice a second.
bool SurelyFits(const QFontMetrics &metrics, const QString &line, int width)
{
    constexpr qsizetype kShortLine = 64;
    if (line.size() > kShortLine)
        return false;
    int sum = metrics.maxWidth();
    for (const QChar c : line) {
        // Beyond Latin, shaping may join, reorder or mark letters: leave that to the full layout.
        if (c.unicode() >= 0x0250 || c == QLatin1Char('&') || !c.isPrint())
            return false;
        sum += metrics.horizontalAdvance(c);
        if (sum > width)
            return false;
    }
    return true;
}

} // namespace

TBLabel::TBLabel(QWidget *parent)
    : QLabel(parent)
{
    Init();
}

TBLabel::TBLabel(const QString &text, QWidget *parent)
    : QLabel(parent)
{
    Init();
    setText(text);
}

TBLabel::~TBLabel() = default;

void TBLabel::Init()
{
    setTextFormat(Qt::PlainText);
    m_HoverBGColor = SystemColorFor(TControlSystemColor::BtnFace, palette());
    // Being its own buddy makes QLabel register the "&x" accelerator of every text it is given;
    // event() turns the accelerator into a click.
    setBuddy(this);
}

void TBLabel::SetFitInRect(bool fit)
{
    if (fit == m_FitInRect)
        return;
    m_FitInRect = fit;
    updateGeometry();
    update();
}

void TBLabel::SetFitType(TFitType type)
{
    if (type == m_FitType)
        return;
    m_FitType = type;
    update();
}

void TBLabel::SetHoverColor(const QColor &color)
{
    if (color.isValid())
        m_HoverColor = QColor(color.rgb());
}

void TBLabel::SetHoverBGColor(const QColor &color)
{
    if (color.isValid())
        m_HoverBGColor = QColor(color.rgb());
}

void TBLabel::SetAlignVert(TVertAlign align)
{
    if (align == m_AlignVert)
        return;
    m_AlignVert = align;
    update();
}

void TBLabel::SetMargin(int margin)
{
    margin = std::clamp(margin, 0, 255);
    if (margin == m_Margin)
        return;
    m_Margin = margin;
    updateGeometry();
    update();
}

void TBLabel::Click()
{
    Q_EMIT clicked();
}

QFont TBLabel::PaintFont() const
{
    return m_Hovered ? FontWithStyles(font(), m_HoverStyle) : font();
}

QRect TBLabel::TextRect() const
{
    return rect().adjusted(m_Margin, m_Margin, -m_Margin, -m_Margin);
}

int TBLabel::TextFlags() const
{
    const int always = Qt::TextSingleLine | Qt::TextShowMnemonic;
    if (!m_FitInRect)
        return always | Qt::AlignLeft | Qt::AlignTop;
    return always | int(HorizontalAlignment(alignment())) | int(VerticalAlignment(m_AlignVert));
}

QString TBLabel::VisibleTextFor(const QFont &font) const
{
    // One line: line breaks show as blanks, as the painter draws them.
    QString line = text();
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (!m_FitInRect)
        return line;
    const QFontMetrics metrics(font);
    const int width = std::max(0, TextRect().width());
    if (SurelyFits(metrics, line, width))
        return line;
    const Qt::TextElideMode mode = m_FitType == ftFilename ? Qt::ElideMiddle : Qt::ElideRight;
    return metrics.elidedText(line, mode, width, Qt::TextShowMnemonic);
}

QString TBLabel::VisibleText() const
{
    return VisibleTextFor(PaintFont());
}

QSize TBLabel::sizeHint() const
{
    return QLabel::sizeHint() + QSize(2 * m_Margin, 2 * m_Margin);
}

// A label that cuts its text may be squeezed down to its ellipsis.
QSize TBLabel::minimumSizeHint() const
{
    if (!m_FitInRect)
        return sizeHint();
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(QChar(0x2026)) + 2 * m_Margin,
                 metrics.height() + 2 * m_Margin);
}

bool TBLabel::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut && buddy() == this) {
        Click();
        return true;
    }
    return QLabel::event(event);
}

void TBLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor back = m_Hovered && m_UseHoverBGColor ? m_HoverBGColor
                                                       : palette().color(backgroundRole());
    painter.fillRect(rect(), back);

    const QFont font = PaintFont();
    painter.setFont(font);
    painter.setPen(m_Hovered ? m_HoverColor : palette().color(foregroundRole()));
    painter.drawText(TextRect(), TextFlags(), VisibleTextFor(font));
}

void TBLabel::enterEvent(QEnterEvent *event)
{
    if (m_Hover) {
        m_Hovered = true;
        update();
    }
    QLabel::enterEvent(event);
}

void TBLabel::leaveEvent(QEvent *event)
{
    m_Hovered = false;
    update();
    QLabel::leaveEvent(event);
}

void TBLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_LeftPressed = true;
        if (m_ExecuteFile && !m_Execute.isEmpty())
            RequestExecute();
    }
    event->accept();
}

void TBLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        const bool click = m_LeftPressed && rect().contains(event->position().toPoint());
        m_LeftPressed = false;
        if (click)
            Click();
    }
    event->accept();
}

// The second press of a double click neither clicks again nor opens Execute a second time.
void TBLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

void TBLabel::RequestExecute()
{
    if (isSignalConnected(QMetaMethod::fromSignal(&TBLabel::ExecuteRequested))) {
        Q_EMIT ExecuteRequested(m_Execute);
        return;
    }
    // Nobody routes it: hand it to the desktop's default application (never to a shell).
    const QFileInfo file(m_Execute);
    const QUrl url = file.exists() ? QUrl::fromLocalFile(file.absoluteFilePath())
                                   : QUrl::fromUserInput(m_Execute);
    if (url.isValid())
        QDesktopServices::openUrl(url);
}
