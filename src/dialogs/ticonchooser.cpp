#include "dialogs/ticonchooser.h"

#include "foundation/menuicons.h"
#include "foundation/messages.h"
#include "foundation/pathmacros.h"
#include "platform/iconthemenames.h"
#include "ui_ticonchooser.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTimer>

namespace {

const QString kHelpTopic = QStringLiteral("settings_addmenu.html");
const QString kNoIcon = QStringLiteral("There is no icon of that name, or no picture at that index of the file.");
constexpr int kIconLoadedRole = Qt::UserRole + 1;

// How many pictures a file holds: several for an .ico with many sizes, else one.
int PictureCount(const QString &file)
{
    if (!QFileInfo(file).isFile())
        return 1;
    QImageReader reader(file);
    return std::max(1, reader.imageCount());
}

} // namespace

TIconChooser::TIconChooser(const QString &file, int index, QWidget *parent)
    : TQuorixDialog(kHelpTopic, parent), ui(std::make_unique<Ui::TIconChooser>())
{
    ui->setupUi(this);
    Edit1 = ui->Edit1;
    ListBox1 = ui->ListBox1;
    Edit2 = ui->Edit2;
    Button1 = ui->Button1;
    SpinBox1 = ui->SpinBox1;
    Image1 = ui->Image1;
    SpinBox1->setRange(0, 0);

    connect(Edit1, &QLineEdit::textChanged, this, &TIconChooser::Edit1Change);
    connect(ListBox1, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *current) {
        if (!current)
            return;
        // A theme icon replaces the file.
        const QSignalBlocker quiet(Edit2);
        Edit2->clear();
        FileChanged();
    });
    connect(ListBox1->verticalScrollBar(), &QScrollBar::valueChanged, this, &TIconChooser::LoadVisibleIcons);
    connect(Edit2, &QLineEdit::textChanged, this, [this] {
        ListBox1->setCurrentItem(nullptr);
        ListBox1->clearSelection();
        FileChanged();
    });
    connect(SpinBox1, &QSpinBox::valueChanged, this, &TIconChooser::ShowChoice);
    connect(Button1, &QPushButton::clicked, this, &TIconChooser::Button1Click);

    FormReady(ui->buttonBox, [this] { Button2Click(); });
    Button2 = ui->buttonBox->button(QDialogButtonBox::Ok);
    Button3 = ui->buttonBox->button(QDialogButtonBox::Cancel);

    if (IsThemeIconName(file)) {
        m_initialName = file.trimmed();
    } else if (!file.isEmpty()) {
        Edit2->setText(file);
        SpinBox1->setValue(index);
    }
    SetIconNames(IconThemeNames());
    FileChanged();
}

TIconChooser::~TIconChooser() = default;

void TIconChooser::SetIconNames(const QStringList &names)
{
    ListBox1->clear();
    // Every line gets the room of an icon before its icon is looked up.
    QPixmap room(ListBox1->iconSize());
    room.fill(Qt::transparent);
    const QIcon placeholder(room);
    for (const QString &name : names)
        new QListWidgetItem(placeholder, name, ListBox1);
    if (!m_initialName.isEmpty()) {
        const QList<QListWidgetItem *> found = ListBox1->findItems(m_initialName, Qt::MatchExactly);
        if (!found.isEmpty()) {
            ListBox1->setCurrentItem(found.first());
            ListBox1->scrollToItem(found.first(), QAbstractItemView::PositionAtCenter);
        }
    }
    Edit1Change();
}

void TIconChooser::showEvent(QShowEvent *event)
{
    TQuorixDialog::showEvent(event);
    // Once the list is laid out: before that no line knows where it is.
    QTimer::singleShot(0, this, &TIconChooser::LoadVisibleIcons);
}

void TIconChooser::Edit1Change()
{
    const QString filter = Edit1->text().trimmed();
    for (int i = 0; i < ListBox1->count(); ++i) {
        QListWidgetItem *item = ListBox1->item(i);
        item->setHidden(!filter.isEmpty() && !item->text().contains(filter, Qt::CaseInsensitive));
    }
    if (ListBox1->currentItem())
        ListBox1->scrollToItem(ListBox1->currentItem());
    LoadVisibleIcons();
    ShowChoice();
}

// A theme has thousands of icons: only those in sight are looked up.
void TIconChooser::LoadVisibleIcons()
{
    if (!ListBox1->isVisible())
        return;
    const QRect shown = ListBox1->viewport()->rect();
    for (int i = 0; i < ListBox1->count(); ++i) {
        QListWidgetItem *item = ListBox1->item(i);
        if (item->isHidden() || item->data(kIconLoadedRole).toBool())
            continue;
        const QRect place = ListBox1->visualItemRect(item);
        if (!place.isValid() || place.bottom() < shown.top())
            continue;
        if (place.top() > shown.bottom())
            break;
        item->setIcon(QIcon::fromTheme(item->text()));
        item->setData(kIconLoadedRole, true);
    }
}

QString TIconChooser::IconFile() const
{
    if (!Edit2->text().trimmed().isEmpty())
        return Edit2->text().trimmed();
    const QListWidgetItem *item = ListBox1->currentItem();
    return item && !item->isHidden() ? item->text() : QString();
}

int TIconChooser::IconIndex() const
{
    return Edit2->text().trimmed().isEmpty() ? 0 : SpinBox1->value();
}

void TIconChooser::FileChanged()
{
    const QString file = Edit2->text().trimmed();
    const int pictures = file.isEmpty() || IsThemeIconName(file) ? 1 : PictureCount(ExpandPathMacro(file));
    SpinBox1->setRange(0, pictures - 1);
    SpinBox1->setEnabled(pictures > 1);
    ShowChoice();
}

void TIconChooser::ShowChoice()
{
    const QString file = IconFile();
    QHash<QString, QIcon> cache;
    const QIcon icon = DefinitionIcon(file, IconIndex(), cache);
    if (icon.isNull())
        Image1->clear();
    else
        Image1->setPixmap(icon.pixmap(32, 32));
    Button2->setEnabled(!file.isEmpty());
}

QString TIconChooser::BrowseIconFile(const QString &start)
{
    return QFileDialog::getOpenFileName(this, QStringLiteral("Choose an Icon File"), start,
                                        QStringLiteral("Icons (*.png *.svg *.xpm *.ico);;All files (*)"));
}

void TIconChooser::Button1Click()
{
    const QString current = ExpandPathMacro(Edit2->text().trimmed());
    const QString chosen = BrowseIconFile(current.isEmpty() ? QString() : QFileInfo(current).absolutePath());
    if (chosen.isEmpty())
        return;
    Edit2->setText(chosen);
    SpinBox1->setValue(0);
}

void TIconChooser::Button2Click()
{
    const QString file = IconFile();
    if (file.isEmpty())
        return;
    QHash<QString, QIcon> cache;
    if (DefinitionIcon(file, IconIndex(), cache).isNull()) {
        ShowError(kNoIcon, this);
        return;
    }
    accept();
}
