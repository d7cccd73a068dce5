// The About box: the program's title and icon, a word of thanks, "Help" and "Close". It remembers
// where it stood.
#pragma once

#include "controls/tquorixdialog.h"

class QLabel;
class QPushButton;

class TAbout : public TQuorixDialog
{
    Q_OBJECT

public:
    explicit TAbout(QWidget *parent = nullptr);

private:
    void FormCreate();

    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
};
