#include "dialogs/exchangetree.h"

#include "base/inifile.h"
#include "dialogs/exchangefiles.h"
#include "dialogs/timportexportdata.h"
#include "notes/notestore.h"
#include "records/tmlb2.h"

#include <QTreeWidget>

#include <algorithm>

namespace {

const QString kUncategorized = QStringLiteral("<Uncategorized>");

QTreeWidgetItem *AddNode(QTreeWidgetItem *parent, const QString &caption, const TImportExportData &data)
{
    auto *node = new QTreeWidgetItem(parent, {caption});
    SetNodeData(node, data);
    return node;
}

// A group goes in among the others in caption order.
QTreeWidgetItem *AddGroup(QTreeWidget &tree, const QString &caption)
{
    auto *group = new QTreeWidgetItem(QStringList{caption});
    SetNodeData(group, {TImportExportData::Group, caption, caption});
    int position = 0;
    while (position < tree.topLevelItemCount() && !CaptionLess(caption, tree.topLevelItem(position)->text(0)))
        ++position;
    tree.insertTopLevelItem(position, group);
    return group;
}

QStringList SortedCaptions(QStringList captions)
{
    std::sort(captions.begin(), captions.end(), CaptionLess);
    return captions;
}

QStringList EntrySections(const IniFile &file)
{
    QStringList sections;
    for (const QString &section : file.Sections()) {
        if (!IsHeaderSection(section))
            sections.append(section);
    }
    return SortedCaptions(sections);
}

// Keeps the group, expanded when it has entries, if it has something to offer.
QTreeWidgetItem *Finish(QTreeWidgetItem *group, bool keep)
{
    if (!keep) {
        delete group;
        return nullptr;
    }
    if (group->childCount() > 0)
        group->setExpanded(true);
    return group;
}

struct NoteEntry
{
    QString id;
    QString title;
};

struct NoteCategory
{
    QString caption;
    QList<NoteEntry> notes;
};

// The notes grouped by category (without regard to case; the first spelling names it), each
// title once per category.
QList<NoteCategory> CategoriesOf(const TMlb2 &table)
{
    QList<NoteCategory> categories;
    const int idField = 1, categoryField = 3, titleField = 4;
    for (int record = 1; record <= table.RecordCount(); ++record) {
        const QString category = table.Value(categoryField, record);
        const QString title = table.Value(titleField, record);
        auto found = std::find_if(categories.begin(), categories.end(),
                                  [&](const NoteCategory &c) { return SameNoteName(c.caption, category); });
        if (found == categories.end()) {
            categories.append({category, {}});
            found = categories.end() - 1;
        }
        const bool known = std::any_of(found->notes.cbegin(), found->notes.cend(),
                                       [&](const NoteEntry &n) { return SameNoteName(n.title, title); });
        if (!known)
            found->notes.append({table.Value(idField, record), title});
    }
    return categories;
}

} // namespace

bool CaptionLess(const QString &a, const QString &b)
{
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

QTreeWidgetItem *FillMenus(QTreeWidget &tree, const QString &menuFile)
{
    const IniFile file(menuFile);
    const QStringList sections = EntrySections(file);
    QTreeWidgetItem *group = AddGroup(tree, QStringLiteral("Menus"));
    for (const QString &section : sections)
        AddNode(group, section, {TImportExportData::MenuSection, section, section});
    return Finish(group, !sections.isEmpty());
}

QTreeWidgetItem *FillThemes(QTreeWidget &tree, const QString &themeFile)
{
    const IniFile file(themeFile);
    const QStringList sections = EntrySections(file);
    QTreeWidgetItem *group = AddGroup(tree, QStringLiteral("Themes"));
    for (const QString &section : sections) {
        if (IsAcceptedFormatVersion(file.ReadString(section, QStringLiteral("version"))))
            AddNode(group, section, {TImportExportData::ThemeSection, section, section});
    }
    return Finish(group, !sections.isEmpty());
}

QTreeWidgetItem *FillNotes(QTreeWidget &tree, const QString &noteFile)
{
    TMlb2 table;
    if (!LoadNoteFile(noteFile, table) || table.IsEmpty())
        return nullptr;
    QList<NoteCategory> categories = CategoriesOf(table);
    std::sort(categories.begin(), categories.end(), [](const NoteCategory &a, const NoteCategory &b) {
        return CaptionLess(a.caption.isEmpty() ? kUncategorized : a.caption,
                           b.caption.isEmpty() ? kUncategorized : b.caption);
    });
    QTreeWidgetItem *group = AddGroup(tree, QStringLiteral("Notes"));
    for (NoteCategory &category : categories) {
        const QString caption = category.caption.isEmpty() ? kUncategorized : category.caption;
        QTreeWidgetItem *categoryNode =
            AddNode(group, caption, {TImportExportData::Group, category.caption, category.caption});
        std::sort(category.notes.begin(), category.notes.end(),
                  [](const NoteEntry &a, const NoteEntry &b) { return CaptionLess(a.title, b.title); });
        for (const NoteEntry &note : category.notes)
            AddNode(categoryNode, note.title, {TImportExportData::Note, note.id, note.title});
    }
    return Finish(group, true);
}
