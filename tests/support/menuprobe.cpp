#include "menuprobe.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

QStringList Captions(const QWidget *menu)
{
    QStringList captions;
    for (const QAction *action : menu->actions()) {
        if (action->isSeparator())
            captions << QStringLiteral("-");
        else
            captions << action->text() + (action->menu() ? QStringLiteral(">") : QString());
    }
    return captions;
}

QAction *Action(const QWidget *menu, const QString &caption)
{
    for (QAction *action : menu->actions()) {
        if (action->text() == caption)
            return action;
    }
    return nullptr;
}
