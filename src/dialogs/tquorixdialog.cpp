#include "dialogs/tquorixdialog.h"

#include "foundation/formplacement.h"

#include <QKeyEvent>

TQuorixDialog::TQuorixDialog(const QString &helpTopic, QWidget *parent)
    : QDialog(parent), m_helpTopic(helpTopic)
{
}

void TQuorixDialog::FormClose()
{
    if (m_closed)
        return;
    m_closed = true;
    SaveFormPosition(this);
}

void TQuorixDialog::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1 && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        Q_EMIT HelpRequested(m_helpTopic);
        return;
    }
    QDialog::keyReleaseEvent(event);
}

void TQuorixDialog::closeEvent(QCloseEvent *event)
{
    FormClose();
    QDialog::closeEvent(event);
}

void TQuorixDialog::done(int result)
{
    FormClose();
    QDialog::done(result);
}
