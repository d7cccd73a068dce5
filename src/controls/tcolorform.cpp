#include "controls/tcolorform.h"

#include "controls/classicpainting.h"

#include <QColorDialog>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>

namespace {

constexpr int kFormWidth = 78;
constexpr int kFormHeight = 120;

TColorForm::ColorDialogRunner &DialogRunner()
{
    static TColorForm::ColorDialogRunner runner;
    return runner;
}

std::optional<QColor> RunColorDialog(const QColor &initial, QWidget *parent)
{
    if (DialogRunner())
        return DialogRunner()(initial, parent);
    const QColor chosen = QColorDialog::getColor(initial, parent, QStringLiteral("Color"));
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

// Strictly inside: on neither edge of the rectangle (whose right and bottom edges are excluded).
bool StrictlyContains(const QRect &rect, const QPoint &point)
{
    return point.x() > rect.left() && point.x() < rect.left() + rect.width()
        && point.y() > rect.top() && point.y() < rect.top() + rect.height();
}

} // namespace

TColorForm::TColorForm(QWidget *owner)
    : QWidget(owner, Qt::Popup | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_Owner(owner)
{
    setObjectName(QStringLiteral("ColorForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kFormWidth, kFormHeight);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

TColorForm::~TColorForm() = default;

void TColorForm::Setup(quint32 color, ColorResolver resolver, ColorCallback callback)
{
    m_Color = color;
    m_Resolver = std::move(resolver);
    m_Callback = std::move(callback);
    m_HotCell = CellOfColor(color);
    update();
}

TColorForm::ColorDialogRunner TColorForm::SetColorDialogRunner(ColorDialogRunner runner)
{
    return std::exchange(DialogRunner(), std::move(runner));
}

// The first palette cell of exactly this value, row by row; the custom swatch for any other.
int TColorForm::CellOfColor(quint32 color) const
{
    const std::span<const quint32> colors = DropDownPalette();
    for (int cell = 0; cell < int(colors.size()); ++cell) {
        if (colors[cell] == color)
            return cell;
    }
    return kCustomCell;
}

bool TColorForm::ShowsCustomSwatch() const
{
    return CellOfColor(m_Color) == kCustomCell;
}

QRect TColorForm::CellRect(int cell)
{
    const int column = cell % kDropDownColumns + 1;
    const int row = cell / kDropDownColumns + 1;
    return EdgeRect(18 * column - 14, 18 * row - 14, 18 * column + 2, 18 * row + 2);
}

QRect TColorForm::CustomSwatchRect() const
{
    return EdgeRect(width() - 20, height() - 20, width() - 4, height() - 4);
}

// Narrower while the custom swatch stands beside it.
QRect TColorForm::OtherButtonRect() const
{
    return EdgeRect(3, height() - 21, ShowsCustomSwatch() ? 56 : 65, height() - 3);
}

int TColorForm::CellAt(const QPoint &point) const
{
    for (int cell = 0; cell < kCustomCell; ++cell) {
        if (StrictlyContains(CellRect(cell).adjusted(-2, -2, 2, 2), point))
            return cell;
    }
    if (ShowsCustomSwatch() && StrictlyContains(CustomSwatchRect(), point))
        return kCustomCell;
    return kNoCell;
}

QColor TColorForm::Resolved(quint32 value) const
{
    return m_Resolver ? m_Resolver(value) : PlainColorOnly(value);
}

void TColorForm::paintEvent(QPaintEvent *)
{
    // Drawn off screen and copied in one piece, so moving over the cells never flickers.
    QImage bitmap(size(), QImage::Format_RGB32);
    {
        QPainter painter(&bitmap);
        PaintFace(painter);
        PaintHotFrame(painter);
    }
    QPainter(this).drawImage(0, 0, bitmap);
}

void TColorForm::PaintFace(QPainter &painter) const
{
    const QPalette &pal = palette();
    PaintButtonFace(painter, rect(), pal, false);

    const std::span<const quint32> colors = DropDownPalette();
    for (int cell = 0; cell < kCustomCell; ++cell) {
        const QRect cellRect = CellRect(cell);
        PaintSunkenCellFrame(painter, cellRect);
        FillEdgeRect(painter, cellRect.adjusted(2, 2, -2, -2), PlainColorOnly(colors[cell]));
    }
    if (ShowsCustomSwatch()) {
        const QRect swatch = CustomSwatchRect();
        PaintSunkenCellFrame(painter, swatch);
        const QColor custom = Resolved(m_Color);
        if (custom.isValid())
            FillEdgeRect(painter, swatch.adjusted(2, 2, -2, -2), QColor(custom.rgb()));
    }
    PaintEtchedHorizontalLine(painter, height() - 24, 4, width() - 4, pal);

    const QRect other = OtherButtonRect();
    PaintButtonFace(painter, other, pal, false);
    painter.setFont(font());
    style()->drawItemText(&painter, other, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic,
                          pal, true, QStringLiteral("&Other..."), QPalette::ButtonText);
}

// Black just outside the cell, white on its edge, black just inside.
void TColorForm::PaintHotFrame(QPainter &painter) const
{
    if (m_HotCell == kNoCell)
        return;
    const QRect cell = m_HotCell == kCustomCell ? CustomSwatchRect() : CellRect(m_HotCell);
    FrameEdgeRect(painter, cell.adjusted(-1, -1, 1, 1), Qt::black);
    FrameEdgeRect(painter, cell, Qt::white);
    FrameEdgeRect(painter, cell.adjusted(1, 1, -1, -1), Qt::black);
}

void TColorForm::SetHotCell(int cell)
{
    if (cell == m_HotCell)
        return;
    m_HotCell = cell;
    update();
}

void TColorForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    setFocus(Qt::PopupFocusReason);
}

void TColorForm::mouseMoveEvent(QMouseEvent *event)
{
    SetHotCell(CellAt(event->position().toPoint()));
}

void TColorForm::mousePressEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    if (!rect().contains(point)) {
        // A click on the selector itself only closes the drop-down; it must not open it again.
        if (m_Owner && m_Owner->rect().contains(m_Owner->mapFromGlobal(event->globalPosition().toPoint())))
            setAttribute(Qt::WA_NoMouseReplay);
        close();
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    const int cell = CellAt(point);
    if (cell != kNoCell)
        ChooseCell(cell);
    else if (OtherButtonRect().contains(point))
        OtherClick();
}

void TColorForm::ChooseCell(int cell)
{
    const quint32 chosen = cell == kCustomCell ? m_Color : DropDownPalette()[cell];
    const ColorCallback callback = m_Callback;
    close();
    if (callback)
        callback(chosen);
}

// The drop-down makes way for the colour dialog, as it would lose the focus to it anyway, and the
// dialog's colour reaches the owner once confirmed.
void TColorForm::OtherClick()
{
    const ColorCallback callback = m_Callback;
    const QColor initial = Resolved(m_Color);
    QPointer<QWidget> owner = m_Owner;
    hide();
    const std::optional<QColor> chosen = RunColorDialog(initial.isValid() ? initial : QColor(Qt::black), owner);
    close();
    if (chosen && owner && callback)
        callback(PlainColorValue(*chosen));
}

// The arrows move the marked cell, Enter or Space chooses it, "O" opens the colour dialog.
void TColorForm::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left: MoveHotCell(-1, 0); return;
    case Qt::Key_Right: MoveHotCell(1, 0); return;
    case Qt::Key_Up: MoveHotCell(0, -1); return;
    case Qt::Key_Down: MoveHotCell(0, 1); return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (m_HotCell != kNoCell)
            ChooseCell(m_HotCell);
        return;
    case Qt::Key_O:
        OtherClick();
        return;
    default:
        QWidget::keyPressEvent(event); // Escape closes the popup
    }
}

// From the custom swatch (or nothing) the arrows start at the first cell.
void TColorForm::MoveHotCell(int columns, int rows)
{
    if (m_HotCell == kNoCell || m_HotCell == kCustomCell) {
        SetHotCell(0);
        return;
    }
    const int column = std::clamp(m_HotCell % kDropDownColumns + columns, 0, kDropDownColumns - 1);
    const int row = std::clamp(m_HotCell / kDropDownColumns + rows, 0, kDropDownRows - 1);
    SetHotCell(row * kDropDownColumns + column);
}
