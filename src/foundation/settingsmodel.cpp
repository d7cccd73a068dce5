#include "foundation/settingsmodel.h"

#include "base/inifile.h"
#include "foundation/datafiles.h"

namespace {
const QString kAliasSection = QStringLiteral("alias");

std::unique_ptr<SettingsModel> &Current()
{
    static std::unique_ptr<SettingsModel> model;
    return model;
}
} // namespace

SettingsModel::SettingsModel(const QString &path) : m_path(path)
{
    Read();
}

SettingsModel::~SettingsModel() = default;

void SettingsModel::Read()
{
    m_file = std::make_unique<IniFile>(m_path);
    bar = m_readBar = BarSettings::Read(*m_file);
    aliases = m_readAliases = m_file->SectionValues(kAliasSection);
}

QString SettingsModel::AliasFolder(const QString &word) const
{
    for (const auto &[name, folder] : m_readAliases) {
        if (name.compare(word, Qt::CaseInsensitive) == 0)
            return folder;
    }
    return {};
}

bool SettingsModel::Save()
{
    if (bar == m_readBar && aliases == m_readAliases)
        return true; // nothing to write: the file stays byte for byte as it is
    // Other writers (dialog positions, the start-up stamp) may have changed the file since it was
    // read: apply the changes to what is there now.
    IniFile current(m_path);
    if (!current.IsReadable())
        return false;
    current.SetAutoSave(false);
    bar.Write(current, m_readBar);
    if (aliases != m_readAliases) {
        current.EraseSection(kAliasSection);
        for (const auto &[name, folder] : aliases)
            current.WriteString(kAliasSection, name, folder);
    }
    if (!current.UpdateFile())
        return false;
    Read();
    return true;
}

const SettingsModel &CurrentSettings()
{
    std::unique_ptr<SettingsModel> &model = Current();
    if (!model || model->Path() != DataFilePath(dfSettings))
        return ReloadSettings();
    return *model;
}

const SettingsModel &ReloadSettings()
{
    std::unique_ptr<SettingsModel> &model = Current();
    model = std::make_unique<SettingsModel>(DataFilePath(dfSettings));
    return *model;
}
