// The About box: the program's title and icon, a word of thanks, "Help" and "Close". It remembers
// where it stood.
#pragma once

#include "controls/tquorixdialog.h"

#include <memory>

namespace Ui { class TAbout; }

class TAbout : public TQuorixDialog
{
    Q_OBJECT

public:
    explicit TAbout(QWidget *parent = nullptr);
    ~TAbout() override;

private:
    std::unique_ptr<Ui::TAbout> ui;
};
