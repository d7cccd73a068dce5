#include "appearance/popupshadow.h"

#include <QPainter>
#include <QPixmap>
#include <QRegion>
#include <QScreen>
#include <QVariant>
#include <QWidget>

namespace {

const char *const kBackdropProperty = "quorixShadowBackdrop";
// Each layer darkens by this alpha; pixels next to the panel are covered by every layer.
constexpr int kLayerAlpha = 24;

} // namespace

void CapturePopupBackdrop(QWidget *popup)
{
    QScreen *screen = popup->screen();
    if (!screen)
        return;
    const QRect global = popup->geometry();
    const QPoint origin = screen->geometry().topLeft();
    const QPixmap backdrop = screen->grabWindow(0, global.x() - origin.x(), global.y() - origin.y(),
                                                global.width(), global.height());
    if (backdrop.isNull())
        ReleasePopupBackdrop(popup);
    else
        popup->setProperty(kBackdropProperty, backdrop);
}

void ReleasePopupBackdrop(QWidget *popup)
{
    popup->setProperty(kBackdropProperty, QVariant());
}

void PaintPopupShadow(QPainter &painter, const QWidget *popup, const QRect &rect, const QRect &panel,
                      const QColor &fallback)
{
    const QRegion band = QRegion(rect) - QRegion(panel);
    if (band.isEmpty())
        return;
    painter.save();
    painter.setClipRegion(band, painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    const QPixmap backdrop = popup ? popup->property(kBackdropProperty).value<QPixmap>() : QPixmap();
    if (!backdrop.isNull()) {
        painter.drawPixmap(rect.topLeft(), backdrop);
        // A popup resized after it was shown has parts the copy does not cover.
        const QRect covered(rect.topLeft(), backdrop.deviceIndependentSize().toSize());
        for (const QRect &part : band - QRegion(covered))
            painter.fillRect(part, fallback);
    } else {
        painter.fillRect(rect, fallback);
    }
    // Layers reach beyond a band that is narrower than the other; the clip cuts them off.
    const int size = qMax(rect.right() - panel.right(), rect.bottom() - panel.bottom());
    const QColor layer(0, 0, 0, kLayerAlpha);
    for (int k = 1; k <= size; ++k) {
        painter.fillRect(QRect(panel.right() + 1, panel.top() + k, k, panel.height()), layer);
        painter.fillRect(QRect(panel.left() + k, panel.bottom() + 1, panel.width() - k, k), layer);
    }
    painter.restore();
}
