// Reading a menu in a test: its captions in order and its entries by caption.
#pragma once

#include <QString>
#include <QStringList>

class QAction;
class QWidget;

// Captions of a menu (or menu bar): separators as "-", submenus with a trailing ">".
QStringList Captions(const QWidget *menu);
// The first entry with exactly this caption; null when there is none.
QAction *Action(const QWidget *menu, const QString &caption);
