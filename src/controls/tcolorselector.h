// TColorSelector: a small button showing a colour swatch and a drop-down arrow. A click (the
// mouse, Space released, Enter) opens the drop-down palette (TColorForm) under it; choosing a
// colour there that differs from the current one stores it and reports it with OnChangeColor.
#pragma once

#include "controls/selectorcolors.h"

#include <QPointer>
#include <QWidget>

class TColorForm;

class TColorSelector : public QWidget
{
    Q_OBJECT

public:
    explicit TColorSelector(QWidget *parent = nullptr);
    ~TColorSelector() override;

    // The selected colour value (default black). Setting it repaints and reports nothing.
    quint32 Color() const { return m_Color; }
    void SetColor(quint32 color);
    // How colour values that are not plain colours (the desktop's, say) are painted; by default
    // they paint nothing.
    void SetColorResolver(ColorResolver resolver);

    // Opens the drop-down under the selector, as a click does.
    void Click();
    // The open drop-down, or none.
    TColorForm *DropDown() const;
    // True while the face is drawn pushed in.
    bool IsPushed() const;

    QSize sizeHint() const override;

Q_SIGNALS:
    // The user chose a colour different from the one selected before.
    void OnChangeColor(quint32 color);
    // After every click, once the drop-down is open.
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void PaintFace(QPainter &painter) const;
    void ColorChosen(quint32 color);
    void SetInside(bool inside);

    quint32 m_Color = 0;
    ColorResolver m_Resolver;
    QPointer<TColorForm> m_DropDown;
    bool m_LeftHeld = false;
    bool m_Inside = false;
    bool m_SpaceHeld = false;
};
