#include "dialogs/exchangecopy.h"

#include "appearance/themesfile.h"
#include "base/atomicfile.h"
#include "base/inifile.h"
#include "dialogs/exchangefiles.h"
#include "dialogs/timportexportdata.h"
#include "controls/tstatetreeview.h"
#include "foundation/appinfo.h"
#include "foundation/messages.h"
#include "notes/notestore.h"
#include "records/tmlb2.h"

#include <QDir>
#include <QFileInfo>
#include <QTreeWidgetItem>

#include <memory>

namespace {

// Field positions of a note file.
enum NoteField { fId = 1, fDate = 2, fCategory = 3, fTitle = 4, fNote = 5 };

QString Quoted(const QString &name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

ConflictAnswer AskConflict(const QString &kindWord, const QString &name, QWidget *parent)
{
    const QString text = QStringLiteral("The ") + kindWord + QLatin1Char(' ') + Quoted(name)
                         + QStringLiteral(" already exists.");
    const int answer = TCustomMessageBox(text,
                                         {QStringLiteral("Cancel"), QStringLiteral("Skip"), QStringLiteral("Skip All"),
                                          QStringLiteral("Rename"), QStringLiteral("Overwrite")},
                                         0, 0, MessageIcon::Question, parent);
    if (answer < int(ConflictAnswer::Cancel) || answer > int(ConflictAnswer::Overwrite))
        return ConflictAnswer::Cancel;   // the box was closed
    return ConflictAnswer(answer);
}

bool IsChecked(const QTreeWidgetItem *node)
{
    return TStateTreeView::State(node) == TStateTreeView::Checked;
}

// A section name that keeps the file readable and is not the version stamp; empty gives the
// section its source name back.
bool IsUsableSectionName(const QString &name)
{
    return name.isEmpty() || (IsValidThemeName(name) && !IsHeaderSection(name));
}

// A title the notes menu can show on one line.
bool IsUsableNoteTitle(const QString &title)
{
    return !title.trimmed().isEmpty() && !title.contains(QLatin1Char('\r')) && !title.contains(QLatin1Char('\n'));
}

// Asks for the entry's new name. True when the user gave one, which is then the node's target name;
// false when the input box was cancelled. A name that cannot be used is refused with a message and
// leaves the target name as it was, so that the same question comes again.
bool RenameEntry(QTreeWidgetItem *node, const QString &currentName, bool (*usable)(const QString &),
                 QWidget *parent)
{
    QString name = currentName;
    if (!InputQuery(QStringLiteral("Rename"), QStringLiteral("New Name:"), name, parent))
        return false;
    if (!usable(name)) {
        ShowError(Quoted(name) + QStringLiteral(" cannot be used as a name."), parent);
        return true;
    }
    TImportExportData data = NodeData(node);
    data.targetName = name;
    SetNodeData(node, data);
    return true;
}

QString CannotRead(const QString &path)
{
    return QStringLiteral("Cannot read \"") + QDir::toNativeSeparators(path)
           + QStringLiteral("\"\rNothing was copied into or out of it.");
}

// The destination INI as it starts; null when an existing file cannot be read (and must not be
// written over).
std::unique_ptr<IniFile> OpenIniDestination(const QString &path, DestinationStart start)
{
    if (start == DestinationStart::Empty || !QFileInfo::exists(path))
        return IniFile::FromData({});
    const IniFile onDisk(path);
    if (!onDisk.IsReadable())
        return nullptr;
    return IniFile::FromData(onDisk.ToData());
}

bool WriteIni(const IniFile &file, const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    return WriteFileAtomically(path, file.ToData());
}

int LargestId(const TMlb2 &table)
{
    int largest = 0;
    for (int record = 1; record <= table.RecordCount(); ++record) {
        bool ok = false;
        const int id = table.Value(fId, record).toInt(&ok);
        if (ok && id > largest)
            largest = id;
    }
    return largest;
}

int FindRecord(const TMlb2 &table, int field, const QString &value)
{
    for (int record = 1; record <= table.RecordCount(); ++record) {
        if (table.Value(field, record) == value)
            return record;
    }
    return 0;
}

int FindConflict(const TMlb2 &table, const QString &category, const QString &title)
{
    for (int record = 1; record <= table.RecordCount(); ++record) {
        if (SameNoteName(table.Value(fCategory, record), category) && SameNoteName(table.Value(fTitle, record), title))
            return record;
    }
    return 0;
}

void AppendNote(TMlb2 &table, int id, const TMlb2 &source, int sourceRecord, const QString &category,
                const QString &title)
{
    table.AddRecord();
    table.SetFieldValue(fId, QString::number(id));
    table.SetFieldValue(fDate, source.Value(fDate, sourceRecord));
    table.SetFieldValue(fCategory, category);
    table.SetFieldValue(fTitle, title);
    table.SetFieldValue(fNote, source.Value(fNote, sourceRecord));
}

} // namespace

CopyResult CopySections(QTreeWidgetItem *group, SectionKind kind, const QString &source,
                        const QString &destination, DestinationStart start, QWidget *parent)
{
    CopyResult result;
    const IniFile from(source);
    if (!from.IsReadable()) {
        result.failure = CannotRead(source);
        return result;
    }
    std::unique_ptr<IniFile> to = OpenIniDestination(destination, start);
    if (!to) {
        result.failure = CannotRead(destination);
        return result;
    }
    if (kind == SectionKind::Menu) {
        to->WriteString(kHeaderSection, QStringLiteral("versionstring"), kAppTitle);
        to->WriteString(kHeaderSection, QStringLiteral("version"), kFormatVersion);
    }
    const QString kindWord = kind == SectionKind::Menu ? QStringLiteral("menu") : QStringLiteral("theme");
    bool skipAll = false;
    bool cancelled = false;
    for (int i = 0; i < group->childCount() && !cancelled; ++i) {
        QTreeWidgetItem *node = group->child(i);
        if (!IsChecked(node))
            continue;
        bool copy = false;
        for (bool settled = false; !settled;) {
            const TImportExportData data = NodeData(node);
            const QString name = data.targetName.isEmpty() ? data.sourceName : data.targetName;
            settled = true;
            if (!to->SectionExists(name)) {
                copy = true;
                break;
            }
            if (skipAll)
                break;
            switch (AskConflict(kindWord, name, parent)) {
            case ConflictAnswer::Cancel: cancelled = true; break;
            case ConflictAnswer::Skip: break;
            case ConflictAnswer::SkipAll: skipAll = true; break;
            case ConflictAnswer::Rename: settled = !RenameEntry(node, name, IsUsableSectionName, parent); break;
            case ConflictAnswer::Overwrite:
                to->EraseSection(name);
                copy = true;
                break;
            }
        }
        if (!copy)
            continue;
        const TImportExportData data = NodeData(node);
        const QString name = data.targetName.isEmpty() ? data.sourceName : data.targetName;
        const auto lines = from.SectionValues(data.sourceName);
        for (const auto &[key, value] : lines)
            to->WriteString(name, key, value);
        if (!lines.isEmpty())
            ++result.copied;
    }
    // A failed write is told to the user by the program's file problem reports, with the reason;
    // here it only means that nothing arrived.
    if (!WriteIni(*to, destination))
        result.copied = 0;
    return result;
}

CopyResult CopyNotes(QTreeWidgetItem *group, const QString &source, const QString &destination,
                     DestinationStart start, QWidget *parent)
{
    CopyResult result;
    TMlb2 from;
    if (!LoadNoteFile(source, from)) {
        result.failure = CannotRead(source);
        return result;
    }
    TMlb2 to;
    if (start == DestinationStart::Empty || !QFileInfo::exists(destination)) {
        MakeEmptyNoteTable(to);
    } else if (!LoadNoteFile(destination, to)) {
        // Something that is no note file is never written over.
        result.failure = CannotRead(destination);
        return result;
    }
    int lastId = LargestId(to);
    bool skipAll = false;
    bool cancelled = false;
    for (int c = 0; c < group->childCount() && !cancelled; ++c) {
        QTreeWidgetItem *category = group->child(c);
        for (int n = 0; n < category->childCount() && !cancelled; ++n) {
            QTreeWidgetItem *node = category->child(n);
            if (!IsChecked(node))
                continue;
            const int sourceRecord = FindRecord(from, fId, NodeData(node).sourceName);
            if (sourceRecord == 0)
                continue;
            const QString categoryName = from.Value(fCategory, sourceRecord);
            bool add = false;
            for (bool settled = false; !settled;) {
                const QString title = NodeData(node).targetName;
                const int conflict = FindConflict(to, categoryName, title);
                settled = true;
                if (conflict == 0) {
                    add = true;
                    break;
                }
                if (skipAll)
                    break;
                switch (AskConflict(QStringLiteral("note"), title, parent)) {
                case ConflictAnswer::Cancel: cancelled = true; break;
                case ConflictAnswer::Skip: break;
                case ConflictAnswer::SkipAll: skipAll = true; break;
                case ConflictAnswer::Rename: settled = !RenameEntry(node, title, IsUsableNoteTitle, parent); break;
                case ConflictAnswer::Overwrite:
                    to.DeleteRecord(conflict);
                    add = true;
                    break;
                }
            }
            if (!add)
                continue;
            AppendNote(to, ++lastId, from, sourceRecord, categoryName, NodeData(node).targetName);
            ++result.copied;
        }
    }
    QDir().mkpath(QFileInfo(destination).absolutePath());
    if (!to.SaveToFile(destination))
        result.copied = 0;
    return result;
}
