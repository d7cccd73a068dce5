#include "dialogs/taddtoinfobar.h"

#include "foundation/formplacement.h"
#include "foundation/messages.h"
#include "controls/tbedit.h"
#include "dialogs/tsettingslistitem.h"
#include "platform/drivetable.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString kHelpKeyword = QStringLiteral("settings_infobar.html");
const QString kDiskCaption = QStringLiteral("Harddisc Usage (");
// The drive letter's place in "Harddisc Usage (C)".
constexpr int kDriveLetterIndex = 16;
// The first three entries are the fixed objects; their position is their object value.
constexpr int kFixedObjects = 3;

QStringList ObjectCaptions()
{
    QStringList captions = {QStringLiteral("CPU Usage"), QStringLiteral("RAM Usage"),
                            QStringLiteral("Power Usage")};
    QList<QChar> letters;
    for (const DriveInfo &drive : DriveTable()) {
        const QChar letter = drive.letter.toUpper();
        if (drive.type == DriveType::Fixed && letter >= QLatin1Char('A') && letter <= QLatin1Char('Z'))
            letters.append(letter);
    }
    std::sort(letters.begin(), letters.end());
    letters.erase(std::unique(letters.begin(), letters.end()), letters.end());
    for (const QChar letter : letters)
        captions.append(kDiskCaption + letter + QLatin1Char(')'));
    return captions;
}

QChar DriveLetterOf(const QString &caption)
{
    return caption.size() > kDriveLetterIndex ? caption.at(kDriveLetterIndex) : QChar();
}

// An optional minus sign and one or more digits, nothing else.
bool IsIntegerText(const QString &text)
{
    static const QRegularExpression integer(QStringLiteral("^-?[0-9]+$"));
    return integer.match(text).hasMatch();
}

} // namespace

TAddToInfoBar::TAddToInfoBar(QTreeWidget *listView, int row, QWidget *parent)
    : TQuorixDialog(kHelpKeyword, parent), m_list(listView)
{
    setObjectName(QStringLiteral("AddToInfoBar"));
    setWindowTitle(QStringLiteral("Add to InfoBar"));
    FormCreate();
    if (m_list && row >= 0 && row < m_list->topLevelItemCount())
        m_row = row;
}

TAddToInfoBar::~TAddToInfoBar() = default;

void TAddToInfoBar::FormCreate()
{
    m_row = -1;
    Label1 = new QLabel(QStringLiteral("&Object:"), this);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(false);
    ComboBox1->addItems(ObjectCaptions());
    ComboBox1->setCurrentIndex(-1);
    Label1->setBuddy(ComboBox1);

    Label2 = new QLabel(QStringLiteral("&Prefix"), this);
    BEdit2 = new TBEdit(this);
    BEdit2->setObjectName(QStringLiteral("BEdit2"));
    Label2->setBuddy(BEdit2);

    Label3 = new QLabel(QStringLiteral("&Refresh Interval (sec):"), this);
    BEdit1 = new TBEdit(this);
    BEdit1->setObjectName(QStringLiteral("BEdit1"));
    BEdit1->SetSub(suInclude);
    BEdit1->SetSubText(QStringLiteral("1234567890"));
    BEdit1->setMaxLength(4);
    BEdit1->setText(QString::number(kDefaultInterval));
    BEdit1->installEventFilter(this);
    Label3->setBuddy(BEdit1);

    // The up-down arrows beside the interval box.
    UpDown1 = new QWidget(this);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1Up = new QToolButton(UpDown1);
    UpDown1Up->setArrowType(Qt::UpArrow);
    UpDown1Down = new QToolButton(UpDown1);
    UpDown1Down->setArrowType(Qt::DownArrow);
    for (QToolButton *arrow : {UpDown1Up, UpDown1Down}) {
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setFixedSize(16, 11);
    }
    auto *arrows = new QVBoxLayout(UpDown1);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    arrows->addWidget(UpDown1Up);
    arrows->addWidget(UpDown1Down);

    Button2 = new QPushButton(QStringLiteral("OK"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setDefault(true);
    Button2->setEnabled(false);
    Button3 = new QPushButton(QStringLiteral("Cancel"), this);
    Button3->setObjectName(QStringLiteral("Button3"));

    auto *interval = new QHBoxLayout;
    interval->setSpacing(0);
    interval->addWidget(BEdit1);
    interval->addWidget(UpDown1);
    auto *grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(ComboBox1, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(BEdit2, 1, 1);
    grid->addWidget(Label3, 2, 0);
    grid->addLayout(interval, 2, 1);
    grid->setColumnMinimumWidth(1, 170);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button2);
    buttons->addWidget(Button3);
    auto *column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addSpacing(8);
    column->addLayout(buttons);

    connect(ComboBox1, &QComboBox::activated, this, [this] {
        ComboBox1Select();
        ComboBox1Change();
    });
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TAddToInfoBar::ComboBox1Change);
    connect(BEdit1, &QLineEdit::textChanged, this, &TAddToInfoBar::ComboBox1Change);
    connect(BEdit2, &QLineEdit::textChanged, this, &TAddToInfoBar::ComboBox1Change);
    connect(UpDown1Up, &QToolButton::clicked, this, [this] { StepUpDown1(+1); });
    connect(UpDown1Down, &QToolButton::clicked, this, [this] { StepUpDown1(-1); });
    connect(Button2, &QPushButton::clicked, this, &TAddToInfoBar::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &QDialog::reject);

    adjustSize();
    RestoreFormPosition(this);
}

void TAddToInfoBar::SetUpDown1Position(int position)
{
    m_upDownPosition = std::clamp(position, kFirstValue, kLastValue);
    BEdit1->setText(QString::number(m_upDownPosition));
}

void TAddToInfoBar::StepUpDown1(int delta)
{
    // The arrows count on from what the box holds when it holds a number.
    bool isNumber = false;
    const int typed = BEdit1->text().toInt(&isNumber);
    SetUpDown1Position((isNumber ? std::clamp(typed, kFirstValue, kLastValue) : m_upDownPosition)
                       + delta);
}

void TAddToInfoBar::showEvent(QShowEvent *event)
{
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
    TQuorixDialog::showEvent(event);
}

void TAddToInfoBar::FormShow()
{
    if (m_row < 0)
        return;
    QTreeWidgetItem *line = m_list->topLevelItem(m_row);
    const int index = ComboBox1->findText(line->text(0), Qt::MatchExactly);
    // A disk that is no longer a fixed drive: nothing is preset.
    if (index < 0)
        return;
    ComboBox1->setCurrentIndex(index);
    const auto *settingsLine = dynamic_cast<const TSettingsListItem *>(line);
    const QString interval = settingsLine ? settingsLine->Values.Value(QStringLiteral("interval"))
                                          : line->text(2);
    bool isNumber = false;
    const int seconds = interval.trimmed().toInt(&isNumber);
    SetUpDown1Position(isNumber ? seconds : kDefaultInterval);
    BEdit2->setText(settingsLine ? settingsLine->Values.Value(QStringLiteral("prefix"))
                                 : line->text(1));
}

void TAddToInfoBar::ComboBox1Select()
{
    if (!BEdit2->text().isEmpty() || ComboBox1->currentIndex() < 0)
        return;
    const QString caption = ComboBox1->currentText();
    if (caption == QLatin1String("CPU Usage"))
        BEdit2->setText(QStringLiteral("CPU:"));
    else if (caption == QLatin1String("RAM Usage"))
        BEdit2->setText(QStringLiteral("RAM:"));
    else if (caption == QLatin1String("Power Usage"))
        BEdit2->setText(QStringLiteral("Power:"));
    else
        BEdit2->setText(QStringLiteral("HDD ") + DriveLetterOf(caption) + QLatin1Char(':'));
}

void TAddToInfoBar::ComboBox1Change()
{
    const QString interval = BEdit1->text();
    Button2->setEnabled(ComboBox1->currentIndex() >= 0 && !interval.isEmpty()
                        && interval != QLatin1String("0") && !BEdit2->text().isEmpty());
}

void TAddToInfoBar::Button2Click()
{
    const int selected = ComboBox1->currentIndex();
    if (selected < 0) {
        ShowError(QStringLiteral("No object selected"), this);
        return;
    }
    const QString interval = BEdit1->text();
    if (!IsIntegerText(interval) || interval.toLongLong() <= 0) {
        ShowError(QStringLiteral("Not valid refresh interval"), this);
        return;
    }
    const QString caption = ComboBox1->currentText();
    const QString object = selected < kFixedObjects ? QString::number(selected)
                                                    : QString(DriveLetterOf(caption));

    QTreeWidgetItem *line = nullptr;
    if (m_row < 0) {
        auto *added = new TSettingsListItem;
        m_list->addTopLevelItem(added);
        added->setText(1, QString());
        added->setText(2, QString());
        line = added;
    } else {
        line = m_list->topLevelItem(m_row);
    }
    const QString prefix = BEdit2->text();
    line->setText(0, caption);
    line->setText(1, prefix);
    line->setText(2, interval);
    line->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    if (auto *settingsLine = dynamic_cast<TSettingsListItem *>(line)) {
        settingsLine->Values.SetValue(QStringLiteral("object"), object);
        settingsLine->Values.SetValue(QStringLiteral("prefix"), prefix);
        settingsLine->Values.SetValue(QStringLiteral("interval"), interval);
        settingsLine->Values.SetValue(QStringLiteral("active"), QStringLiteral("1"));
    }
    line->setCheckState(0, Qt::Checked);
    accept();
}

bool TAddToInfoBar::eventFilter(QObject *watched, QEvent *event)
{
    // The arrow keys in the interval box step it like the arrows beside it.
    if (watched == BEdit1 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            StepUpDown1(key->key() == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return TQuorixDialog::eventFilter(watched, event);
}

