#include "menus/barpopupplacer.h"

#include "controls/tappbar.h"

#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

TBarPopupPlacer::TBarPopupPlacer(QMenuBar *bar) : QObject(bar), m_bar(bar) {}

void TBarPopupPlacer::WatchBarMenus()
{
    const auto actions = m_bar->actions();
    for (QAction *action : actions) {
        if (QMenu *menu = action->menu())
            menu->installEventFilter(this); // installing twice keeps one filter
    }
}

bool TBarPopupPlacer::eventFilter(QObject *watched, QEvent *event)
{
    // Show arrives before the popup maps, so moving it here is never seen.
    if (event->type() == QEvent::Show) {
        if (auto *menu = qobject_cast<QMenu *>(watched))
            PlaceAgainstItem(menu);
    }
    return QObject::eventFilter(watched, event);
}

QPoint TBarPopupPlacer::ItemToGlobal(const QPoint &point) const
{
    // The bar knows where it put its window; the window manager may not have said so yet (then
    // Qt would still place the window at the top-left corner).
    QWidget *window = m_bar->window();
    if (const auto *appBar = qobject_cast<const TAppBar *>(window); appBar && !appBar->PlacedRect().isEmpty())
        return appBar->PlacedRect().topLeft() + m_bar->mapTo(window, point);
    return m_bar->mapToGlobal(point);
}

void TBarPopupPlacer::PlaceAgainstItem(QMenu *menu) const
{
    const QRect item = m_bar->actionGeometry(menu->menuAction());
    if (item.isEmpty() || !m_bar->isVisible())
        return;
    const QScreen *screen = m_bar->screen();
    const QRect screenRect = screen ? screen->geometry() : QRect();
    const QPoint itemTop = ItemToGlobal(item.topLeft());
    const QPoint itemBottom = ItemToGlobal(item.bottomLeft()) + QPoint(0, 1);
    const QSize size = menu->size();
    // A bar in the lower half of the screen opens its menus upwards.
    const bool upwards = screenRect.isValid() && itemTop.y() > screenRect.center().y();
    QPoint position(itemTop.x(), upwards ? itemTop.y() - size.height() : itemBottom.y());
    if (screenRect.isValid())
        position.setX(qBound(screenRect.left(), position.x(), screenRect.right() + 1 - size.width()));
    if (menu->isRightToLeft())
        position.setX(ItemToGlobal(item.topRight()).x() + 1 - size.width());
    menu->move(position);
}
