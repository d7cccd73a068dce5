// "Shut Down..." where the desktop has no dialog of its own: shut down, restart or log out, each
// confirmed once, carried out by the session manager.
#pragma once

#include "platform/sessionpower.h"

#include <QDialog>

class QLabel;
class QPushButton;

class TShutDownDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TShutDownDialog(QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;
    void done(int result) override;

private:
    void FormCreate();
    void FormClose();
    void Choose(SessionAction action);

    QLabel *Label1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button3 = nullptr;
    QPushButton *Button4 = nullptr;
    bool m_closed = false;
};
