// The desktop's icon theme as the desktop announces it. Qt 6.4 on X11 reads it once at start;
// this service follows it while the bar runs.
#pragma once

#include "platform/currentservice.h"

#include <QObject>
#include <QString>

class IconThemeSource : public QObject
{
    Q_OBJECT

public:
    explicit IconThemeSource(QObject *parent = nullptr);
    ~IconThemeSource() override;
    // The XSETTINGS of the desktop's settings daemon (Net/IconThemeName). Made on first use and
    // owned by the application object.
    static IconThemeSource &Platform();

    // The icon theme the desktop names now; empty when it names none (no settings daemon).
    virtual QString IconThemeName() = 0;
    // Starts following the desktop's changes; calling it again does nothing more.
    virtual void Watch() = 0;

Q_SIGNALS:
    // The desktop named another icon theme (never empty).
    void IconThemeChanged(const QString &name);
};
