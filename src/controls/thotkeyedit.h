// A field that captures one key for a hotkey: the user presses a key and the field shows its name
// ("F9", "A", "Page Up"). Modifier keys are not part of the value: with Ctrl or Alt held, the key
// alone is taken, and a modifier pressed on its own changes nothing. Backspace empties the field;
// Tab, Escape and Enter keep their usual meaning in the dialog.
#pragma once

#include <QLineEdit>

class THotKeyEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit THotKeyEdit(QWidget *parent = nullptr);

    // The key as a Windows virtual-key code; 0 when none is set.
    int VirtualKey() const { return m_virtualKey; }
    void SetVirtualKey(int virtualKey);

Q_SIGNALS:
    // The key changed (by the user or by SetVirtualKey).
    void Changed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;

private:
    int m_virtualKey = 0;
};
