// TShape: a plain rectangle with a fill and a one-pixel outline, the building block of the theme
// preview's miniature bar and menus.
#pragma once

#include <QColor>
#include <QWidget>

class TShape : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor BrushColor READ BrushColor WRITE SetBrushColor)
    Q_PROPERTY(QColor PenColor READ PenColor WRITE SetPenColor)

public:
    explicit TShape(QWidget *parent = nullptr);
    ~TShape() override;

    // An invalid colour leaves that part unpainted (what lies beneath shows through).
    QColor BrushColor() const { return m_BrushColor; }
    void SetBrushColor(const QColor &color);
    QColor PenColor() const { return m_PenColor; }
    void SetPenColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_BrushColor = Qt::white;
    QColor m_PenColor = Qt::black;
};
