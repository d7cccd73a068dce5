// TBProgressBar: a flicker-free progress bar with a colour gradient fill and a text made of a
// prefix, the percentage and a suffix. The info bar's meters and the theme preview use it.
#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QString>
#include "controls/tbufferedcontrol.h"

class TBProgressBar : public TBufferedControl
{
    Q_OBJECT
    Q_PROPERTY(Qt::Alignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(QColor ColorBack READ ColorBack WRITE SetColorBack)
    Q_PROPERTY(QColor ColorBorder READ ColorBorder WRITE SetColorBorder)
    Q_PROPERTY(QColor ColorStart READ ColorStart WRITE SetColorStart)
    Q_PROPERTY(QColor ColorEnd READ ColorEnd WRITE SetColorEnd)
    Q_PROPERTY(int Minimum READ Minimum WRITE SetMinimum)
    Q_PROPERTY(int Maximum READ Maximum WRITE SetMaximum)
    Q_PROPERTY(int Position READ Position WRITE SetPosition)
    Q_PROPERTY(QString Prefix READ Prefix WRITE SetPrefix)
    Q_PROPERTY(bool ShowText READ ShowText WRITE SetShowText)
    Q_PROPERTY(bool ShrinkGradient READ ShrinkGradient WRITE SetShrinkGradient)
    Q_PROPERTY(QString Surfix READ Surfix WRITE SetSurfix)

public:
    explicit TBProgressBar(QWidget *parent = nullptr);
    ~TBProgressBar() override;

    // Horizontal alignment of the text: Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter.
    Qt::Alignment Alignment() const { return m_Alignment; }
    void SetAlignment(Qt::Alignment alignment);

    // Colours are stored opaque; an invalid colour is refused and the current one kept.
    QColor ColorBack() const { return m_ColorBack; }
    void SetColorBack(const QColor &color);
    QColor ColorBorder() const { return m_ColorBorder; }
    void SetColorBorder(const QColor &color);
    QColor ColorStart() const { return m_ColorStart; }
    void SetColorStart(const QColor &color);
    QColor ColorEnd() const { return m_ColorEnd; }
    void SetColorEnd(const QColor &color);

    // The range never becomes empty: a new minimum must be at least 1 and below the maximum, a
    // new maximum at least 1 and above the minimum; other values are ignored.
    int Minimum() const { return m_Minimum; }
    void SetMinimum(int value);
    int Maximum() const { return m_Maximum; }
    void SetMaximum(int value);

    // Kept within Minimum..Maximum; a change is painted at once.
    int Position() const { return m_Position; }
    void SetPosition(int value);

    QString Prefix() const { return m_Prefix; }
    void SetPrefix(const QString &prefix);
    bool ShowText() const { return m_ShowText; }
    void SetShowText(bool show);
    // True: the gradient spans the filled part; false: the whole bar, of which the filled part
    // shows the left share.
    bool ShrinkGradient() const { return m_ShrinkGradient; }
    void SetShrinkGradient(bool shrink);
    QString Surfix() const { return m_Surfix; }
    void SetSurfix(const QString &surfix);

    // The position as a whole percentage of the range, halves rounded to the even neighbour.
    int Percent() const;
    // Width in pixels of the filled part for the current width.
    int FillWidth() const;
    // The text the bar shows (when ShowText is set): prefix, percentage and suffix.
    QString DisplayText() const;

Q_SIGNALS:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

    void PaintBitmap(QPainter &painter, const QSize &size) const override;

private:
    void PaintGradientBands(QPainter &painter, int span, int height) const;
    void PaintText(QPainter &painter, const QSize &size) const;

    Qt::Alignment m_Alignment = Qt::AlignHCenter;
    QColor m_ColorBack;
    QColor m_ColorBorder;
    QColor m_ColorStart;
    QColor m_ColorEnd;
    int m_Minimum = 0;
    int m_Maximum = 100;
    int m_Position = 0;
    QString m_Prefix;
    bool m_ShowText = true;
    bool m_ShrinkGradient = false;
    QString m_Surfix = QStringLiteral("%");

    bool m_LeftPressed = false;
};
