#include "menus/contactsmenu.h"

#include "contacts/addressbook.h"
#include "dialogs/taddcontact.h"
#include "dialogs/tcontactdetails.h"
#include "dialogs/tfindcontact.h"
#include "menus/menuactivation.h"
#include "menus/tbmenuitem.h"
#include "platform/defaultapplications.h"
#include "platform/shellnamespace.h"

#include <QApplication>
#include <QMenuBar>

namespace {

constexpr int kAddContactTag = 1;
constexpr int kFindContactTag = 2;
const char *const kBookProperty = "addressBook";

QString Caption(const QString &name)
{
    QString caption = name;
    caption.replace(QLatin1Char('&'), QLatin1String("&&"));
    return caption;
}

QIcon ContactIcon()
{
    ShellItem card;
    card.kind = ShellItemKind::File;
    card.parsingPath = QStringLiteral("contact.vcf");
    return ShellItemIcon(card);
}

QAction *AddCommand(QWidget *parent, const QString &caption, int tag, const QString &bookPath)
{
    auto *action = new QAction(caption, parent);
    action->setData(tag);
    action->setProperty(kBookProperty, bookPath);
    QObject::connect(action, &QAction::triggered, action, [action] { ContactExtrasClick(action); });
    parent->addAction(action);
    return action;
}

void AddSeparator(QWidget *parent)
{
    auto *separator = new QAction(parent);
    separator->setSeparator(true);
    parent->addAction(separator);
}

void AddCommands(QWidget *parent, const ContactsMenuOptions &options)
{
    AddCommand(parent, QStringLiteral("Add Contact..."), kAddContactTag, options.bookPath);
    AddCommand(parent, QStringLiteral("Find Contact..."), kFindContactTag, options.bookPath);
    const QString application = DefaultApplicationFor(QStringLiteral("text/vcard"));
    if (!application.isEmpty()) {
        auto *open = new TBMenuItem(QStringLiteral("Open Address Book..."), parent);
        open->SetPath(application);
        if (options.showIcons)
            open->setIcon(IconForPath(application));
        QObject::connect(open, &QAction::triggered, open, [open] { OpenProgramClick(open); });
        parent->addAction(open);
    }
    AddSeparator(parent);
}

// The window the dialogs belong to: the bar (the menu's top-level window) when there is one.
QWidget *OwnerOf(QObject *sender)
{
    if (auto *action = qobject_cast<QAction *>(sender)) {
        for (QObject *parent = action->parent(); parent; parent = parent->parent()) {
            if (auto *bar = qobject_cast<QMenuBar *>(parent))
                return bar->window();
        }
    }
    return nullptr;
}

} // namespace

void FillContactsMenu(QWidget *parent, const ContactsMenuOptions &options)
{
    const AddressBook book(options.bookPath);
    if (!book.Exists()) {
        auto *error = new QAction(QString::fromLatin1(kAddressBookNotFound), parent);
        error->setEnabled(false);
        parent->addAction(error);
        return;
    }
    if (options.commands && !qobject_cast<QMenuBar *>(parent))
        AddCommands(parent, options);
    const QIcon icon = options.showIcons ? ContactIcon() : QIcon();
    int built = 0;
    book.ForEachCard([&](const ContactId &id, VCard &&card) {
        if (!card.isGroup) {
            auto *item = new TBMenuItem(Caption(card.DisplayName()), parent);
            item->SetContactEntry(id.ToString());
            item->SetPath(options.bookPath);
            if (options.showIcons)
                item->setIcon(icon);
            QObject::connect(item, &QAction::triggered, item, [item] { OpenContactClick(item); });
            parent->addAction(item);
            ++built;
        }
        return options.limit <= 0 || built < options.limit;
    });
}

void OpenContactClick(QObject *sender)
{
    auto *item = qobject_cast<TBMenuItem *>(sender);
    if (!item)
        return;
    const AddressBook book(item->Path());
    if (!book.Exists())
        return;
    const std::optional<VCard> card = book.FindCard(ContactId::FromString(item->ContactEntry()));
    if (!card)
        return; // the card went away since the menu was filled
    auto *details = new TContactDetails(*card, OwnerOf(sender));
    details->show();
}

void ContactExtrasClick(QObject *sender)
{
    auto *action = qobject_cast<QAction *>(sender);
    if (!action)
        return;
    const QString bookPath = action->property(kBookProperty).toString();
    if (!AddressBook(bookPath).Exists())
        return;
    QWidget *owner = OwnerOf(sender);
    if (action->data().toInt() == kAddContactTag) {
        auto *editor = new TAddContact(bookPath, owner);
        editor->show();
    } else if (action->data().toInt() == kFindContactTag) {
        auto *find = new TFindContact(bookPath, owner);
        find->show();
    }
}
