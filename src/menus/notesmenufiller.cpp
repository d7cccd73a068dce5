#include "menus/notesmenufiller.h"

#include "menus/tbmenuitem.h"
#include "menus/tbmenusubitem.h"
#include "notes/notestore.h"
#include "notes/opennote.h"
#include "platform/shellitem.h"
#include "platform/shellnamespace.h"

#include <QCollator>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTimer>

#include <algorithm>

namespace {

const QString kNotesWord = QStringLiteral("$NOTES$");
// Marks the category submenus this filler makes: they never carry "Add Note...".
const char *const kCategoryMenuProperty = "quorixNoteCategory";

// The icon a "*.txt" file shows.
QIcon NoteIcon()
{
    ShellItem item;
    item.kind = ShellItemKind::File;
    item.parsingPath = QStringLiteral("*.txt");
    return ShellItemIcon(item);
}

// A stored name shown as it is: "&" doubled so that it marks no accelerator.
QString Caption(const QString &name)
{
    QString caption = name;
    caption.replace(QLatin1Char('&'), QLatin1String("&&"));
    return caption;
}

bool IsTopLevel(const QWidget *parent)
{
    return qobject_cast<const QMenuBar *>(parent) != nullptr;
}

struct NoteEntry
{
    QString caption;
    int id;
};

// The notes of one category (without regard to case), one per title, sorted by title.
QList<NoteEntry> NotesOfCategory(const QList<NoteHeading> &headings, const QString &category)
{
    QList<NoteEntry> notes;
    QSet<QString> titles;
    for (const NoteHeading &heading : headings) {
        if (!SameNoteName(heading.category, category))
            continue;
        const QString caption = Caption(heading.title);
        const QString key = caption.toCaseFolded();
        if (titles.contains(key))
            continue; // a store made elsewhere may repeat a title: it is listed once
        titles.insert(key);
        notes.append({caption, heading.id});
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(notes.begin(), notes.end(), [&collator](const NoteEntry &a, const NoteEntry &b) {
        return collator.compare(a.caption, b.caption) < 0;
    });
    return notes;
}

} // namespace

NotesMenuFiller::NotesMenuFiller(int maxNumber, bool showIcons, QObject *popupContext, PopupHandler popup)
    : m_maxNumber(maxNumber), m_showIcons(showIcons), m_popupContext(popupContext), m_popup(std::move(popup))
{
}

bool NotesMenuFiller::IsNotesPath(const QString &path)
{
    return path.startsWith(kNotesWord);
}

QString NotesMenuFiller::CategoryFromPath(const QString &path)
{
    // Taken from the path as it stands, not from its expansion: a category may hold "/", "%" or
    // "$" and is still its own text.
    QString rest = path.mid(kNotesWord.size());
    if (rest.startsWith(QLatin1Char('/')) || rest.startsWith(QLatin1Char('\\')))
        rest.remove(0, 1);
    return rest;
}

QString NotesMenuFiller::CategoryPath(const QString &category)
{
    return kNotesWord + QLatin1Char('/') + category;
}

bool NotesMenuFiller::CommandsAllowed(const QWidget *parent, bool commands) const
{
    if (!commands || IsTopLevel(parent) || parent->property(kCategoryMenuProperty).toBool())
        return false;
    // A submenu inside a notes menu (a category, however it got there) has none either.
    const auto *enclosing = qobject_cast<const TBMenuSubItem *>(parent->parentWidget());
    return !(enclosing && IsNotesPath(enclosing->Path()) && CategoryFromPath(enclosing->Path()).isEmpty());
}

void NotesMenuFiller::FillFromPath(QWidget *parent, const QString &path, int limit, bool commands)
{
    Fill(parent, CategoryFromPath(path), limit, CommandsAllowed(parent, commands));
}

void NotesMenuFiller::AddCommandEntries(QWidget *parent)
{
    auto *add = new TBMenuItem(QStringLiteral("Add Note..."), parent);
    add->setIcon(QIcon::fromTheme(QStringLiteral("document-new")));
    QObject::connect(add, &QAction::triggered, add, [] { AddNoteClick(); });
    parent->addAction(add);
    auto *separator = new QAction(parent);
    separator->setSeparator(true);
    parent->addAction(separator);
}

void NotesMenuFiller::Fill(QWidget *parent, const QString &category, int limit, bool commands)
{
    if (commands)
        AddCommandEntries(parent);
    const int effectiveLimit = limit == -1 ? m_maxNumber : limit;
    int count = 0;
    const auto full = [&] { return effectiveLimit > 0 && count >= effectiveLimit; };
    const bool icons = m_showIcons;

    // One read of the store for the categories and the notes.
    const QList<NoteHeading> headings = NoteHeadings();
    if (category.isEmpty()) {
        for (const QString &name : NoteCategories(headings)) {
            if (full())
                return;
            auto *sub = new TBMenuSubItem(Caption(name), parent);
            sub->setProperty(kCategoryMenuProperty, true);
            sub->SetPath(CategoryPath(name));
            sub->SetLimit(limit);
            if (icons)
                sub->setIcon(FolderIcon());
            QObject::connect(sub, &QMenu::aboutToShow, m_popupContext, [popup = m_popup, sub] { popup(sub); });
            parent->addAction(sub->menuAction());
            ++count;
        }
    }
    const QIcon noteIcon = icons ? NoteIcon() : QIcon();
    for (const NoteEntry &note : NotesOfCategory(headings, category)) {
        if (full())
            return;
        auto *item = new TBMenuItem(note.caption, parent);
        item->SetPath(QString::number(note.id));
        item->setIcon(noteIcon);
        QObject::connect(item, &QAction::triggered, item, [item] { OpenNoteClick(item); });
        parent->addAction(item);
        ++count;
    }
}

void OpenNoteClick(TBMenuItem *item)
{
    bool ok = false;
    const int id = item->Path().toInt(&ok);
    if (!ok)
        return;
    QTimer::singleShot(0, [id] { OpenNote(id); });
}

void AddNoteClick()
{
    QTimer::singleShot(0, [] { OpenNote(kNewNoteId); });
}
