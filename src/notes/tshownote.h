// The note window: one note's title, category and text, edited in a top-level window of its own
// (its own task bar entry, independent of the bar), saved to the note store, deleted, and printed.
// Any number of them can be open at once; each is freed when it closes.
#pragma once

#include "controls/tquorixdialog.h"
#include "notes/notepagesetup.h"
#include "notes/notestore.h"

#include <QPrinter>
#include <QString>

#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
namespace Ui { class TShowNote; }

class TShowNote : public TQuorixDialog
{
    Q_OBJECT

public:
    explicit TShowNote(QWidget *parent = nullptr);
    ~TShowNote() override;

    // Fills the window with a stored note (OpenNote); a window left unfilled edits a new note.
    void LoadNote(const StoredNote &note);
    int NoteId() const { return m_id; }
    const NotePageSetup &PageSetup() const { return m_pageSetup; }

    QLineEdit *Edit1 = nullptr;           // "&Title:"
    QComboBox *ComboBox1 = nullptr;       // "&Category:"
    QLabel *Label1 = nullptr;             // the date
    QPlainTextEdit *Memo1 = nullptr;      // "&Note:"
    QStatusBar *StatusBar1 = nullptr;
    QLabel *StatusPanel1 = nullptr;       // the caret's column and line while the text has the focus
    QLabel *StatusPanel2 = nullptr;
    QPushButton *Button1 = nullptr;       // "&Delete"
    QPushButton *Button2 = nullptr;       // "&OK"
    QPushButton *Button3 = nullptr;       // "Cancel"
    QAction *Save1 = nullptr;
    QAction *PageSetup1 = nullptr;
    QAction *Print1 = nullptr;
    QAction *Close1 = nullptr;
    QAction *Undo1 = nullptr;
    QAction *Cut1 = nullptr;
    QAction *Copy1 = nullptr;
    QAction *Paste1 = nullptr;
    QAction *WordWrap1 = nullptr;
    QAction *Font1 = nullptr;
    QMenu *Format1 = nullptr;

    // The printout goes straight into this PDF file when the environment names one, without the
    // print dialog: the end-to-end tests print through it.
    static constexpr const char *kPrintToPdfVariable = "QUORIX_PRINT_TO_PDF";

public Q_SLOTS:
    void ControlChange();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void MenuActionClick(QAction *action);
    void Format1Click();
    void PageSetup1Click();
    void Print1Click();
    void Font1Click();

protected:
    // Whether the window may close now: asks to save a changed note, and saves it when asked to.
    bool FormCloseQuery();
    void FormShow();
    void FormClose() override;
    void FormDestroy();

    // The desktop's dialogs; tests answer them themselves.
    virtual bool ChoosePrinter(QPrinter &printer);
    virtual bool ChoosePageSetup(QPrinter &printer);
    virtual bool ChooseFont(QFont &font);

    void done(int result) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void ConnectControls();
    void SetWordWrap(bool on);
    void UpdateCaption();
    void UpdateCaretPanel();
    void RestoreWindowPlacement();
    // The store's refusal as the user reads it; true when the note was saved.
    bool ReportStoreResult(NoteStoreResult result);
    bool IsDuplicateName(const QString &category, const QString &title) const;
    // Saves the window's note in place of the one it loaded; false (after telling why) when not.
    bool SaveNote();
    bool IsUnchanged() const;
    void PreparePrinter();

    std::unique_ptr<Ui::TShowNote> ui;
    int m_id = kNewNoteId;
    QString m_loadedCategory;
    QString m_loadedTitle;
    NotePageSetup m_pageSetup;
    QPrinter m_printer;
    bool m_shown = false;
    bool m_mayClose = false;   // set by a save or a close question already answered
};
