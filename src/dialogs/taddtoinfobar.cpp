#include "dialogs/taddtoinfobar.h"

#include "foundation/messages.h"
#include "controls/tbedit.h"
#include "dialogs/tsettingslistitem.h"
#include "platform/drivetable.h"
#include "ui_taddtoinfobar.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>
#include <QTreeWidget>

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
    : TQuorixDialog(kHelpKeyword, parent), ui(std::make_unique<Ui::TAddToInfoBar>()), m_list(listView)
{
    FormCreate();
    if (m_list && row >= 0 && row < m_list->topLevelItemCount())
        m_row = row;
}

TAddToInfoBar::~TAddToInfoBar() = default;

void TAddToInfoBar::FormCreate()
{
    m_row = -1;
    ui->setupUi(this);
    ui->ComboBox1->addItems(ObjectCaptions());
    ui->ComboBox1->setCurrentIndex(-1);
    ui->BEdit1->SetSub(suInclude);
    ui->BEdit1->SetSubText(QStringLiteral("1234567890"));
    ui->BEdit1->setText(QString::number(kDefaultInterval));
    ui->BEdit1->installEventFilter(this);

    connect(ui->ComboBox1, &QComboBox::activated, this, [this] {
        ComboBox1Select();
        ComboBox1Change();
    });
    connect(ui->ComboBox1, &QComboBox::currentIndexChanged, this, &TAddToInfoBar::ComboBox1Change);
    connect(ui->BEdit1, &QLineEdit::textChanged, this, &TAddToInfoBar::ComboBox1Change);
    connect(ui->BEdit2, &QLineEdit::textChanged, this, &TAddToInfoBar::ComboBox1Change);
    connect(ui->upArrow, &QToolButton::clicked, this, [this] { StepUpDown1(+1); });
    connect(ui->downArrow, &QToolButton::clicked, this, [this] { StepUpDown1(-1); });
    FormReady(ui->buttonBox, [this] { Button2Click(); });
    Button2 = ui->buttonBox->button(QDialogButtonBox::Ok);
    Button2->setEnabled(false);
}

void TAddToInfoBar::SetUpDown1Position(int position)
{
    m_upDownPosition = std::clamp(position, kFirstValue, kLastValue);
    ui->BEdit1->setText(QString::number(m_upDownPosition));
}

void TAddToInfoBar::StepUpDown1(int delta)
{
    // The arrows count on from what the box holds when it holds a number.
    bool isNumber = false;
    const int typed = ui->BEdit1->text().toInt(&isNumber);
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
    const int index = ui->ComboBox1->findText(line->text(0), Qt::MatchExactly);
    // A disk that is no longer a fixed drive: nothing is preset.
    if (index < 0)
        return;
    ui->ComboBox1->setCurrentIndex(index);
    const auto *settingsLine = dynamic_cast<const TSettingsListItem *>(line);
    const QString interval = settingsLine ? settingsLine->Values.Value(QStringLiteral("interval"))
                                          : line->text(2);
    bool isNumber = false;
    const int seconds = interval.trimmed().toInt(&isNumber);
    SetUpDown1Position(isNumber ? seconds : kDefaultInterval);
    ui->BEdit2->setText(settingsLine ? settingsLine->Values.Value(QStringLiteral("prefix"))
                                 : line->text(1));
}

void TAddToInfoBar::ComboBox1Select()
{
    if (!ui->BEdit2->text().isEmpty() || ui->ComboBox1->currentIndex() < 0)
        return;
    const QString caption = ui->ComboBox1->currentText();
    if (caption == QLatin1String("CPU Usage"))
        ui->BEdit2->setText(QStringLiteral("CPU:"));
    else if (caption == QLatin1String("RAM Usage"))
        ui->BEdit2->setText(QStringLiteral("RAM:"));
    else if (caption == QLatin1String("Power Usage"))
        ui->BEdit2->setText(QStringLiteral("Power:"));
    else
        ui->BEdit2->setText(QStringLiteral("HDD ") + DriveLetterOf(caption) + QLatin1Char(':'));
}

void TAddToInfoBar::ComboBox1Change()
{
    const QString interval = ui->BEdit1->text();
    Button2->setEnabled(ui->ComboBox1->currentIndex() >= 0 && !interval.isEmpty()
                        && interval != QLatin1String("0") && !ui->BEdit2->text().isEmpty());
}

void TAddToInfoBar::Button2Click()
{
    const int selected = ui->ComboBox1->currentIndex();
    if (selected < 0) {
        ShowError(QStringLiteral("No object selected"), this);
        return;
    }
    const QString interval = ui->BEdit1->text();
    if (!IsIntegerText(interval) || interval.toLongLong() <= 0) {
        ShowError(QStringLiteral("Not valid refresh interval"), this);
        return;
    }
    const QString caption = ui->ComboBox1->currentText();
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
    const QString prefix = ui->BEdit2->text();
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
    if (watched == ui->BEdit1 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            StepUpDown1(key->key() == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return TQuorixDialog::eventFilter(watched, event);
}

