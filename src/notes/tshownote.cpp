#include "notes/tshownote.h"

#include "base/inifile.h"
#include "foundation/datafiles.h"
#include "foundation/formplacement.h"
#include "foundation/messages.h"
#include "notes/notedate.h"
#include "notes/notefont.h"
#include "notes/noteprintlayout.h"
#include "notes/shownotesettings.h"
#include "platform/registrystore.h"
#include "ui_tshownote.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QFontDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTextBlock>

namespace {

const QString kHelpTopic = QStringLiteral("notes");
const QString kRegistryKey = QStringLiteral("software\\Brenmoor\\Quorix");
const QString kSizes = QStringLiteral("sizes");
const QString kQuestionCaption = QStringLiteral("Delete Note?");
const QString kDuplicateName = QStringLiteral("A note with the same name already exists in this category");
const QString kChangedQuestion = QStringLiteral("Your document has changed.\r\rDo you want to save your note?");
const QString kDeleteQuestion = QStringLiteral("You are about to delete this note.\r\rDo you want to continue?");
const QString kStoreUnreadable = QStringLiteral(
    "The note store %1 cannot be read as a note store, so nothing was saved into it. The notes in it "
    "are kept as they are; move the file aside to start a new store.");
const QString kStoreNotWritten = QStringLiteral(
    "The note store %1 could not be written. It keeps what it held before; your note is still in this window.");
const QString kNotPrinted = QStringLiteral("The note could not be printed.");

// The window's design size and its place when it has none stored.
constexpr int kDefaultLeft = 100;
constexpr int kDefaultTop = 100;
constexpr int kDefaultWidth = 458;
constexpr int kDefaultHeight = 271;
// How far a window opened on top of another moves, so that both stay visible.
constexpr int kCascadeStep = 28;

QString RegistryName(const char *suffix)
{
    return QStringLiteral("ShowNote") + QLatin1String(suffix);
}

int RegistryInteger(const char *suffix, int defaultValue)
{
    bool ok = false;
    const int value = RegistryReadString(kRegistryKey, RegistryName(suffix), QString::number(defaultValue)).toInt(&ok);
    return ok ? value : defaultValue;
}

bool AnswerIsYes(const QString &text, QWidget *parent, int *answer)
{
    const MessageRequest request{kQuestionCaption, text, MessageIcon::Question,
                                 {QStringLiteral("&Yes"), QStringLiteral("&No")}, 0, -1};
    *answer = ShowMessageRequest(request, parent);
    return *answer == 0;
}

// Another note window already stands at this place.
bool PlaceTaken(const QWidget *self, const QPoint &place)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget != self && qobject_cast<TShowNote *>(widget) && widget->isVisible() && widget->pos() == place)
            return true;
    }
    return false;
}

} // namespace

TShowNote::TShowNote(QWidget *parent)
    : TQuorixDialog(kHelpTopic, parent, Placement::PositionAndSize), ui(std::make_unique<Ui::TShowNote>()),
      m_printer(QPrinter::HighResolution)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // A window of its own, with its own task bar entry, that the bar's menus closing leave open.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);
    ui->setupUi(this);
    Edit1 = ui->Edit1;
    ComboBox1 = ui->ComboBox1;
    Label1 = ui->Label1;
    Memo1 = ui->Memo1;
    StatusBar1 = ui->StatusBar1;
    Button1 = ui->Button1;
    Save1 = ui->Save1;
    PageSetup1 = ui->PageSetup1;
    Print1 = ui->Print1;
    Close1 = ui->Close1;
    Undo1 = ui->Undo1;
    Cut1 = ui->Cut1;
    Copy1 = ui->Copy1;
    Paste1 = ui->Paste1;
    WordWrap1 = ui->WordWrap1;
    Font1 = ui->Font1;
    Format1 = ui->Format1;
    ui->column->setMenuBar(ui->MainMenu1);
    // The menus' shortcuts work wherever the focus is in the window.
    addActions({Save1, Print1, Undo1, Cut1, Copy1, Paste1});

    StatusPanel1 = new QLabel(StatusBar1);
    StatusPanel1->setObjectName(QStringLiteral("StatusPanel1"));
    StatusPanel1->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000:0000")));
    StatusPanel2 = new QLabel(StatusBar1);
    StatusPanel2->setObjectName(QStringLiteral("StatusPanel2"));
    StatusBar1->addWidget(StatusPanel1);
    StatusBar1->addWidget(StatusPanel2, 1);

    resize(kDefaultWidth, kDefaultHeight);
    FormReady(ui->buttonBox, [this] { Button2Click(); });
    Button2 = ui->buttonBox->button(QDialogButtonBox::Ok);
    Button3 = ui->buttonBox->button(QDialogButtonBox::Cancel);
    Button2->setText(QStringLiteral("&OK"));
    Button3->setText(QStringLiteral("Cancel"));
    Button1->hide();
    Button2->setEnabled(false);
    Save1->setEnabled(false);
    ConnectControls();
    FormCreate();
}

TShowNote::~TShowNote()
{
    FormDestroy();
}

void TShowNote::ConnectControls()
{
    connect(Edit1, &QLineEdit::textChanged, this, &TShowNote::ControlChange);
    connect(ComboBox1, &QComboBox::editTextChanged, this, &TShowNote::ControlChange);
    connect(Memo1, &QPlainTextEdit::textChanged, this, &TShowNote::ControlChange);
    connect(Memo1, &QPlainTextEdit::cursorPositionChanged, this, &TShowNote::ControlChange);
    for (QWidget *field : {static_cast<QWidget *>(Edit1), static_cast<QWidget *>(ComboBox1), static_cast<QWidget *>(Memo1)})
        field->installEventFilter(this);
    connect(Button1, &QPushButton::clicked, this, &TShowNote::Button1Click);
    // Cancel is the button box's: it rejects, and done() asks the close question.
    connect(Save1, &QAction::triggered, this, &TShowNote::Button2Click);
    connect(Close1, &QAction::triggered, this, &TShowNote::Button3Click);
    connect(PageSetup1, &QAction::triggered, this, &TShowNote::PageSetup1Click);
    connect(Print1, &QAction::triggered, this, &TShowNote::Print1Click);
    connect(Font1, &QAction::triggered, this, &TShowNote::Font1Click);
    for (QAction *action : {Undo1, Cut1, Copy1, Paste1, WordWrap1})
        connect(action, &QAction::triggered, this, [this, action] { MenuActionClick(action); });
    connect(Format1, &QMenu::aboutToShow, this, &TShowNote::Format1Click);
}

// --- the window's life ---------------------------------------------------------------------------

void TShowNote::FormCreate()
{
    const ShowNoteSettings settings = ShowNoteSettings::Read();
    SetWordWrap(settings.wordWrap);
    m_pageSetup = settings.pageSetup;
    Memo1->setFont(InstalledNoteFont(settings.font));
    const IniFile file(DataFilePath(dfSettings));
    resize(file.ReadInteger(kSizes, QStringLiteral("ShowNote-W"), kDefaultWidth),
           file.ReadInteger(kSizes, QStringLiteral("ShowNote-H"), kDefaultHeight));
    move(file.ReadInteger(kSizes, QStringLiteral("ShowNote-X"), kDefaultLeft),
         file.ReadInteger(kSizes, QStringLiteral("ShowNote-Y"), kDefaultTop));
    ComboBox1->addItems(NoteCategories());
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setEditText(QString());
}

void TShowNote::LoadNote(const StoredNote &note)
{
    if (!note.found)
        return;
    m_id = note.id;
    Button1->show();
    // The category exactly as stored: the list holds one spelling of each category.
    const int index = ComboBox1->findText(note.category, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    ComboBox1->setCurrentIndex(index);
    ComboBox1->setEditText(note.category);
    Edit1->setText(note.title);
    Memo1->setPlainText(note.text);
    Memo1->document()->setModified(false);
    m_loadedCategory = note.category;
    m_loadedTitle = note.title;
    Label1->setText(FormatNoteDate(note.date));
    setWindowTitle(note.title);
}

void TShowNote::showEvent(QShowEvent *event)
{
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
    TQuorixDialog::showEvent(event);
}

void TShowNote::FormShow()
{
    RestoreWindowPlacement();
}

void TShowNote::RestoreWindowPlacement()
{
    // The registry store's place wins over the settings file's.
    const QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                                          : QRect(0, 0, 1024, 768);
    const int width = qBound(200, RegistryInteger("_W", this->width()), qMax(200, screen.width()));
    const int height = qBound(150, RegistryInteger("_H", this->height()), qMax(150, screen.height()));
    resize(width, height);
    const QPointPair place =
        ClampedFormPosition(RegistryInteger("_L", x()), RegistryInteger("_T", y()), width, height, screen);
    QPoint position(place.x, place.y);
    for (int step = 0; step < 10 && PlaceTaken(this, position); ++step)
        position += QPoint(kCascadeStep, kCascadeStep);
    move(position);
    const QString wrap = RegistryReadString(kRegistryKey, RegistryName("_WordWrap"), {});
    if (wrap == QLatin1String("0") || wrap == QLatin1String("1"))
        SetWordWrap(wrap == QLatin1String("1"));
}

void TShowNote::done(int result)
{
    if (!m_mayClose && !FormCloseQuery())
        return;
    m_mayClose = true;
    TQuorixDialog::done(result);
}

void TShowNote::FormClose()
{
    RegistryWriteString(kRegistryKey, RegistryName("_L"), QString::number(x()));
    RegistryWriteString(kRegistryKey, RegistryName("_T"), QString::number(y()));
    RegistryWriteString(kRegistryKey, RegistryName("_W"), QString::number(width()));
    RegistryWriteString(kRegistryKey, RegistryName("_H"), QString::number(height()));
    RegistryWriteString(kRegistryKey, RegistryName("_WordWrap"),
                        Memo1->lineWrapMode() == QPlainTextEdit::NoWrap ? QStringLiteral("0") : QStringLiteral("1"));
    TQuorixDialog::FormClose();
}

void TShowNote::FormDestroy()
{
    ShowNoteSettings::WriteLayout(Memo1->lineWrapMode() != QPlainTextEdit::NoWrap, m_pageSetup);
}

// --- keeping the controls current ---------------------------------------------------------------

bool TShowNote::eventFilter(QObject *watched, QEvent *event)
{
    const bool focusChange = event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut;
    if (focusChange && (watched == Edit1 || watched == ComboBox1 || watched == Memo1)) {
        // After the focus has moved, so that the caret panel sees where it went.
        QMetaObject::invokeMethod(this, &TShowNote::ControlChange, Qt::QueuedConnection);
    }
    return TQuorixDialog::eventFilter(watched, event);
}

void TShowNote::ControlChange()
{
    if (Edit1->hasFocus() || sender() == Edit1)
        UpdateCaption();
    const bool complete = !Edit1->text().isEmpty() && !Memo1->document()->isEmpty();
    Button2->setEnabled(complete);
    Save1->setEnabled(complete);
    UpdateCaretPanel();
}

void TShowNote::UpdateCaption()
{
    const QString caption = QStringLiteral("Note - ") + Edit1->text();
    if (windowTitle() != caption)
        setWindowTitle(caption);
}

void TShowNote::UpdateCaretPanel()
{
    QString position;
    if (Memo1->hasFocus()) {
        const QTextCursor cursor = Memo1->textCursor();
        position = QString::number(cursor.positionInBlock()) + QLatin1Char(':') + QString::number(cursor.blockNumber());
    }
    if (StatusPanel1->text() != position)
        StatusPanel1->setText(position);
}

// --- saving, closing, deleting ------------------------------------------------------------------

bool TShowNote::IsDuplicateName(const QString &category, const QString &title) const
{
    const int found = FindNote(category, title);
    // A new note is never the one found, whatever id that one carries.
    return found != 0 && (m_id == kNewNoteId || found != m_id);
}

bool TShowNote::ReportStoreResult(NoteStoreResult result)
{
    switch (result) {
    case NoteStoreResult::Saved: return true;
    case NoteStoreResult::Unreadable: ShowError(kStoreUnreadable.arg(NoteStorePath()), this); return false;
    case NoteStoreResult::CannotWrite: ShowError(kStoreNotWritten.arg(NoteStorePath()), this); return false;
    }
    return false;
}

bool TShowNote::SaveNote()
{
    const QString category = ComboBox1->currentText();
    const QString title = Edit1->text();
    if (IsDuplicateName(category, title)) {
        ShowError(kDuplicateName, this);
        return false;
    }
    if (!ReportStoreResult(ReplaceNote(m_id, m_loadedCategory, m_loadedTitle, category, title, Memo1->toPlainText())))
        return false;
    m_loadedCategory = category;
    m_loadedTitle = title;
    Memo1->document()->setModified(false);
    return true;
}

void TShowNote::Button2Click()
{
    if (Edit1->text().isEmpty()) {
        ShowError(kDuplicateName, this);
        return;
    }
    if (SaveNote())
        close();
}

void TShowNote::Button3Click()
{
    close();
}

bool TShowNote::IsUnchanged() const
{
    return !Memo1->document()->isModified() && Edit1->text() == m_loadedTitle
           && ComboBox1->currentText() == m_loadedCategory;
}

bool TShowNote::FormCloseQuery()
{
    if (IsUnchanged())
        return true;
    int answer = -1;
    if (AnswerIsYes(kChangedQuestion, this, &answer))
        return SaveNote();
    // A box closed without an answer keeps the window and its text.
    return answer == 1;
}

void TShowNote::Button1Click()
{
    int answer = -1;
    if (!AnswerIsYes(kDeleteQuestion, this, &answer))
        return;
    if (!ReportStoreResult(DeleteLoadedNote(m_id, m_loadedCategory, m_loadedTitle)))
        return;
    // The id is free now: saving from the close question stores the text as a new note rather
    // than removing whichever note takes the id next.
    m_id = kNewNoteId;
    close();
}

// --- editing commands ---------------------------------------------------------------------------

void TShowNote::MenuActionClick(QAction *action)
{
    if (action == Undo1)
        Memo1->undo();
    else if (action == Cut1)
        Memo1->cut();
    else if (action == Copy1)
        Memo1->copy();
    else if (action == Paste1)
        Memo1->paste();
    else if (action == WordWrap1)
        SetWordWrap(WordWrap1->isChecked());
}

void TShowNote::SetWordWrap(bool on)
{
    Memo1->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    WordWrap1->setChecked(on);
}

void TShowNote::Format1Click()
{
    WordWrap1->setChecked(Memo1->lineWrapMode() != QPlainTextEdit::NoWrap);
}

bool TShowNote::ChooseFont(QFont &font)
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, this);
    if (ok)
        font = chosen;
    return ok;
}

void TShowNote::Font1Click()
{
    QFont font = Memo1->font();
    if (!ChooseFont(font))
        return;
    Memo1->setFont(font);
    ShowNoteSettings::WriteFont(font);
}

// --- page set-up and printing -------------------------------------------------------------------

void TShowNote::PreparePrinter()
{
    m_printer.setFullPage(true);
    m_printer.setPageLayout(m_pageSetup.ToPageLayout());
}

bool TShowNote::ChoosePageSetup(QPrinter &printer)
{
    QPageSetupDialog dialog(&printer, this);
    return dialog.exec() == QDialog::Accepted;
}

void TShowNote::PageSetup1Click()
{
    // A printer of its own: the page set-up dialog refuses one that last printed into a file.
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setPageLayout(m_pageSetup.ToPageLayout());
    if (ChoosePageSetup(printer))
        m_pageSetup = NotePageSetup::FromPageLayout(printer.pageLayout());
}

bool TShowNote::ChoosePrinter(QPrinter &printer)
{
    const QString pdf = qEnvironmentVariable(kPrintToPdfVariable);
    if (!pdf.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    }
    QPrintDialog dialog(&printer, this);
    return dialog.exec() == QDialog::Accepted;
}

void TShowNote::Print1Click()
{
    PreparePrinter();
    if (!ChoosePrinter(m_printer))
        return;
    m_printer.setDocName(windowTitle());
    QPainter painter;
    if (!painter.begin(&m_printer)) {
        ShowError(kNotPrinted, this);
        return;
    }
    const NotePrintLayout layout(&m_printer, QSize(m_printer.width(), m_printer.height()), m_pageSetup, Memo1->font());
    layout.Paint(m_printer, painter, layout.Layout(Edit1->text(), NotePrintLayout::TextLines(Memo1->toPlainText())));
    painter.end();
}
