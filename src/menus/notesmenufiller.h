// The notes menu ($NOTES$ entries): "Add Note..." at the top of a notes submenu, then a submenu for
// each category, then the notes of the menu's own category sorted by title. Choosing a note opens
// its note window; "Add Note..." opens an empty one.
#pragma once

#include <QString>

#include <functional>

class QObject;
class QWidget;
class TBMenuItem;
class TBMenuSubItem;

class NotesMenuFiller
{
public:
    // The menus' settings: the default item limit and whether entries show icons; and what fills
    // a category submenu when it opens (the menu builder's popup handler, run while popupContext
    // lives).
    using PopupHandler = std::function<void(TBMenuSubItem *)>;
    NotesMenuFiller(int maxNumber, bool showIcons, QObject *popupContext, PopupHandler popup);

    // Fills parent for a $NOTES$ path: its category is what follows "$NOTES$/" (or "$NOTES$\"),
    // empty for the top. The command entry is added when commands is set, parent is a submenu and
    // not a category submenu of a notes menu.
    void FillFromPath(QWidget *parent, const QString &path, int limit, bool commands);
    // Categories and notes count together against limit (-1: the maxnumber setting; 0 or below:
    // no limit). Categories are listed only at the top (an empty category).
    void Fill(QWidget *parent, const QString &category, int limit, bool commands);

    static bool IsNotesPath(const QString &path);
    static QString CategoryFromPath(const QString &path);
    // The path of a category's submenu.
    static QString CategoryPath(const QString &category);

private:
    bool CommandsAllowed(const QWidget *parent, bool commands) const;
    void AddCommandEntries(QWidget *parent);

    int m_maxNumber;
    bool m_showIcons;
    QObject *m_popupContext;
    PopupHandler m_popup;
};

// Click handlers: open the note of the entry (its path is the note's id), or a new note. The window
// opens once the menu has closed, and never blocks the bar.
void OpenNoteClick(TBMenuItem *item);
void AddNoteClick();
