#include "menus/tbmenuitem.h"

TBMenuItem::TBMenuItem(const QString &caption, QObject *parent) : QAction(caption, parent) {}
