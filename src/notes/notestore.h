// The note store, Data/note.dat: a record file with the fields "id", "date", "category", "title"
// and "note", one record per note, in the order the notes were last saved. Every operation reads
// the file afresh and every change writes it back whole and atomically, so note windows open at the
// same time see each other's saves at their next operation.
//
// A store that exists but does not read as a note store (damaged, truncated, or another kind of
// record file) is never written over: the operations that read find nothing in it, those that
// change it refuse with NoteStoreResult::Unreadable and leave the file as it is.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The id of a note window's note before it is stored.
constexpr int kNewNoteId = -1;

enum class NoteStoreResult {
    Saved,
    Unreadable,    // note.dat exists but is no note store: nothing was changed
    CannotWrite,   // the file could not be written; it keeps what it held before
};

// What the notes menu lists of a note.
struct NoteHeading
{
    int id = 0;   // 0 when the stored id is not a number
    QString category;
    QString title;
};

// The store's path (Data/note.dat of the data folder).
QString NoteStorePath();

// Writes an empty store when there is none yet (at start-up).
void CreateNoteStore();

// The id of the first note whose category and title equal the given ones without regard to case;
// 0 when there is none or when its stored id is not a number.
int FindNote(const QString &category, const QString &title);

// Removes every note stored under this id.
NoteStoreResult DeleteNote(int id);

// Appends a note with the smallest free id and the current date.
NoteStoreResult AddNote(const QString &category, const QString &title, const QString &text);

// Deleting from a note window: removes the notes stored under id that still carry the category
// and title the window loaded, so that a note which took over a freed id is never removed instead.
NoteStoreResult DeleteLoadedNote(int id, const QString &loadedCategory, const QString &loadedTitle);

// Saving a note window in one write: the notes stored under oldId that still carry the category and
// title the window loaded (compared without regard to case) are removed, then the note is appended
// as AddNote does. A note another window has meanwhile moved or replaced is thus never removed in
// its place, and a failed write loses neither the old nor the new text. oldId kNewNoteId removes
// nothing.
NoteStoreResult ReplaceNote(int oldId, const QString &loadedCategory, const QString &loadedTitle,
                            const QString &category, const QString &title, const QString &text);

// The distinct non-empty categories (without regard to case; the first spelling wins), sorted.
QStringList NoteCategories();

// Every note's id, category and title, in file order; empty for a store that cannot be read.
QList<NoteHeading> NoteHeadings();
// The categories among headings already read, as NoteCategories gives them: the notes menu reads
// the store once for both.
QStringList NoteCategories(const QList<NoteHeading> &headings);

// True when the file reads as a record file whose fields are exactly the note store's five.
bool IsNoteFile(const QString &path);

// The text of the note with this id, as the note window edits it; found is false when the store
// holds no such note.
struct StoredNote
{
    bool found = false;
    int id = kNewNoteId;
    QString date;
    QString category;
    QString title;
    QString text;   // lines separated by "\n"
};
StoredNote ReadNote(int id);

// Titles and categories are equal when they are equal without regard to case.
bool SameNoteName(const QString &a, const QString &b);
// The smallest id n >= 1 that no stored id text equals; exposed for the store's tests.
int SmallestFreeNoteId(const QStringList &storedIds);
