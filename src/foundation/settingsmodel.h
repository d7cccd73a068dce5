// settings.ini as one model: read once per refresh and shared by every part of the bar that applies
// a setting, and written back by the editors without losing what they do not know.
//
// The bar reloads the model at the start of every refresh (ReadSettings); everything applied during
// the refresh (docking, marquee, theme, info bar, aliases in paths) reads the same snapshot, so a
// hand edit takes effect at the next refresh and never half-way through one.
#pragma once

#include "foundation/barsettings.h"

#include <QList>
#include <QString>

#include <memory>
#include <utility>

class IniFile;

// User aliases of section [alias]: the word in dollar signs and its folder, in file order.
using AliasList = QList<std::pair<QString, QString>>;

class SettingsModel
{
public:
    // Reads the file whole; a missing file gives the defaults.
    explicit SettingsModel(const QString &path);
    ~SettingsModel();
    SettingsModel(const SettingsModel &) = delete;
    SettingsModel &operator=(const SettingsModel &) = delete;

    const QString &Path() const { return m_path; }
    // Every section as read, the ones the model has no type for included (theme colours, info bar
    // objects, note window settings).
    const IniFile &File() const { return *m_file; }

    // The typed settings; change them and Save.
    BarSettings bar;
    AliasList aliases;

    // The folder of an alias word as read, matched without regard to case; empty when none.
    QString AliasFolder(const QString &word) const;

    // Writes what changed since the file was read onto the file as it is now, whole and atomically:
    // keys and sections the model does not know, and values nobody changed, stay as they are.
    // False when the file could not be read or written; it is then left as it was.
    bool Save();

private:
    void Read();

    QString m_path;
    std::unique_ptr<IniFile> m_file;
    BarSettings m_readBar;
    AliasList m_readAliases;
};

// The settings of the current data folder as the bar read them at its last refresh (read on first
// use, and again when the data folder has moved, as it does between tests).
const SettingsModel &CurrentSettings();
// Reads settings.ini again; the bar calls it at the start of every refresh.
const SettingsModel &ReloadSettings();
