#include "controls/tbedit.h"

#include <QKeyEvent>

namespace {

// A key typed with Ctrl or Meta is a command (copy, paste, select all), never text, even when
// the event carries the letter.
bool IsCommandKey(const QKeyEvent *event)
{
    return event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
}

} // namespace

TBEdit::TBEdit(QWidget *parent)
    : QLineEdit(parent)
{
}

TBEdit::~TBEdit() = default;

bool TBEdit::AcceptsTyped(const QString &typed) const
{
    for (const QChar ch : typed) {
        switch (m_Sub) {
        case suInclude:
            // Control characters (backspace, tab, return) always pass.
            if (ch.unicode() > 31 && ch.unicode() != 127 && !m_SubText.contains(ch))
                return false;
            break;
        case suExclude:
            if (m_SubText.contains(ch))
                return false;
            break;
        case suNone:
            break;
        }
    }
    return true;
}

void TBEdit::keyPressEvent(QKeyEvent *event)
{
    if (m_Sub != suNone && !IsCommandKey(event) && !AcceptsTyped(event->text())) {
        event->accept(); // swallowed: the character is not wanted here
        return;
    }
    QLineEdit::keyPressEvent(event);
}
