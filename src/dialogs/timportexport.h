// "Import / Export": a three-page wizard that copies chosen menus, notes and themes from the data
// files into exchange files of the user's choosing (export) or from such files into the data
// files (import). Page 0 chooses the action and the files, page 1 the entries, page 2 reports
// how many of each kind were copied.
#pragma once

#include "controls/tquorixdialog.h"

#include <array>
#include <memory>

class QTreeWidgetItem;

namespace Ui { class TImportExport; }

class TImportExport : public TQuorixDialog
{
    Q_OBJECT

public:
    enum Page { ChooseActionPage = 0, SelectionPage = 1, DonePage = 2 };

    explicit TImportExport(QWidget *parent = nullptr);
    ~TImportExport() override;

    int ActivePage() const;

protected:
    // Ending on the last page is always the OK result: something was copied.
    void done(int result) override;

private:
    // The three kinds in the order of their fields.
    enum Kind { MenuKind = 0, NoteKind = 1, ThemeKind = 2 };
    // What export does with a file that is already there.
    enum class FileChoice { None, Overwrite, Append };

    void RadioButtonClick();
    void EditChange();
    void Browse(Kind kind);
    void Button2Click();
    void Button7Click();
    void PageControl1Change();

    bool IsImport() const;
    QString ActionWord() const;
    QString FileName(Kind kind) const;
    void ShowPage(Page page);

    // Page 0 "Next >": the checks of the chosen files and the export's questions; false stays.
    bool CheckImportFiles();
    bool CheckExportFiles();
    bool AskExportChoices();
    void FillTree();
    // Page 1 "Finish": copies what is checked; false stays.
    bool CopySelection();
    int CopyKind(Kind kind);

    std::unique_ptr<Ui::TImportExport> ui;
    std::array<FileChoice, 3> m_choices{FileChoice::None, FileChoice::None, FileChoice::None};
    std::array<QTreeWidgetItem *, 3> m_groups{nullptr, nullptr, nullptr};
    std::array<int, 3> m_copied{0, 0, 0};
};
