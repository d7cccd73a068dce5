#include "controls/tgradientrect.h"

#include "controls/controlsystemcolor.h"
#include "controls/paintgradient.h"

#include <QPainter>

#include <algorithm>

namespace {

// The gradient covers everything but a one-pixel frame.
QRect GradientArea(const QSize &size)
{
    return QRect(1, 1, std::max(0, size.width() - 2), std::max(0, size.height() - 2));
}

} // namespace

TGradientRect::TGradientRect(QWidget *parent)
    : QWidget(parent)
{
    const QPalette pal = palette();
    m_ColorStart = SystemColorFor(TControlSystemColor::ActiveCaption, pal);
    m_ColorEnd = SystemColorFor(TControlSystemColor::GradientActiveCaption, pal);
    resize(150, 18);
}

TGradientRect::~TGradientRect() = default;

void TGradientRect::SetColor(QColor &field, const QColor &color)
{
    if (!color.isValid())
        return;
    const QColor opaque(color.rgb());
    if (opaque == field)
        return;
    field = opaque;
    update();
}

void TGradientRect::SetColorStart(const QColor &color) { SetColor(m_ColorStart, color); }
void TGradientRect::SetColorEnd(const QColor &color) { SetColor(m_ColorEnd, color); }

void TGradientRect::SetDirection(TGradientDirection direction)
{
    if (direction == m_Direction)
        return;
    m_Direction = direction;
    update();
}

QImage TGradientRect::RenderImage() const
{
    QImage face(size(), QImage::Format_ARGB32_Premultiplied);
    face.fill(Qt::transparent);
    QPainter painter(&face);
    PaintBitmap(painter, size());
    return face;
}

QSize TGradientRect::sizeHint() const
{
    return QSize(150, 18);
}

void TGradientRect::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_Bitmap.size() != pixels || m_Bitmap.devicePixelRatio() != ratio) {
        m_Bitmap = QPixmap(pixels);
        m_Bitmap.setDevicePixelRatio(ratio);
        m_Bitmap.fill(Qt::transparent);
    }
    {
        QPainter bitmapPainter(&m_Bitmap);
        PaintBitmap(bitmapPainter, size());
    }
    QPainter painter(this);
    painter.setClipRect(GradientArea(size()));
    painter.drawPixmap(0, 0, m_Bitmap);
}

void TGradientRect::PaintBitmap(QPainter &painter, const QSize &size) const
{
    PaintGradient(painter, GradientArea(size), m_ColorStart, m_ColorEnd,
                  m_Direction == gdHorz ? Qt::Horizontal : Qt::Vertical);
}
