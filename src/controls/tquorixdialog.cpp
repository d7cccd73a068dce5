#include "controls/tquorixdialog.h"

#include "foundation/barrequests.h"
#include "foundation/formplacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QMetaEnum>
#include <QPushButton>

namespace {

// The property of a form's button box that names one of its standard buttons: "OkButton" for OK.
QByteArray NameProperty(QDialogButtonBox::StandardButton button)
{
    const QMetaEnum buttons = QMetaEnum::fromType<QDialogButtonBox::StandardButtons>();
    return QByteArray(buttons.valueToKey(button)) + "Button";
}

void NameStandardButtons(QDialogButtonBox *box)
{
    for (QAbstractButton *button : box->buttons()) {
        const QDialogButtonBox::StandardButton standard = box->standardButton(button);
        if (standard == QDialogButtonBox::NoButton)
            continue;
        const QString name = box->property(NameProperty(standard).constData()).toString();
        if (!name.isEmpty())
            button->setObjectName(name);
    }
}

// What Enter presses: OK, in a dialog without one Cancel, else Close.
void ChooseDefaultButton(QDialogButtonBox *box)
{
    for (const auto standard : {QDialogButtonBox::Ok, QDialogButtonBox::Cancel, QDialogButtonBox::Close}) {
        if (QPushButton *button = box->button(standard)) {
            button->setDefault(true);
            return;
        }
    }
}

// F1 without Shift, Ctrl, Alt or the Windows key.
bool IsHelpKey(const QKeyEvent *event)
{
    return event->key() == Qt::Key_F1 && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

TQuorixDialog::TQuorixDialog(const QString &helpTopic, QWidget *parent, Placement placement)
    : QDialog(parent), m_helpTopic(helpTopic), m_placement(placement)
{
    // A line edit keeps the key releases it is sent, F1's included: the release is watched on its
    // way to whichever field has the focus.
    qApp->installEventFilter(this);
}

void TQuorixDialog::RequestHelp()
{
    if (m_helpTopic.isEmpty())
        return;
    BarRequests::RequestHelp(m_helpTopic);
    Q_EMIT HelpRequested(m_helpTopic);
}

void TQuorixDialog::FormReady(QDialogButtonBox *buttonBox, std::function<void()> okClick)
{
    if (buttonBox) {
        NameStandardButtons(buttonBox);
        ChooseDefaultButton(buttonBox);
        if (okClick)
            connect(buttonBox, &QDialogButtonBox::accepted, this, std::move(okClick));
        else
            connect(buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
        connect(buttonBox, &QDialogButtonBox::helpRequested, this, &TQuorixDialog::RequestHelp);
    }
    adjustSize();
    RestorePlacement();
}

void TQuorixDialog::RestorePlacement()
{
    m_placed = true;
    // The size first: a position near the screen's edge is kept inside it by the form's size.
    if (m_placement == Placement::PositionAndSize)
        RestoreFormSize(this);
    RestoreFormPosition(this);
}

void TQuorixDialog::FormClose()
{
    if (m_closed)
        return;
    m_closed = true;
    if (m_placement == Placement::PositionAndSize)
        SaveFormSize(this);
    SaveFormPosition(this);
}

void TQuorixDialog::keyPressEvent(QKeyEvent *event)
{
    // Only a press that no field took reaches the dialog: F1 typed into a hotkey field is a key.
    if (IsHelpKey(event)) {
        m_helpKeyDown = true;
        return;
    }
    QDialog::keyPressEvent(event);
}

void TQuorixDialog::keyReleaseEvent(QKeyEvent *event)
{
    // A held key repeats its releases; one help page is enough.
    if (IsHelpKey(event)) {
        if (!event->isAutoRepeat()) {
            m_helpKeyDown = false;
            RequestHelp();
        }
        return;
    }
    QDialog::keyReleaseEvent(event);
}

bool TQuorixDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (m_helpKeyDown && event->type() == QEvent::KeyRelease && watched != this && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() == this) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (IsHelpKey(key) && !key->isAutoRepeat()) {
            m_helpKeyDown = false;
            RequestHelp();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TQuorixDialog::showEvent(QShowEvent *event)
{
    // A dialog that never reached FormReady is placed when it first shows; one shown again (not
    // freed when closed) stores its place again when it closes again.
    if (!m_placed) {
        adjustSize();
        RestorePlacement();
    }
    m_closed = false;
    QDialog::showEvent(event);
}

void TQuorixDialog::closeEvent(QCloseEvent *event)
{
    // A shown dialog closes through done(); this stores the place of one closed before it showed,
    // and nothing when the close was refused.
    QDialog::closeEvent(event);
    if (event->isAccepted())
        FormClose();
}

void TQuorixDialog::done(int result)
{
    FormClose();
    QDialog::done(result);
}
