// TColorForm: the colour selector's drop-down, a borderless popup of twenty colour cells, the
// current colour as a custom swatch when it is none of them, and "&Other..." for Qt's colour
// dialog. It tells its owner the colour chosen through a callback and closes when it loses the
// focus (a click anywhere else, Escape).
#pragma once

#include "controls/selectorcolors.h"

#include <QWidget>
#include <functional>
#include <optional>

class TColorForm : public QWidget
{
    Q_OBJECT

public:
    using ColorCallback = std::function<void(quint32 value)>;
    // Asks for a colour in Qt's colour dialog (tests answer it themselves): the preset colour and
    // the dialog's parent; the colour confirmed, or nothing when cancelled.
    using ColorDialogRunner = std::function<std::optional<QColor>(const QColor &initial, QWidget *parent)>;

    // Which cell the pointer is over.
    static constexpr int kNoCell = -1;
    static constexpr int kCustomCell = kDropDownColumns * kDropDownRows;

    // owner is the selector the drop-down belongs to (a click on it closes the drop-down without
    // reopening it).
    explicit TColorForm(QWidget *owner);
    ~TColorForm() override;

    // The current colour, how to paint colours that are not plain, and whom to tell.
    void Setup(quint32 color, ColorResolver resolver, ColorCallback callback);
    quint32 Color() const { return m_Color; }

    // The cell under the pointer: 0..19 row by row, kCustomCell or kNoCell.
    int HotCell() const { return m_HotCell; }
    bool ShowsCustomSwatch() const;

    // Where things are drawn, for the pointer and for tests. Rectangles are in the drop-down's
    // coordinates; a cell is 16 by 16 pixels.
    static QRect CellRect(int cell);
    QRect CustomSwatchRect() const;
    QRect OtherButtonRect() const;
    // The cell whose rectangle, grown by two pixels, holds the point; else the custom swatch when
    // shown and holding it; else kNoCell.
    int CellAt(const QPoint &point) const;

    // Replaces the colour dialog (tests); an empty runner restores it. Returns the old one.
    static ColorDialogRunner SetColorDialogRunner(ColorDialogRunner runner);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void PaintFace(QPainter &painter) const;
    void PaintHotFrame(QPainter &painter) const;
    void SetHotCell(int cell);
    int CellOfColor(quint32 color) const;
    void ChooseCell(int cell);
    void OtherClick();
    void MoveHotCell(int columns, int rows);
    QColor Resolved(quint32 value) const;

    QWidget *m_Owner = nullptr;
    quint32 m_Color = 0;
    ColorResolver m_Resolver;
    ColorCallback m_Callback;
    int m_HotCell = kNoCell;
};
