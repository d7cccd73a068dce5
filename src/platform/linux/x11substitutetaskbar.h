// The taskbar stand-in on the X server: an input-only window of class "Shell_TrayWnd".
#pragma once

#include "platform/substitutetaskbar.h"

class X11SubstituteTaskbar : public SubstituteTaskbar
{
public:
    bool TaskbarWindowExists() override;
    bool CreateSubstituteTaskbar(QString *errorText) override;
};
