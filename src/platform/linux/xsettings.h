// The XSETTINGS protocol: the desktop's settings daemon publishes its settings (the icon theme
// among them) in the _XSETTINGS_SETTINGS property of the window owning the _XSETTINGS_S<screen>
// selection.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The string setting called name in the property's bytes; no value when the data holds no such
// string setting or is damaged.
std::optional<QString> XSettingsString(const QByteArray &data, const QByteArray &name);
