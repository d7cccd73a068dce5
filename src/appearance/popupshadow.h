// The drop shadow of popup menus.
//
// A popup that casts a shadow is made a few pixels wider and taller than its panel; the bands on its
// right and at its bottom show what lay on the screen below, darkened towards the panel. (A popup
// that opens upwards onto the bar keeps only the right band: see TTBXQuorixTheme.) What lies below
// is copied from the screen just before the popup is mapped: X servers without a compositor (and
// bare Xvfb) cannot blend a translucent window with what is under it, so a copy is the one way that
// looks the same everywhere. When the screen cannot be copied the band is filled with a plain
// darkened colour instead.
#pragma once

#include <QColor>
#include <QRect>

class QPainter;
class QWidget;

// Copies the screen under a top-level popup at its current geometry; call it while the popup is
// about to be shown (its Show event), before it covers that area.
void CapturePopupBackdrop(QWidget *popup);
// Frees the copy (the popup was hidden).
void ReleasePopupBackdrop(QWidget *popup);
// Paints the band between rect (the whole popup) and panel (the part the menu draws on): the copy
// of the screen, darkened in layers so the shadow fades away from the panel. fallback fills the
// band where no copy exists.
void PaintPopupShadow(QPainter &painter, const QWidget *popup, const QRect &rect, const QRect &panel,
                      const QColor &fallback);
