#include "controls/tupdown.h"

#include "controls/tbedit.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>

TUpDown::TUpDown(QWidget *parent)
    : QWidget(parent)
{
    auto *arrows = new QVBoxLayout(this);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    m_up = MakeArrow(Qt::UpArrow);
    m_down = MakeArrow(Qt::DownArrow);
    arrows->addWidget(m_up);
    arrows->addWidget(m_down);
    connect(m_up, &QToolButton::clicked, this, [this] { Step(+1); });
    connect(m_down, &QToolButton::clicked, this, [this] { Step(-1); });
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

TUpDown::~TUpDown() = default;

QToolButton *TUpDown::MakeArrow(Qt::ArrowType direction)
{
    auto *arrow = new QToolButton(this);
    arrow->setArrowType(direction);
    arrow->setAutoRepeat(true);
    // The field has the focus; the arrows are for the mouse.
    arrow->setFocusPolicy(Qt::NoFocus);
    arrow->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    arrow->setFixedWidth(16);
    return arrow;
}

void TUpDown::SetAssociate(QLineEdit *field, int maxDigits)
{
    if (m_field)
        m_field->removeEventFilter(this);
    m_field = field;
    if (!m_field)
        return;
    m_field->setMaxLength(maxDigits);
    if (auto *filtered = qobject_cast<TBEdit *>(m_field)) {
        filtered->SetSub(suInclude);
        filtered->SetSubText(QStringLiteral("0123456789"));
    }
    m_field->installEventFilter(this);
    connect(m_field, &QLineEdit::textEdited, this, &TUpDown::TakeFieldText);
}

void TUpDown::SetRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
    m_position = std::clamp(m_position, m_minimum, m_maximum);
}

void TUpDown::SetPosition(int position)
{
    m_position = std::clamp(position, m_minimum, m_maximum);
    if (m_field)
        m_field->setText(QString::number(m_position));
    Q_EMIT PositionChanged(m_position);
}

void TUpDown::Step(int delta)
{
    Q_EMIT Changing();
    TakeFieldText();
    SetPosition(m_position + delta);
}

void TUpDown::TakeFieldText()
{
    if (!m_field)
        return;
    bool isNumber = false;
    const int typed = m_field->text().toInt(&isNumber);
    if (isNumber)
        m_position = std::clamp(typed, m_minimum, m_maximum);
}

bool TUpDown::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_field && m_field->isEnabled()) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Up || key == Qt::Key_Down) {
                Step(key == Qt::Key_Up ? +1 : -1);
                return true;
            }
        } else if (event->type() == QEvent::Wheel && m_field->hasFocus()) {
            const int turn = static_cast<QWheelEvent *>(event)->angleDelta().y();
            if (turn != 0)
                Step(turn > 0 ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TUpDown::changeEvent(QEvent *event)
{
    // The arrows and their field are one control: disabling one disables the other.
    if (event->type() == QEvent::EnabledChange && m_field)
        m_field->setEnabled(isEnabled());
    QWidget::changeEvent(event);
}
