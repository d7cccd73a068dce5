// TGradientRect: a rectangle filled with a linear two-colour gradient (the theme preview).
#pragma once

#include <QColor>
#include "controls/tbufferedcontrol.h"

enum TGradientDirection {
    gdHorz, // start colour at the left
    gdVert, // start colour at the top
};

class TGradientRect : public TBufferedControl
{
    Q_OBJECT
    Q_PROPERTY(QColor ColorStart READ ColorStart WRITE SetColorStart)
    Q_PROPERTY(QColor ColorEnd READ ColorEnd WRITE SetColorEnd)
    Q_PROPERTY(TGradientDirection Direction READ Direction WRITE SetDirection)

public:
    explicit TGradientRect(QWidget *parent = nullptr);
    ~TGradientRect() override;

    // Colours are stored opaque; an invalid colour is refused and the current one kept.
    QColor ColorStart() const { return m_ColorStart; }
    void SetColorStart(const QColor &color);
    QColor ColorEnd() const { return m_ColorEnd; }
    void SetColorEnd(const QColor &color);
    TGradientDirection Direction() const { return m_Direction; }
    void SetDirection(TGradientDirection direction);

protected:
    void PaintBitmap(QPainter &painter, const QSize &size) const override;

private:

    QColor m_ColorStart;
    QColor m_ColorEnd;
    TGradientDirection m_Direction = gdHorz;
};
