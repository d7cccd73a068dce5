#include "menus/tbmenusubitem.h"

TBMenuSubItem::TBMenuSubItem(const QString &caption, QWidget *parent) : QMenu(caption, parent) {}
