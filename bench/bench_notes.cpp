// The note store at 10,000 notes (about 2 MB): how long saving, finding and deleting a note take,
// each reading and writing the whole file, and how long the notes menu and a category take to open.
#include "benchtiming.h"
#include "foundation/builtinimages.h"
#include "menus/menubuilder.h"
#include "menus/tbmenusubitem.h"
#include "notes/notestore.h"
#include "records/tmlb2.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kNotes = 10000;
constexpr int kCategories = 40;

// A store written in one go, as a user would have built it over the years.
void MakeStore()
{
    TMlb2 table;
    for (const char *field : {"id", "date", "category", "title", "note"})
        table.AddField(QString::fromLatin1(field));
    const QString text = QStringLiteral("Remember to bring the papers, call back before noon and water the plants.\r\n")
                             .repeated(2);
    for (int i = 1; i <= kNotes; ++i) {
        table.AddRecord();
        table.SetFieldValue(1, QString::number(i));
        table.SetFieldValue(2, QString::number(1782919810 + i));
        table.SetFieldValue(3, i % 5 == 0 ? QString() : QStringLiteral("Category %1").arg(i % kCategories));
        table.SetFieldValue(4, QStringLiteral("Note number %1").arg(i));
        table.SetFieldValue(5, text);
    }
    QDir().mkpath(QFileInfo(NoteStorePath()).absolutePath());
    table.SaveToFile(NoteStorePath());
}

void Report(const char *what, double ms)
{
    std::printf("%-44s %9.2f ms%s\n", what, ms, ms < 30.0 ? "" : "   (over the 30 ms goal)");
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    QApplication app(argc, argv);
    SetUpIconTheme();
    MakeStore();
    std::printf("note store: %d notes, %lld bytes\n", kNotes, static_cast<long long>(QFileInfo(NoteStorePath()).size()));

    const int runs = 5;
    // The two halves every change pays: reading the store and writing it back atomically.
    TMlb2 table;
    Report("  reading the store (TMlb2::LoadFromFile)", BestOf(runs, [&table] { table.LoadFromFile(NoteStorePath()); }));
    QByteArray image;
    Report("  encoding it (TMlb2::SaveToData)", BestOf(runs, [&] { image = table.SaveToData(); }));
    Report("  writing it (TMlb2::SaveToFile)", BestOf(runs, [&table] { table.SaveToFile(NoteStorePath()); }));
    int added = 0;
    Report("AddNote (read, append, write)", BestOf(runs, [&added] {
        AddNote(QStringLiteral("Category 3"), QStringLiteral("Bench note %1").arg(++added), QStringLiteral("text"));
    }));
    Report("FindNote (the last note)", BestOf(runs, [] {
        FindNote(QStringLiteral("Category 0"), QStringLiteral("Note number 10000"));
    }));
    int deleted = kNotes;
    Report("DeleteNote (read, remove, write)", BestOf(runs, [&deleted] { DeleteNote(++deleted); }));
    Report("ReplaceNote (saving an opened note)", BestOf(runs, [] {
        const int id = FindNote(QStringLiteral("Category 1"), QStringLiteral("Note number 1"));
        ReplaceNote(id, QStringLiteral("Category 1"), QStringLiteral("Note number 1"), QStringLiteral("Category 1"),
                    QStringLiteral("Note number 1"), QStringLiteral("text"));
    }));

    MenuBuilder builder;
    builder.SetMaxNumber(125);
    TBMenuSubItem top(QStringLiteral("Notes"));
    top.SetPath(QStringLiteral("$NOTES$"));
    Report("notes menu: top (categories, uncategorized)", BestOf(runs, [&] { builder.GetMenuPopup(&top); }));
    TBMenuSubItem category(QStringLiteral("Category 7"));
    category.SetPath(QStringLiteral("$NOTES$/Category 7"));
    category.SetLimit(0); // every note of the category: about 250
    Report("notes menu: one category, no limit", BestOf(runs, [&] { builder.GetMenuPopup(&category); }));
    std::printf("entries: top %lld, category %lld\n", static_cast<long long>(top.actions().size()),
                static_cast<long long>(category.actions().size()));
    return 0;
}
