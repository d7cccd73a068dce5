#include "menus/tbmenusubitem.h"

#include <QAction>

TBMenuSubItem::TBMenuSubItem(const QString &caption, QWidget *parent) : QMenu(caption, parent)
{
    // A screen reader names an open menu after the entry that opened it ("Programs", not "&Programs").
    setAccessibleName(menuAction()->iconText());
}
