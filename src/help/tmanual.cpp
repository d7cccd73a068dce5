#include "help/tmanual.h"

#include "foundation/builtinimages.h"
#include "foundation/formplacement.h"
#include "foundation/messages.h"
#include "foundation/tracelog.h"
#include "help/helpfilelocation.h"
#include "help/helpsearch.h"
#include "help/searchterms.h"
#include "help/windowparams.h"
#include "platform/launcher.h"
#include "platform/registrystore.h"
#include "ui_tmanual.h"

#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QStyle>
#include <QTreeWidgetItemIterator>
#include <QWindow>

namespace {
const QString kCaption = QStringLiteral("User Guide");
const QString kPageToken = QStringLiteral("&qdspage;/");
const QString kResourceToken = QStringLiteral("&qdsres;");
const QString kReadError = QStringLiteral("Error\r\rError reading page");
const QString kNotFound = QStringLiteral("Help file not found");
const QString kNoTopics = QStringLiteral("No topics found");
constexpr int kPageRole = Qt::UserRole;

QPointer<TManual> &TheViewer()
{
    static QPointer<TManual> viewer;
    return viewer;
}

// Addresses the browser cannot show itself: web pages, mail, anything with a scheme of its own.
bool IsExternalAddress(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return !scheme.isEmpty() && scheme != QLatin1String("file") && scheme != QLatin1String("about");
}

bool IsPageFile(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("html") || suffix == QLatin1String("htm") || suffix == QLatin1String("txt");
}

// The tree's three pictures, made once and shared by every node (a guide may have thousands).
struct NodeIcons
{
    QIcon page = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    QIcon folderWithPage = QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon);
    QIcon folder = QApplication::style()->standardIcon(QStyle::SP_DirIcon);

    // A leaf shows a page, a folder with a page an open folder, other folders a closed one.
    const QIcon &For(const HelpContentsNode &node) const
    {
        if (node.children.empty())
            return page;
        return node.info.pageIndex >= 0 ? folderWithPage : folder;
    }
};

void AddNodes(QTreeWidgetItem *parent, QTreeWidget *tree, const std::vector<HelpContentsNode> &nodes,
              const NodeIcons &icons)
{
    for (const HelpContentsNode &node : nodes) {
        auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
        item->setText(0, node.caption);
        item->setIcon(0, icons.For(node));
        item->setData(0, kPageRole, node.info.pageIndex);
        AddNodes(item, tree, node.children, icons);
    }
}
} // namespace

TManual *TManual::Instance()
{
    return TheViewer().data();
}

TManual *TManual::ShowHelp(const QString &topic)
{
    TManual *viewer = Instance();
    if (!viewer) {
        const QString path = HelpFilePath();
        if (path.isEmpty()) {
            ShowError(kNotFound);
            return nullptr;
        }
        viewer = new TManual;
        TheViewer() = viewer;
        viewer->LoadHelpFile(path);
    }
    // From a modal dialog's F1: the viewer becomes the dialog's own window, which the dialog's
    // modality leaves free to use, and it stays open after the dialog closes.
    QWidget *modal = QApplication::activeModalWidget();
    if (modal && modal != viewer && modal->windowHandle()) {
        viewer->winId();
        viewer->windowHandle()->setTransientParent(modal->windowHandle());
    }
    if (viewer->isHidden())
        viewer->show();
    viewer->raise();
    viewer->activateWindow();
    viewer->ShowPageByName(topic);
    return viewer;
}

TManual::TManual(QWidget *parent) : TQuorixDialog(QString(), parent), ui(std::make_unique<Ui::TManual>())
{
    ui->setupUi(this);
    // A window of its own, with its own taskbar button, that can be maximised.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    FormCreate();
    FormReady(nullptr);
    // A first opening gets room for a page beside the tabs; later ones the size they were left at.
    resize(820, 600);
    RestoreWindowParams();
}

TManual::~TManual()
{
    // The dialog base hides the window after the form is gone, and hiding moves the focus: the
    // focus watcher must not look at the form by then.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    if (TheViewer() == this)
        TheViewer() = nullptr;
}

void TManual::FormCreate()
{
    setWindowIcon(ImageListOrig(biHelp));
    ui->HeaderImage->setPixmap(ImageListOrig(biQuorix).pixmap(16, 16));
    QFont bold = ui->HeaderLabel->font();
    bold.setBold(true);
    ui->HeaderLabel->setFont(bold);
    ui->PageControl1->setCurrentIndex(0);
    ui->Splitter1->setStretchFactor(0, 0);
    ui->Splitter1->setStretchFactor(1, 1);
    ui->Splitter1->setSizes({220, 560});
    ui->Browser->setOpenLinks(false);
    ui->Browser->setOpenExternalLinks(false);

    QStyle *style = this->style();
    ui->BackList->setIcon(style->standardIcon(QStyle::SP_ArrowBack));
    ui->BackList->setMenu(new QMenu(ui->BackList));
    ui->TBItem2->setIcon(style->standardIcon(QStyle::SP_BrowserReload));
    ui->TBItem1->setIcon(style->standardIcon(QStyle::SP_DirHomeIcon));

    connect(ui->ContentTree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) { ContentTreeClick(item); });
    connect(ui->ContentTree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item) { ContentTreeClick(item); });
    connect(ui->IndexList, &QListWidget::itemClicked, this, &TManual::IndexListClick);
    connect(ui->IndexList, &QListWidget::itemActivated, this, &TManual::IndexListClick);
    connect(ui->SearchList, &QListWidget::itemClicked, this, &TManual::SearchListClick);
    connect(ui->SearchList, &QListWidget::itemActivated, this, &TManual::SearchListClick);
    connect(ui->Button1, &QPushButton::clicked, this, &TManual::Button1Click);
    connect(ui->Edit1, &QLineEdit::returnPressed, this, &TManual::Button1Click);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) {
        if (now == ui->Edit1)
            Edit1Enter();
        else if (old == ui->Edit1)
            Edit1Exit();
    });
    connect(ui->BackList, &QToolButton::clicked, this, &TManual::BackListClick);
    connect(ui->TBItem2, &QToolButton::clicked, this, &TManual::TBItem2Click);
    connect(ui->TBItem1, &QToolButton::clicked, this, &TManual::TBItem1Click);
    connect(ui->Browser, &QTextBrowser::anchorClicked, this, &TManual::BrowserBeforeNavigate2);
    UpdateCommands();
}

bool TManual::LoadHelpFile(const QString &path)
{
    const bool read = m_file.Open(path);
    m_currentPage = -1;
    FillContentTree();
    FillIndexList();
    ShowTabs();
    const QString title = m_file.Header().title;
    setWindowTitle(title.isEmpty() ? kCaption : title + QStringLiteral(" - ") + kCaption);
    UpdateCommands();
    return read;
}

void TManual::FillContentTree()
{
    ui->ContentTree->clear();
    AddNodes(nullptr, ui->ContentTree, m_file.Contents(), NodeIcons());
}

void TManual::FillIndexList()
{
    ui->IndexList->clear();
    for (const TTOCRec &page : m_file.Pages())
        ui->IndexList->addItem(page.title);
}

void TManual::ShowTabs()
{
    const THeaderInfo &header = m_file.Header();
    const bool hasPages = !m_file.Pages().isEmpty();
    const bool content = header.showContent && !m_file.Contents().empty();
    const bool index = header.showIndex && hasPages;
    const bool search = header.showSearch && hasPages;
    ui->PageControl1->setTabVisible(ui->PageControl1->indexOf(ui->ContentSheet), content);
    ui->PageControl1->setTabVisible(ui->PageControl1->indexOf(ui->IndexSheet), index);
    ui->PageControl1->setTabVisible(ui->PageControl1->indexOf(ui->SearchSheet), search);
    // Without a tab the browser takes the whole window (the splitter's handle goes with the tabs).
    ui->PageControl1->setVisible(content || index || search);
}

void TManual::showEvent(QShowEvent *event)
{
    TQuorixDialog::showEvent(event);
    if (!m_firstShown) {
        m_firstShown = true;
        if (m_startMaximized)
            setWindowState(windowState() | Qt::WindowMaximized);
        FormShow();
    }
}

void TManual::FormShow()
{
    ShowPageByName(QString());
}

void TManual::ShowPageByName(const QString &name)
{
    const QString wanted = name.isEmpty() ? m_file.Header().defaultPage : name;
    if (wanted.isEmpty()) {
        m_currentPage = -1;
        ui->Browser->clear();
        UpdateCommands();
        return;
    }
    const int k = m_file.PageByName(wanted);
    if (k >= 0)
        ShowPage(k);
}

void TManual::ShowPage(int k)
{
    if (k < 0 || k >= m_file.Pages().size() || k == m_currentPage)
        return;
    if (m_currentPage >= 0)
        m_backList.PageLeft(m_file.Pages()[m_currentPage].title, m_currentPage);
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
    if (!LoadPage(k))
        ShowMessageBox(QString(), kReadError, MessageIcon::Error, this);
    UpdateCommands();
}

bool TManual::LoadPage(int k)
{
    QString html;
    if (!m_file.ReadPage(k, html))
        return false;
    m_currentPage = -1;
    ui->Browser->setHtml(html);
    m_currentPage = k;
    TraceLine(QStringLiteral("Manual.ShowPage: ") + m_file.Pages()[k].name);
    MarkInTabs(k);
    return true;
}

void TManual::MarkInTabs(int k)
{
    // The page shown is the one selected in the contents and the index, so the user sees where it is.
    for (QTreeWidgetItemIterator it(ui->ContentTree); *it; ++it) {
        if ((*it)->data(0, kPageRole).toInt() == k) {
            ui->ContentTree->setCurrentItem(*it);
            break;
        }
    }
    ui->IndexList->setCurrentRow(k);
}

void TManual::UpdateCommands()
{
    ui->BackList->setEnabled(!m_backList.IsEmpty());
    ui->TBItem2->setEnabled(m_currentPage >= 0);
    ui->TBItem1->setEnabled(m_currentPage >= 0
                            && m_file.Pages()[m_currentPage].name != m_file.Header().defaultPage);
    UpdateBackMenu();
}

void TManual::UpdateBackMenu()
{
    QMenu *menu = ui->BackList->menu();
    menu->clear();
    const auto &entries = m_backList.Entries();
    for (int position = 0; position < entries.size(); ++position) {
        QAction *entry = menu->addAction(entries[position].caption);
        connect(entry, &QAction::triggered, this, [this, position] { BackItemClick(position); });
    }
}

void TManual::ContentTreeClick(QTreeWidgetItem *item)
{
    if (!item)
        return;
    const int k = item->data(0, kPageRole).toInt();
    if (k >= 0 && k < m_file.Pages().size())
        ShowPage(k);
}

void TManual::IndexListClick(QListWidgetItem *item)
{
    if (item)
        ShowPage(ui->IndexList->row(item));
}

void TManual::SearchListClick(QListWidgetItem *item)
{
    const int row = item ? ui->SearchList->row(item) : -1;
    if (row >= 0 && row < m_searchResults.size())
        ShowPage(m_searchResults[row]);
}

void TManual::Button1Click()
{
    Search(ui->Edit1->text());
}

void TManual::Edit1Enter()
{
    ui->Button1->setDefault(true);
}

void TManual::Edit1Exit()
{
    ui->Button1->setDefault(false);
}

void TManual::Search(const QString &query)
{
    ui->SearchList->clear();
    m_searchResults = SearchHelpFile(m_file, SplitSearchTerms(query));
    for (const int k : std::as_const(m_searchResults))
        ui->SearchList->addItem(m_file.Pages()[k].title);
    if (m_searchResults.isEmpty()) {
        m_searchResults = {-1};
        auto *none = new QListWidgetItem(kNoTopics, ui->SearchList);
        QFont italic = none->font();
        italic.setItalic(true);
        none->setFont(italic);
    }
    ui->Label2->setText(QStringLiteral("Results (%1) :").arg(ui->SearchList->count()));
    TraceLine(QStringLiteral("Manual.Search: %1 found").arg(m_searchResults.first() < 0 ? 0 : m_searchResults.size()));
}

void TManual::BackListClick()
{
    ShowPage(m_backList.TakeNewest());
    UpdateCommands();
}

void TManual::BackItemClick(int position)
{
    ShowPage(m_backList.TakeUpTo(position));
    UpdateCommands();
}

void TManual::TBItem2Click()
{
    const int page = m_currentPage;
    m_currentPage = -1;
    if (page >= 0 && !LoadPage(page))
        ShowMessageBox(QString(), kReadError, MessageIcon::Error, this);
    UpdateCommands();
}

void TManual::TBItem1Click()
{
    ShowPageByName(QString());
}

void TManual::BrowserBeforeNavigate2(const QUrl &target)
{
    QString address = target.toString();
    // Links of a loaded page may arrive relative to the blank page they were loaded into.
    if (address.startsWith(QLatin1String("about:blank")) && address.size() > 12)
        address.remove(0, 11);
    const qsizetype page = address.indexOf(kPageToken);
    if (page >= 0) {
        const QString rest = address.mid(page + kPageToken.size());
        ShowPageByName(rest.section(QLatin1Char('#'), 0, 0));
        return;
    }
    if (address.contains(kResourceToken)) {
        NavigateTo(address.replace(kResourceToken, m_file.ResourceLocation()));
        return;
    }
    if (address.startsWith(QLatin1Char('#'))) {
        ui->Browser->scrollToAnchor(address.mid(1));
        return;
    }
    NavigateTo(address);
}

void TManual::NavigateTo(const QString &address)
{
    const QUrl url = QUrl::fromUserInput(address);
    // The browser shows pages and text; the desktop's own programs show the web, mail, pictures.
    if (IsExternalAddress(QUrl(address))) {
        OpenUrlInBrowser(address);
        return;
    }
    const QString path = url.isLocalFile() ? url.toLocalFile() : address;
    if (IsPageFile(path) && QFileInfo(path).isFile()) {
        m_currentPage = -1;
        ui->Browser->setSource(QUrl::fromLocalFile(path));
        UpdateCommands();
    } else if (QFileInfo::exists(path)) {
        Current<Launcher>().OpenUri(QUrl::fromLocalFile(path).toString());
    }
}

bool TManual::ViewerKey(const QKeyEvent *event)
{
    // The keys of a web browser: Alt+Left goes back, F5 reads the page again, Alt+Home goes home.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Left && modifiers == Qt::AltModifier) {
        if (ui->BackList->isEnabled())
            BackListClick();
        return true;
    }
    if (event->key() == Qt::Key_F5 && modifiers == Qt::NoModifier) {
        TBItem2Click();
        return true;
    }
    if (event->key() == Qt::Key_Home && modifiers == Qt::AltModifier) {
        TBItem1Click();
        return true;
    }
    return false;
}

bool TManual::eventFilter(QObject *watched, QEvent *event)
{
    // Seen before the browser, which would take Alt+Left for its own history of loaded files.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() == this && ViewerKey(static_cast<QKeyEvent *>(event)))
        return true;
    return TQuorixDialog::eventFilter(watched, event);
}

void TManual::RestoreWindowParams()
{
    const QString key = QString::fromLatin1(kManualRegistryKey);
    const QString value = QString::fromLatin1(kManualPlacementValue);
    const QString stored = RegistryReadString(key, value);
    // Never opened before: the window manager finds it a place.
    if (stored.isEmpty())
        return;
    const WindowParams params = WindowParams::FromStoredText(stored);
    if (params.maximized) {
        m_startMaximized = true;
        return;
    }
    if (params.width > 0 && params.height > 0)
        resize(std::max(params.width, minimumWidth()), std::max(params.height, minimumHeight()));
    // A place stored on a screen that is gone is brought back onto this one.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QPointPair place = ClampedFormPosition(params.left, params.top, width(), height(),
                                                     screen->availableGeometry());
        move(place.x, place.y);
    }
}

void TManual::FormClose()
{
    WindowParams params;
    params.maximized = isMaximized();
    const QRect normal = params.maximized ? normalGeometry() : QRect(pos(), size());
    params.left = normal.x();
    params.top = normal.y();
    params.width = normal.width();
    params.height = normal.height();
    RegistryWriteString(QString::fromLatin1(kManualRegistryKey), QString::fromLatin1(kManualPlacementValue),
                        params.ToStoredText());
}
