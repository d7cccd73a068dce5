#include "controls/thotkeyedit.h"

#include "platform/virtualkeys.h"

#include <QKeyEvent>

namespace {

bool IsModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Shift: case Qt::Key_Control: case Qt::Key_Meta: case Qt::Key_Alt:
    case Qt::Key_AltGr: case Qt::Key_Super_L: case Qt::Key_Super_R: case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R: case Qt::Key_CapsLock: case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}

// Tab moves on; Escape and Enter belong to the dialog (cancel, default button).
bool IsDialogKey(int key)
{
    return key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Escape || key == Qt::Key_Return
           || key == Qt::Key_Enter;
}

// The key of a press, whatever modifiers were held: Qt's key first, then the key symbol (Shift+1
// reports "!" to Qt, but the key is still 1's key on most layouts).
int VirtualKeyOf(const QKeyEvent *event)
{
    const int keypad = event->modifiers().testFlag(Qt::KeypadModifier) ? int(Qt::KeypadModifier) : 0;
    if (const int vk = QtKeyToVirtualKey(event->key() | keypad))
        return vk;
    return KeysymToVirtualKey(event->nativeVirtualKey());
}

} // namespace

THotKeyEdit::THotKeyEdit(QWidget *parent) : QLineEdit(parent)
{
    setReadOnly(true);
    setContextMenuPolicy(Qt::NoContextMenu);
    setText(QStringLiteral("None"));
}

void THotKeyEdit::SetVirtualKey(int virtualKey)
{
    const int key = virtualKey < 0 ? 0 : virtualKey;
    const bool changed = key != m_virtualKey;
    m_virtualKey = key;
    setText(key ? VirtualKeyDisplayName(key) : QStringLiteral("None"));
    if (changed)
        Q_EMIT Changed();
}

bool THotKeyEdit::event(QEvent *event)
{
    // Alt+letter is a letter to capture here, not a jump to another field of the dialog.
    if (event->type() == QEvent::ShortcutOverride && !IsDialogKey(static_cast<QKeyEvent *>(event)->key())) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void THotKeyEdit::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (IsDialogKey(key)) {
        event->ignore();
        return;
    }
    event->accept();
    if (IsModifierKey(key))
        return;
    if (key == Qt::Key_Backspace && event->modifiers() == Qt::NoModifier) {
        SetVirtualKey(0);
        return;
    }
    if (const int vk = VirtualKeyOf(event))
        SetVirtualKey(vk);
}
