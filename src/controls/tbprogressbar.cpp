#include "controls/tbprogressbar.h"

#include "controls/controlsystemcolor.h"
#include "controls/horizontalalignment.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

// numerator / denominator (denominator > 0) rounded to the nearest integer, halves to the even
// neighbour. Exact integer arithmetic, so ties are real ties.
qint64 RoundRatioHalfEven(qint64 numerator, qint64 denominator)
{
    qint64 quotient = numerator / denominator;
    qint64 remainder = numerator % denominator;
    if (remainder < 0) { // make it a floor division
        --quotient;
        remainder += denominator;
    }
    if (2 * remainder > denominator || (2 * remainder == denominator && (quotient & 1)))
        ++quotient;
    return quotient;
}

// Fills the rectangle whose left and top edges are included and right and bottom edges are not;
// an empty or inverted rectangle paints nothing.
void FillEdges(QPainter &painter, int left, int top, int right, int bottom, const QColor &color)
{
    if (right > left && bottom > top)
        painter.fillRect(QRect(left, top, right - left, bottom - top), color);
}

// One-pixel outline of the rectangle (left, top)-(right, bottom), edges as in FillEdges.
void FrameEdges(QPainter &painter, int left, int top, int right, int bottom, const QColor &color)
{
    FillEdges(painter, left, top, right, top + 1, color);
    FillEdges(painter, left, bottom - 1, right, bottom, color);
    FillEdges(painter, left, top, left + 1, bottom, color);
    FillEdges(painter, right - 1, top, right, bottom, color);
}

} // namespace

TBProgressBar::TBProgressBar(QWidget *parent)
    : TBufferedControl(parent)
{
    const QPalette pal = palette();
    m_ColorBack = SystemColorFor(TControlSystemColor::BtnFace, pal);
    m_ColorBorder = QColor(Qt::black);
    m_ColorStart = SystemColorFor(TControlSystemColor::ActiveCaption, pal);
    m_ColorEnd = SystemColorFor(TControlSystemColor::GradientActiveCaption, pal);
}

TBProgressBar::~TBProgressBar() = default;

void TBProgressBar::SetAlignment(Qt::Alignment alignment)
{
    alignment = HorizontalAlignment(alignment);
    if (alignment == m_Alignment)
        return;
    m_Alignment = alignment;
    update();
}

void TBProgressBar::SetColorBack(const QColor &color) { AssignColor(m_ColorBack, color); }
void TBProgressBar::SetColorBorder(const QColor &color) { AssignColor(m_ColorBorder, color); }
void TBProgressBar::SetColorStart(const QColor &color) { AssignColor(m_ColorStart, color); }
void TBProgressBar::SetColorEnd(const QColor &color) { AssignColor(m_ColorEnd, color); }

void TBProgressBar::SetMinimum(int value)
{
    if (value == m_Minimum || value < 1 || value >= m_Maximum)
        return;
    m_Minimum = value;
    m_Position = std::max(m_Position, m_Minimum);
    update();
}

void TBProgressBar::SetMaximum(int value)
{
    if (value == m_Maximum || value < 1 || value <= m_Minimum)
        return;
    m_Maximum = value;
    m_Position = std::min(m_Position, m_Maximum);
    update();
}

void TBProgressBar::SetPosition(int value)
{
    // A value outside the range that is kept to the current position changes nothing either: a
    // machine without a battery reports -1 every second, which stays 0.
    value = std::clamp(value, m_Minimum, m_Maximum);
    if (value == m_Position)
        return;
    m_Position = value;
    // Paint now rather than at the next paint event: the info bar sets its positions from a
    // timer and the value should show at once.
    repaint();
}

void TBProgressBar::SetPrefix(const QString &prefix)
{
    if (prefix == m_Prefix)
        return;
    m_Prefix = prefix;
    update();
}

void TBProgressBar::SetShowText(bool show)
{
    if (show == m_ShowText)
        return;
    m_ShowText = show;
    update();
}

void TBProgressBar::SetShrinkGradient(bool shrink)
{
    if (shrink == m_ShrinkGradient)
        return;
    m_ShrinkGradient = shrink;
    // A plain fill looks the same either way.
    if (m_ColorStart != m_ColorEnd)
        update();
}

void TBProgressBar::SetSurfix(const QString &surfix)
{
    if (surfix == m_Surfix)
        return;
    m_Surfix = surfix;
    update();
}

int TBProgressBar::Percent() const
{
    const qint64 done = qint64(m_Position) - m_Minimum;
    const qint64 range = qint64(m_Maximum) - m_Minimum;
    if (range <= 0)
        return 0;
    return int(RoundRatioHalfEven(done * 100, range));
}

int TBProgressBar::FillWidth() const
{
    return std::max(0, (width() - 1) * Percent() / 100);
}

QString TBProgressBar::DisplayText() const
{
    return m_Prefix + QString::number(Percent()) + m_Surfix;
}

void TBProgressBar::PaintBitmap(QPainter &painter, const QSize &size) const
{
    const int w = size.width();
    const int h = size.height();
    const int fill = std::max(0, (w - 1) * Percent() / 100);

    if (m_ColorStart == m_ColorEnd)
        FillEdges(painter, 2, 2, fill + 1, h - 1, m_ColorStart);
    else if (fill > 0)
        PaintGradientBands(painter, m_ShrinkGradient ? fill : w, h);

    FillEdges(painter, fill, 2, w - 1, h - 1, m_ColorBack);
    FrameEdges(painter, 1, 1, w - 1, h - 1, m_ColorBorder);
    if (m_ShowText)
        PaintText(painter, size);
}

// Up to 101 solid bands from the start colour to the end colour over span pixels starting at
// x = 0; whatever lies right of the fill is painted over with the back colour afterwards.
void TBProgressBar::PaintGradientBands(QPainter &painter, int span, int height) const
{
    if (span <= 0)
        return;
    const int bands = std::min(100, span);
    const int channelsStart[3] = {m_ColorStart.red(), m_ColorStart.green(), m_ColorStart.blue()};
    const int channelsEnd[3] = {m_ColorEnd.red(), m_ColorEnd.green(), m_ColorEnd.blue()};
    for (int i = 0; i <= bands; ++i) {
        // Band edges round(i * span / bands) and channels round(start + i * (end - start) / bands),
        // both as exact fractions.
        const int left = int(RoundRatioHalfEven(qint64(i) * span, bands));
        const int right = int(RoundRatioHalfEven(qint64(i + 1) * span, bands));
        int channel[3];
        for (int c = 0; c < 3; ++c)
            channel[c] = std::clamp(
                int(RoundRatioHalfEven(qint64(channelsStart[c]) * bands
                                           + qint64(i) * (channelsEnd[c] - channelsStart[c]),
                                       bands)),
                0, 255);
        FillEdges(painter, left, 2, right, height - 2, QColor(channel[0], channel[1], channel[2]));
    }
}

void TBProgressBar::PaintText(QPainter &painter, const QSize &size) const
{
    const QRect textRect(3, 3, size.width() - 6, size.height() - 6);
    if (textRect.width() <= 0 || textRect.height() <= 0)
        return;
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(textRect, int(m_Alignment | Qt::AlignVCenter | Qt::TextSingleLine),
                     DisplayText());
}

void TBProgressBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_LeftPressed = true;
    event->accept();
}

void TBProgressBar::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        const bool click = m_LeftPressed && rect().contains(event->position().toPoint());
        m_LeftPressed = false;
        if (click)
            Q_EMIT clicked();
    }
    event->accept();
}

// The second press of a double click reports the double click only; its release is no click.
void TBProgressBar::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_LeftPressed = false;
        Q_EMIT doubleClicked();
    }
    event->accept(); // not QWidget's, which would take it for a second press
}
