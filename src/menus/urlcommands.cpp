#include "menus/urlcommands.h"

#include "dialogs/taddurl.h"
#include "menus/menuactivation.h"
#include "menus/tbmenuitem.h"
#include "platform/shellnamespace.h"

#include <QAction>
#include <QIcon>
#include <QMenuBar>
#include <QWidget>

namespace {

// The bar the menu hangs from; the URL editor belongs to it, not to the menu that closes.
QWidget *BarOf(QObject *menu)
{
    for (QObject *object = menu; object; object = object->parent()) {
        if (auto *bar = qobject_cast<QMenuBar *>(object))
            return bar->window();
    }
    return nullptr;
}

} // namespace

void AddUrlCommands(QWidget *parent, bool showIcons)
{
    auto *add = new QAction(QStringLiteral("Add URL..."), parent);
    if (showIcons)
        add->setIcon(QIcon::fromTheme(QStringLiteral("bookmark-new")));
    QObject::connect(add, &QAction::triggered, parent, [parent] { TBItem1Click(BarOf(parent)); });
    parent->addAction(add);

    auto *manage = new TBMenuItem(QStringLiteral("Manage URL's..."), parent);
    manage->SetPath(QStringLiteral("$URLS$"));
    if (showIcons)
        manage->setIcon(FolderIcon());
    QObject::connect(manage, &QAction::triggered, manage, [manage] { OpenProgramClick(manage); });
    parent->addAction(manage);

    auto *separator = new QAction(parent);
    separator->setSeparator(true);
    parent->addAction(separator);
}

void TBItem1Click(QWidget *owner)
{
    auto *editor = new TAddURL(owner);
    editor->show();
    editor->raise();
    editor->activateWindow();
}
