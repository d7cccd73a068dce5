// Places the menus that open from the bar right against their bar item. Qt keeps popups inside
// the screen's work area, and the bar's own strut is outside it: on a two-row bar a menu would
// otherwise open below the info bar row, away from the item that opened it.
#pragma once

#include <QObject>

class QMenu;
class QPoint;
class QMenuBar;

class TBarPopupPlacer : public QObject
{
    Q_OBJECT

public:
    explicit TBarPopupPlacer(QMenuBar *bar);

    // Watches every menu that hangs directly from the bar (call again after the bar's menus change).
    void WatchBarMenus();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void PlaceAgainstItem(QMenu *menu) const;
    // A point of the menu bar on the screen.
    QPoint ItemToGlobal(const QPoint &point) const;
    QMenuBar *m_bar;
};
