#include "notes/notestore.h"

#include "foundation/datafiles.h"
#include "notes/notedate.h"
#include "records/tmlb2.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <functional>

namespace {

// Field positions of a note store.
enum NoteField { fId = 1, fDate = 2, fCategory = 3, fTitle = 4, fNote = 5 };

const QStringList &NoteFieldNames()
{
    static const QStringList names = {QStringLiteral("id"), QStringLiteral("date"), QStringLiteral("category"),
                                      QStringLiteral("title"), QStringLiteral("note")};
    return names;
}

bool HasNoteFields(const TMlb2 &table)
{
    const QStringList &names = NoteFieldNames();
    if (table.FieldCount() != names.size())
        return false;
    for (int field = 1; field <= table.FieldCount(); ++field) {
        if (table.FieldName(field) != names[field - 1])
            return false;
    }
    return true;
}

void MakeEmptyStore(TMlb2 &table)
{
    table.Clear();
    for (const QString &name : NoteFieldNames())
        table.AddField(name);
}

enum class StoreState { Loaded, Missing, Unreadable };

// A store that is not there yet reads as an empty one; one that is there but is no note store
// reads as unreadable, and the caller must not write over it.
StoreState LoadStore(TMlb2 &table)
{
    const QString path = NoteStorePath();
    if (!QFileInfo::exists(path)) {
        MakeEmptyStore(table);
        return StoreState::Missing;
    }
    if (!table.LoadFromFile(path) || !HasNoteFields(table)) {
        MakeEmptyStore(table);
        return StoreState::Unreadable;
    }
    return StoreState::Loaded;
}

NoteStoreResult WriteStore(TMlb2 &table)
{
    const QString path = NoteStorePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    return table.SaveToFile(path) ? NoteStoreResult::Saved : NoteStoreResult::CannotWrite;
}

// Stored text separates lines with carriage return and line feed; the editor with line feeds.
QString StoredText(const QString &editorText)
{
    QString text = editorText;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

QString EditorText(const QString &storedText)
{
    QString text = storedText;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString IdText(int id)
{
    return QString::number(id);
}

// A stored id read as a number; 0 when it is none.
int IdNumber(const QString &text)
{
    bool ok = false;
    const int id = text.toInt(&ok);
    return ok ? id : 0;
}

void DeleteRecordsWhere(TMlb2 &table, const std::function<bool(int record)> &matches)
{
    for (int record = table.RecordCount(); record >= 1; --record) {
        if (matches(record))
            table.DeleteRecord(record);
    }
}

void AppendNote(TMlb2 &table, const QString &category, const QString &title, const QString &text)
{
    QStringList ids;
    ids.reserve(table.RecordCount());
    for (int record = 1; record <= table.RecordCount(); ++record)
        ids.append(table.Value(fId, record));
    table.AddRecord();
    table.SetFieldValue(fId, IdText(SmallestFreeNoteId(ids)));
    table.SetFieldValue(fDate, QString::number(CurrentNoteDate()));
    table.SetFieldValue(fCategory, category);
    table.SetFieldValue(fTitle, title);
    table.SetFieldValue(fNote, StoredText(text));
}

QString Folded(const QString &text)
{
    return text.toCaseFolded();
}

// Removes the records of a note window's note: its id with the category and title it was loaded with.
void DeleteLoadedRecords(TMlb2 &table, int id, const QString &loadedCategory, const QString &loadedTitle)
{
    if (id == kNewNoteId)
        return;
    const QString idText = IdText(id);
    DeleteRecordsWhere(table, [&](int record) {
        return table.Value(fId, record) == idText && SameNoteName(table.Value(fCategory, record), loadedCategory)
               && SameNoteName(table.Value(fTitle, record), loadedTitle);
    });
}

} // namespace

QString NoteStorePath()
{
    return DataFilePath(dfNotes);
}

bool SameNoteName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

int SmallestFreeNoteId(const QStringList &storedIds)
{
    // Only canonical decimal texts take an id: "007" or " 7" leave 7 free, as a text compare would.
    QSet<int> taken;
    taken.reserve(storedIds.size());
    for (const QString &text : storedIds) {
        bool ok = false;
        const int id = text.toInt(&ok);
        if (ok && id >= 1 && IdText(id) == text)
            taken.insert(id);
    }
    int id = 1;
    while (taken.contains(id))
        ++id;
    return id;
}

void CreateNoteStore()
{
    if (QFileInfo::exists(NoteStorePath()))
        return;
    TMlb2 table;
    MakeEmptyStore(table);
    WriteStore(table);
}

int FindNote(const QString &category, const QString &title)
{
    TMlb2 table;
    if (LoadStore(table) != StoreState::Loaded)
        return 0;
    for (int record = 1; record <= table.RecordCount(); ++record) {
        if (SameNoteName(table.Value(fTitle, record), title) && SameNoteName(table.Value(fCategory, record), category))
            return IdNumber(table.Value(fId, record));
    }
    return 0;
}

NoteStoreResult DeleteNote(int id)
{
    TMlb2 table;
    const StoreState state = LoadStore(table);
    if (state == StoreState::Unreadable)
        return NoteStoreResult::Unreadable;
    const QString idText = IdText(id);
    DeleteRecordsWhere(table, [&](int record) { return table.Value(fId, record) == idText; });
    return WriteStore(table);
}

NoteStoreResult AddNote(const QString &category, const QString &title, const QString &text)
{
    TMlb2 table;
    if (LoadStore(table) == StoreState::Unreadable)
        return NoteStoreResult::Unreadable;
    AppendNote(table, category, title, text);
    return WriteStore(table);
}

NoteStoreResult DeleteLoadedNote(int id, const QString &loadedCategory, const QString &loadedTitle)
{
    TMlb2 table;
    if (LoadStore(table) == StoreState::Unreadable)
        return NoteStoreResult::Unreadable;
    DeleteLoadedRecords(table, id, loadedCategory, loadedTitle);
    return WriteStore(table);
}

NoteStoreResult ReplaceNote(int oldId, const QString &loadedCategory, const QString &loadedTitle,
                            const QString &category, const QString &title, const QString &text)
{
    TMlb2 table;
    if (LoadStore(table) == StoreState::Unreadable)
        return NoteStoreResult::Unreadable;
    DeleteLoadedRecords(table, oldId, loadedCategory, loadedTitle);
    AppendNote(table, category, title, text);
    return WriteStore(table);
}

QStringList NoteCategories()
{
    return NoteCategories(NoteHeadings());
}

QStringList NoteCategories(const QList<NoteHeading> &headings)
{
    QStringList categories;
    QSet<QString> seen;
    for (const NoteHeading &heading : headings) {
        if (heading.category.isEmpty())
            continue;
        const QString key = Folded(heading.category);
        if (seen.contains(key))
            continue;
        seen.insert(key);
        categories.append(heading.category);
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(categories.begin(), categories.end(),
                     [&collator](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
    return categories;
}

QList<NoteHeading> NoteHeadings()
{
    TMlb2 table;
    if (LoadStore(table) != StoreState::Loaded)
        return {};
    QList<NoteHeading> headings;
    headings.reserve(table.RecordCount());
    for (int record = 1; record <= table.RecordCount(); ++record)
        headings.append({IdNumber(table.Value(fId, record)), table.Value(fCategory, record), table.Value(fTitle, record)});
    return headings;
}

bool IsNoteFile(const QString &path)
{
    TMlb2 table;
    return table.LoadFromFile(path) && HasNoteFields(table);
}

StoredNote ReadNote(int id)
{
    StoredNote note;
    TMlb2 table;
    if (LoadStore(table) != StoreState::Loaded || !table.First())
        return note;
    const QString idText = IdText(id);
    if (table.FieldValue(fId) != idText && !table.Locate(QStringLiteral("id"), QStringLiteral("="), idText))
        return note;
    note.found = true;
    note.id = id;
    note.date = table.FieldValue(fDate);
    note.category = table.FieldValue(fCategory);
    note.title = table.FieldValue(fTitle);
    note.text = EditorText(table.FieldValue(fNote));
    return note;
}
