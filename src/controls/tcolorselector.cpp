#include "controls/tcolorselector.h"

#include "controls/classicpainting.h"
#include "controls/tcolorform.h"

#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

TColorSelector::TColorSelector(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent); // every pixel is painted each time
    resize(42, 21);
}

TColorSelector::~TColorSelector() = default;

QSize TColorSelector::sizeHint() const
{
    return QSize(42, 21);
}

void TColorSelector::SetColor(quint32 color)
{
    if (color == m_Color)
        return;
    m_Color = color;
    update();
}

void TColorSelector::SetColorResolver(ColorResolver resolver)
{
    m_Resolver = std::move(resolver);
    update();
}

TColorForm *TColorSelector::DropDown() const
{
    return m_DropDown;
}

bool TColorSelector::IsPushed() const
{
    return (m_LeftHeld && m_Inside) || m_SpaceHeld;
}

void TColorSelector::Click()
{
    if (!m_DropDown) {
        m_DropDown = new TColorForm(this);
        m_DropDown->Setup(m_Color, m_Resolver, [this](quint32 color) { ColorChosen(color); });
        m_DropDown->move(mapToGlobal(QPoint(0, height())));
        m_DropDown->show();
    }
    Q_EMIT clicked();
}

void TColorSelector::ColorChosen(quint32 color)
{
    if (color == m_Color)
        return;
    m_Color = color;
    update();
    Q_EMIT OnChangeColor(color);
}

void TColorSelector::paintEvent(QPaintEvent *)
{
    QImage bitmap(size(), QImage::Format_RGB32);
    {
        QPainter painter(&bitmap);
        PaintFace(painter);
    }
    QPainter(this).drawImage(0, 0, bitmap);
}

// Pushed, everything but the face moves one pixel right and down.
void TColorSelector::PaintFace(QPainter &painter) const
{
    const QPalette &pal = palette();
    const int w = width();
    const int h = height();
    const int quarter = w / 4;
    const int shift = IsPushed() ? 1 : 0;
    const bool enabled = isEnabled();
    const QColor ink = enabled ? QColor(Qt::black) : QColor(pal.color(QPalette::Active, QPalette::Dark).rgb());

    PaintButtonFace(painter, rect(), pal, IsPushed());
    PaintEtchedVerticalLine(painter, w - quarter - 1 + shift, 3 + shift, h - 3 + shift, pal);

    const QRect swatch = EdgeRect(5 + shift, 4 + shift, w - quarter - 5 + shift, h - 4 + shift);
    FrameEdgeRect(painter, swatch, ink);
    // A disabled selector stands for no colour: its swatch shows the face.
    const QColor color = m_Resolver ? m_Resolver(m_Color) : PlainColorOnly(m_Color);
    if (enabled && color.isValid())
        FillEdgeRect(painter, swatch.adjusted(1, 1, -1, -1), QColor(color.rgb()));

    PaintDownTriangle(painter, w - quarter + quarter / 2 - 4 + shift, h / 2 - 1 + shift, ink);

    if (hasFocus()) {
        const QRect focus = IsPushed() ? EdgeRect(4, 4, w - 2, h - 2) : EdgeRect(3, 3, w - 3, h - 3);
        PaintFocusFrame(painter, focus, QColor(pal.color(QPalette::Active, QPalette::ButtonText).rgb()));
    }
}

void TColorSelector::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_LeftHeld = true;
    m_Inside = rect().contains(event->position().toPoint());
    setFocus(Qt::MouseFocusReason);
    update();
}

// While the button is held the pointer may leave and come back: the face follows it.
void TColorSelector::mouseMoveEvent(QMouseEvent *event)
{
    if (m_LeftHeld)
        SetInside(rect().contains(event->position().toPoint()));
}

void TColorSelector::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_LeftHeld)
        return QWidget::mouseReleaseEvent(event);
    m_LeftHeld = false;
    const bool click = rect().contains(event->position().toPoint());
    update();
    if (click)
        Click();
}

void TColorSelector::enterEvent(QEnterEvent *)
{
    SetInside(true);
}

void TColorSelector::leaveEvent(QEvent *)
{
    SetInside(false);
}

void TColorSelector::SetInside(bool inside)
{
    if (inside == m_Inside)
        return;
    m_Inside = inside;
    update();
}

void TColorSelector::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
        if (!event->isAutoRepeat() && !m_SpaceHeld) {
            m_SpaceHeld = true;
            m_LeftHeld = true;
            update();
        }
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Click();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TColorSelector::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Space || event->isAutoRepeat() || !m_SpaceHeld)
        return QWidget::keyReleaseEvent(event);
    m_SpaceHeld = false;
    m_LeftHeld = false;
    update();
    Click();
}

void TColorSelector::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

// Losing the focus with Space still held lets the face come back up, without a click.
void TColorSelector::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    if (m_SpaceHeld && event->reason() != Qt::PopupFocusReason) {
        m_SpaceHeld = false;
        m_LeftHeld = false;
    }
    update();
}

void TColorSelector::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        update();
}
