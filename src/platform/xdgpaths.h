// The freedesktop.org base and user directories. Every result is an absolute folder path ending
// with "/", or empty where the standard gives none.
#pragma once

#include <QString>
#include <QStringList>

QString XdgDataHome();      // $XDG_DATA_HOME, default ~/.local/share/
QString XdgConfigHome();    // $XDG_CONFIG_HOME, default ~/.config/
QString XdgStateHome();     // $XDG_STATE_HOME, default ~/.local/state/
QString XdgRuntimeDir();    // $XDG_RUNTIME_DIR, else the temporary folder
QStringList XdgDataDirs();  // $XDG_DATA_DIRS, default /usr/local/share/ and /usr/share/
QStringList XdgConfigDirs(); // $XDG_CONFIG_DIRS, default /etc/xdg/
QString XdgDesktopDir();    // the user's desktop folder (user-dirs.dirs)
QString XdgDocumentsDir();  // the user's documents folder (user-dirs.dirs)
QString HomeDir();
// Appends "/" unless the path is empty or already ends with one.
QString WithTrailingSlash(const QString &path);
