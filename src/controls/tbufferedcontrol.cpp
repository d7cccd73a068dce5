#include "controls/tbufferedcontrol.h"

#include <QPainter>
#include <algorithm>

TBufferedControl::TBufferedControl(QWidget *parent) : QWidget(parent)
{
    resize(150, 18);
}

QRect TBufferedControl::VisibleRect(const QSize &size)
{
    return QRect(1, 1, std::max(0, size.width() - 2), std::max(0, size.height() - 2));
}

void TBufferedControl::AssignColor(QColor &field, const QColor &color)
{
    if (!color.isValid())
        return;
    const QColor opaque(color.rgb());
    if (opaque == field)
        return;
    field = opaque;
    update();
}

QImage TBufferedControl::RenderImage() const
{
    QImage bitmap(size(), QImage::Format_ARGB32_Premultiplied);
    bitmap.fill(Qt::transparent);
    {
        QPainter painter(&bitmap);
        PaintBitmap(painter, size());
    }
    QImage face(size(), QImage::Format_ARGB32_Premultiplied);
    face.fill(Qt::transparent);
    QPainter painter(&face);
    const QRect visible = VisibleRect(size());
    painter.drawImage(visible.topLeft(), bitmap, visible);
    return face;
}

QSize TBufferedControl::sizeHint() const
{
    return QSize(150, 18);
}

void TBufferedControl::paintEvent(QPaintEvent *)
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
    // One copy to the screen, so frequent updates never show a half-drawn face.
    QPainter painter(this);
    painter.setClipRect(VisibleRect(size()));
    painter.drawPixmap(0, 0, m_Bitmap);
}
