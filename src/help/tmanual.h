// The help viewer "User Guide": the pages of the help file in a browser, with the contents tree,
// the index of page titles, a full-text search, the Back list of recently left pages, Refresh and
// Home. At most one exists; ShowHelp makes it when needed, closing it frees it.
#pragma once

#include "controls/tquorixdialog.h"
#include "help/backlist.h"
#include "help/qdsfile.h"

#include <QList>
#include <QPointer>
#include <QUrl>

#include <memory>

class QKeyEvent;
class QListWidgetItem;
class QTreeWidgetItem;
namespace Ui { class TManual; }

class TManual : public TQuorixDialog
{
    Q_OBJECT

public:
    // Opens the viewer at the page named topic (a name such as "settings_alias.html"; empty for
    // the home page): makes the viewer and reads the help file when there is none, shows it and
    // brings it to the front. Without a help file the user is told "Help file not found" and
    // there is no viewer (null).
    static TManual *ShowHelp(const QString &topic);
    // The viewer while it exists.
    static TManual *Instance();

    explicit TManual(QWidget *parent = nullptr);
    ~TManual() override;

    // Reads the help file and fills the tabs; false (no tabs, no pages) when it is refused.
    bool LoadHelpFile(const QString &path);
    const QdsFile &HelpFile() const { return m_file; }

    // The page of that exact name; an empty name means the home page (or a blank page without
    // one). A name that no page has changes nothing.
    void ShowPageByName(const QString &name);
    // Page k of the page table; nothing happens when it is shown already or does not exist.
    void ShowPage(int k);
    // Lists the pages that hold every term of the query.
    void Search(const QString &query);

    // The page shown, or -1 while none (or something else) is.
    int CurrentPage() const { return m_currentPage; }
    const BackList &Back() const { return m_backList; }
    // The page index of each search result line (-1 for "No topics found").
    const QList<int> &SearchResults() const { return m_searchResults; }

    // Every navigation of the browser comes here first: links between pages, links into the
    // resource folder, links out of the guide.
    void BrowserBeforeNavigate2(const QUrl &target);

protected:
    void FormClose() override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void FillContentTree();
    void FillIndexList();
    void ShowTabs();
    void UpdateCommands();
    void UpdateBackMenu();
    bool LoadPage(int k);
    void NavigateTo(const QString &address);
    void RestoreWindowParams();
    // Back, Refresh and Home from the keyboard; true when the key was one of theirs.
    bool ViewerKey(const QKeyEvent *event);

    void ContentTreeClick(QTreeWidgetItem *item);
    void IndexListClick(QListWidgetItem *item);
    void SearchListClick(QListWidgetItem *item);
    void Button1Click();
    void Edit1Enter();
    void Edit1Exit();
    void BackListClick();
    void BackItemClick(int position);
    void TBItem2Click();
    void TBItem1Click();

    std::unique_ptr<Ui::TManual> ui;
    QdsFile m_file;
    int m_currentPage = -1;
    BackList m_backList;
    QList<int> m_searchResults;
    bool m_firstShown = false;
    bool m_startMaximized = false;
};
