// "Shut Down..." where the desktop has no dialog of its own: shut down, restart or log out, each
// confirmed once, carried out by the session manager.
#pragma once

#include "controls/tquorixdialog.h"
#include "platform/sessionpower.h"

#include <memory>

namespace Ui { class TShutDownDialog; }

class TShutDownDialog : public TQuorixDialog
{
    Q_OBJECT

public:
    explicit TShutDownDialog(QWidget *parent = nullptr);
    ~TShutDownDialog() override;

private:
    void Choose(SessionAction action);

    std::unique_ptr<Ui::TShutDownDialog> ui;
};
