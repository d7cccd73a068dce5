// The icon theme of the desktop's XSETTINGS: the settings daemon's window (the owner of the
// _XSETTINGS_S<screen> selection) keeps it in _XSETTINGS_SETTINGS and rewrites that property when
// the user picks another theme; a new daemon announces itself with a MANAGER message.
#pragma once

#include "platform/iconthemesource.h"

#include <QAbstractNativeEventFilter>

#include <xcb/xcb.h>

class X11Connection;

class XSettingsIconThemeSource : public IconThemeSource, public QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    explicit XSettingsIconThemeSource(QObject *parent = nullptr);
    XSettingsIconThemeSource(X11Connection *x11, QObject *parent);
    ~XSettingsIconThemeSource() override;

    QString IconThemeName() override;
    void Watch() override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    xcb_atom_t SelectionAtom();
    void FindOwner();
    void CheckName();

    X11Connection *m_x11 = nullptr;
    bool m_watching = false;
    xcb_window_t m_owner = XCB_WINDOW_NONE;
    QString m_lastName;
};
