#include "controls/tshape.h"

#include "controls/classicpainting.h"

#include <QPainter>

TShape::TShape(QWidget *parent) : QWidget(parent)
{
    resize(65, 65);
}

TShape::~TShape() = default;

void TShape::SetBrushColor(const QColor &color)
{
    if (color == m_BrushColor)
        return;
    m_BrushColor = color;
    update();
}

void TShape::SetPenColor(const QColor &color)
{
    if (color == m_PenColor)
        return;
    m_PenColor = color;
    update();
}

void TShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_BrushColor.isValid())
        FillEdgeRect(painter, rect().adjusted(1, 1, -1, -1), QColor(m_BrushColor.rgb()));
    if (m_PenColor.isValid())
        FrameEdgeRect(painter, rect(), QColor(m_PenColor.rgb()));
}
