#include "controls/tgradientrect.h"

#include "controls/controlsystemcolor.h"
#include "controls/paintgradient.h"

#include <QPainter>

#include <algorithm>

TGradientRect::TGradientRect(QWidget *parent)
    : TBufferedControl(parent)
{
    const QPalette pal = palette();
    m_ColorStart = SystemColorFor(TControlSystemColor::ActiveCaption, pal);
    m_ColorEnd = SystemColorFor(TControlSystemColor::GradientActiveCaption, pal);
}

TGradientRect::~TGradientRect() = default;

void TGradientRect::SetColorStart(const QColor &color) { AssignColor(m_ColorStart, color); }
void TGradientRect::SetColorEnd(const QColor &color) { AssignColor(m_ColorEnd, color); }

void TGradientRect::SetDirection(TGradientDirection direction)
{
    if (direction == m_Direction)
        return;
    m_Direction = direction;
    update();
}

void TGradientRect::PaintBitmap(QPainter &painter, const QSize &size) const
{
    PaintGradient(painter, VisibleRect(size), m_ColorStart, m_ColorEnd,
                  m_Direction == gdHorz ? Qt::Horizontal : Qt::Vertical);
}
