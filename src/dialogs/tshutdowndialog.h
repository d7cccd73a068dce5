// "Shut Down..." where the desktop has no dialog of its own: shut down, restart or log out, each
// confirmed once, carried out by the session manager.
#pragma once

#include "platform/sessionpower.h"

#include "controls/tquorixdialog.h"

class QLabel;
class QPushButton;

class TShutDownDialog : public TQuorixDialog
{
    Q_OBJECT

public:
    explicit TShutDownDialog(QWidget *parent = nullptr);

private:
    void FormCreate();
    void Choose(SessionAction action);

    QLabel *Label1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button3 = nullptr;
    QPushButton *Button4 = nullptr;
};
