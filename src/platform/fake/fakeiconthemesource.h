// A desktop icon theme of the test's making: Announce() changes it as a settings daemon would.
#pragma once

#include "platform/iconthemesource.h"

class FakeIconThemeSource : public IconThemeSource
{
public:
    QString name;
    bool watching = false;

    QString IconThemeName() override { return name; }
    void Watch() override { watching = true; }
    void Announce(const QString &newName)
    {
        name = newName;
        Q_EMIT IconThemeChanged(newName);
    }
};
