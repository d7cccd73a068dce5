// A control drawn onto an off-screen bitmap of its own size and copied to the screen in one step,
// so that frequent updates (the info bar refreshes every second) never flicker. Only the area
// inside a one-pixel frame is copied.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

class TBufferedControl : public QWidget
{
    Q_OBJECT

public:
    explicit TBufferedControl(QWidget *parent = nullptr);

    // The control's face as it appears on screen; the one-pixel frame stays transparent.
    QImage RenderImage() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

    // Draws the whole face onto an off-screen surface of the given size.
    virtual void PaintBitmap(QPainter &painter, const QSize &size) const = 0;
    // The part of the off-screen surface that is copied to the control.
    static QRect VisibleRect(const QSize &size);
    // Sets a colour property and repaints when it changed; invalid colours are refused and every
    // colour is stored opaque.
    void AssignColor(QColor &field, const QColor &color);

private:
    QPixmap m_Bitmap;
};
