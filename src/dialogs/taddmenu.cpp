#include "dialogs/taddmenu.h"

#include "controls/tbedit.h"
#include "controls/tblabel.h"
#include "dialogs/menudesignerrows.h"
#include "dialogs/ticonchooser.h"
#include "dialogs/tpathbrowserwnd.h"
#include "foundation/appinfo.h"
#include "foundation/menuicons.h"
#include "foundation/messages.h"
#include "foundation/pathmacros.h"
#include "ui_taddmenu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <algorithm>

namespace {

const QString kHelpTopic = QStringLiteral("settings_addmenu.html");
const QString kFolder = QStringLiteral("Folder");
const QString kItem = QStringLiteral("Item");

QString BoolText(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

TAddMenu::TAddMenu(QTreeWidget *listView, int index, QWidget *parent)
    : TQuorixDialog(kHelpTopic, parent), ui(std::make_unique<Ui::TAddMenu>()), m_list(listView),
      m_bases(BuildPathBaseObjects())
{
    if (m_list && index >= 0 && index < m_list->topLevelItemCount())
        m_index = index;
    ui->setupUi(this);
    Edit1 = ui->Edit1;
    Edit2 = ui->Edit2;
    Edit3 = ui->Edit3;
    ComboBox1 = ui->ComboBox1;
    CheckBox1 = ui->CheckBox1;
    CheckBox2 = ui->CheckBox2;
    CheckBox7 = ui->CheckBox7;
    CheckBox8 = ui->CheckBox8;
    BEdit1 = ui->BEdit1;
    UpDown1 = ui->UpDown1;
    RadioButton1 = ui->RadioButton1;
    RadioButton2 = ui->RadioButton2;
    BLabel1 = ui->BLabel1;
    Image1 = ui->Image1;
    Image2 = ui->Image2;
    Button3 = ui->Button3;
    Button4 = ui->Button4;
    setWindowTitle(m_index < 0 ? QStringLiteral("Add Menu Item") : QStringLiteral("Edit Menu Item"));

    BEdit1->SetSub(suInclude);
    BEdit1->SetSubText(QStringLiteral("1234567890"));
    BEdit1->installEventFilter(this);
    BLabel1->SetFitType(ftFilename);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(kPreviewDelay);

    connect(Timer1, &QTimer::timeout, this, &TAddMenu::Timer1Timer);
    connect(Edit1, &QLineEdit::textChanged, this, &TAddMenu::UpdateOkButton);
    connect(Edit2, &QLineEdit::textChanged, this, [this] {
        UpdateOkButton();
        Timer1->start(); // every change waits afresh
    });
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] {
        ComboBox1Change();
        UpdateOkButton();
    });
    connect(CheckBox7, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            CheckBox8->setChecked(false);
        UpdateCountRule();
    });
    connect(CheckBox8, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            CheckBox7->setChecked(false);
        UpdateCountRule();
    });
    connect(RadioButton1, &QRadioButton::toggled, this, [this] {
        UpdateIconRule();
        UpdateOkButton();
        Timer1Timer();
    });
    connect(Button3, &QPushButton::clicked, this, &TAddMenu::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TAddMenu::Button4Click);
    connect(ui->upArrow, &QToolButton::clicked, this, [this] { StepUpDown1(+1); });
    connect(ui->downArrow, &QToolButton::clicked, this, [this] { StepUpDown1(-1); });

    FormReady(ui->buttonBox, [this] { Button1Click(); });
    Button1 = ui->buttonBox->button(QDialogButtonBox::Ok);
    Button2 = ui->buttonBox->button(QDialogButtonBox::Cancel);
    RebuildTypes();
    ComboBox1Change();
    UpdateIconRule();
    UpdateOkButton();
}

TAddMenu::~TAddMenu() = default;

void TAddMenu::showEvent(QShowEvent *event)
{
    if (!m_shown) {
        m_shown = true;
        ComboBox1Change();
        UpdateIconRule();
        UpdateOkButton();
        Timer1Timer();
    }
    TQuorixDialog::showEvent(event);
}

// --- filling and storing ---------------------------------------------------------------------------

void TAddMenu::LoadRow(const NamedValueList &row)
{
    Edit1->setText(row.Value(QStringLiteral("name")));
    Edit2->setText(row.Value(QStringLiteral("path")));
    const bool item = row.Value(QStringLiteral("itemtype")).trimmed() == QLatin1String("1");
    ComboBox1->clear();
    ComboBox1->addItems({kFolder, kItem});
    ComboBox1->setCurrentIndex(item ? 1 : 0);
    RebuildTypes();
    CheckBox2->setChecked(row.Value(QStringLiteral("active")) == QLatin1String("1"));
    CheckBox1->setChecked(row.Value(QStringLiteral("expanded")) == QLatin1String("1"));
    Edit3->setText(row.Value(QStringLiteral("mask")));
    const QString limit = row.Value(QStringLiteral("maxitems")).trimmed();
    if (limit.isEmpty() || limit == QLatin1String("-1")) {
        CheckBox7->setChecked(true);
    } else if (limit == QLatin1String("0")) {
        CheckBox8->setChecked(true);
    } else {
        CheckBox7->setChecked(false);
        CheckBox8->setChecked(false);
        bool isNumber = false;
        const int value = limit.toInt(&isNumber);
        SetUpDown1Position(isNumber ? value : kDefaultLimit);
    }
    const QString iconFile = row.Value(QStringLiteral("iconfile"));
    if (!iconFile.isEmpty()) {
        SetIcon(iconFile, row.Value(QStringLiteral("iconindex")).trimmed().toInt());
        RadioButton2->setChecked(true);
    }
    Timer1->stop();
}

void TAddMenu::StoreRow(NamedValueList &row) const
{
    row.SetValue(QStringLiteral("name"), Edit1->text());
    row.SetValue(QStringLiteral("active"), BoolText(CheckBox2->isChecked()));
    row.SetValue(QStringLiteral("expanded"), BoolText(CheckBox1->isChecked()));
    row.SetValue(QStringLiteral("itemtype"), ComboBox1->currentText() == kItem ? QStringLiteral("1") : QStringLiteral("0"));
    row.SetValue(QStringLiteral("path"), Edit2->text());
    row.SetValue(QStringLiteral("mask"), Edit3->text());
    QString limit = QString::number(UpDown1Position());
    if (CheckBox7->isChecked())
        limit = QStringLiteral("-1");
    else if (CheckBox8->isChecked())
        limit = QStringLiteral("0");
    row.SetValue(QStringLiteral("maxitems"), limit);
    const bool custom = RadioButton2->isChecked() && !m_iconFile.isEmpty();
    // An empty value is left out of the row: the default icon has no iconfile.
    row.SetValue(QStringLiteral("iconfile"), custom ? m_iconFile : QString());
    row.SetValue(QStringLiteral("iconindex"), QString::number(custom ? m_iconIndex : 0));
}

// --- rules -------------------------------------------------------------------------------------------

void TAddMenu::UpdateOkButton()
{
    Button1->setEnabled(!Edit1->text().isEmpty() && !Edit2->text().isEmpty() && ComboBox1->currentIndex() >= 0);
}

void TAddMenu::RebuildTypes()
{
    const QString shown = ComboBox1->currentText();
    const QSignalBlocker quiet(ComboBox1);
    ComboBox1->clear();
    ComboBox1->addItem(kFolder);
    if (ClassifyPath(m_bases, Edit2->text()) & ptItem)
        ComboBox1->addItem(kItem);
    const int keep = ComboBox1->findText(shown, Qt::MatchExactly);
    ComboBox1->setCurrentIndex(keep >= 0 ? keep : 0);
    ComboBox1Change();
    UpdateOkButton();
}

void TAddMenu::ComboBox1Change()
{
    const bool folder = ComboBox1->currentText() == kFolder;
    ui->GroupBox2->setEnabled(folder);
    CheckBox1->setEnabled(folder);
    UpdateCountRule();
}

void TAddMenu::UpdateCountRule()
{
    const bool own = !CheckBox7->isChecked() && !CheckBox8->isChecked();
    BEdit1->setEnabled(own);
    UpDown1->setEnabled(own);
}

void TAddMenu::UpdateIconRule()
{
    const bool custom = RadioButton2->isChecked();
    BLabel1->setVisible(custom);
    Button4->setEnabled(custom);
}

// --- the spinner -------------------------------------------------------------------------------------

int TAddMenu::UpDown1Position() const
{
    bool isNumber = false;
    const int typed = BEdit1->text().toInt(&isNumber);
    return isNumber ? std::clamp(typed, kFirstLimit, kLastLimit) : kDefaultLimit;
}

void TAddMenu::SetUpDown1Position(int position)
{
    BEdit1->setText(QString::number(std::clamp(position, kFirstLimit, kLastLimit)));
}

void TAddMenu::StepUpDown1(int delta)
{
    SetUpDown1Position(UpDown1Position() + delta);
}

bool TAddMenu::eventFilter(QObject *watched, QEvent *event)
{
    // The arrow keys step the number as the arrows beside it do.
    if (watched == BEdit1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            StepUpDown1(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return TQuorixDialog::eventFilter(watched, event);
}

// --- path and icon -----------------------------------------------------------------------------------

QString TAddMenu::BrowsePath(const QString &start)
{
    TPathBrowserWnd browser(this);
    // The base object the path starts with (its macro word or its drive), then down to the path.
    if (!start.isEmpty())
        browser.OpenPath(start);
    return browser.exec() == QDialog::Accepted ? browser.ChosenPath() : QString();
}

void TAddMenu::Button3Click()
{
    const QString chosen = BrowsePath(Edit2->text());
    if (chosen.isEmpty())
        return;
    Edit2->setText(chosen);
    RebuildTypes();
}

bool TAddMenu::ChooseIcon(QString &file, int &index)
{
    TIconChooser chooser(file, index, this);
    if (chooser.exec() != QDialog::Accepted)
        return false;
    file = chooser.IconFile();
    index = chooser.IconIndex();
    return true;
}

void TAddMenu::Button4Click()
{
    QString file = m_iconFile;
    int index = m_iconIndex;
    if (!ChooseIcon(file, index))
        return;
    // A theme icon keeps its name; a file is stored as the path it stands for now.
    SetIcon(IsThemeIconName(file) ? file : ExpandPathMacro(file), index);
    Timer1Timer();
}

void TAddMenu::SetIcon(const QString &file, int index)
{
    m_iconFile = file;
    m_iconIndex = std::max(index, 0);
    BLabel1->setText(file);
    BLabel1->setToolTip(file);
}

void TAddMenu::Timer1Timer()
{
    Timer1->stop();
    const bool custom = RadioButton2->isChecked() && !m_iconFile.isEmpty();
    const QIcon icon = EntryIcon(custom ? m_iconFile : QString(), custom ? m_iconIndex : 0, Edit2->text());
    if (icon.isNull()) {
        Image1->clear();
        Image2->clear();
        return;
    }
    Image1->setPixmap(icon.pixmap(32, 32));
    Image2->setPixmap(icon.pixmap(16, 16));
}

// --- OK ----------------------------------------------------------------------------------------------

QStringList TAddMenu::OtherCaptions() const
{
    QStringList captions;
    for (int i = 0; m_list && i < m_list->topLevelItemCount(); ++i) {
        if (i != m_index)
            captions << m_list->topLevelItem(i)->text(0);
    }
    return captions;
}

void TAddMenu::Button1Click()
{
    const QString iconFile = RadioButton2->isChecked() ? m_iconFile : QString();
    const QString fault = MenuItemFault(Edit1->text(), Edit2->text(), Edit3->text(), iconFile, OtherCaptions());
    if (!fault.isEmpty()) {
        ShowMessageBox(kAppTitle, fault, MessageIcon::Error, this);
        return;
    }
    accept();
}
