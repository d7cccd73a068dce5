#include "base/inifile.h"

#include "base/atomicfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
// UTF-8 text is kept as it is; names compare case-insensitively in ASCII.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>
#include <algorithm>
#include <string>

struct IniFile::Store
{
    // Case-insensitive names, one value per key, no multi-line values: a plain profile file.
    Store() { ini.SetSpaces(false); } // "key=value", as hand-edited files have it
    CSimpleIniA ini{true, false, false};
};

namespace {

std::string Utf8(const QString &text)
{
    return text.toUtf8().toStdString();
}

QString FromUtf8(const char *text)
{
    return QString::fromUtf8(text);
}

template <typename List>
QStringList InFileOrder(List entries)
{
    entries.sort(CSimpleIniA::Entry::LoadOrder());
    QStringList names;
    for (const auto &entry : entries)
        names.append(FromUtf8(entry.pItem));
    return names;
}

} // namespace

IniFile::IniFile() : m_store(std::make_unique<Store>()) {}

IniFile::IniFile(const QString &path) : m_store(std::make_unique<Store>()), m_path(path)
{
    QFile file(path);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        m_readable = false;
        return;
    }
    const QByteArray data = file.readAll();
    m_store->ini.LoadData(data.constData(), size_t(data.size()));
}

IniFile::~IniFile() = default;

std::unique_ptr<IniFile> IniFile::FromData(const QByteArray &data)
{
    std::unique_ptr<IniFile> ini(new IniFile());
    ini->m_store->ini.LoadData(data.constData(), size_t(data.size()));
    ini->m_autoSave = false;
    return ini;
}

QString IniFile::ReadString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const char *value = m_store->ini.GetValue(Utf8(section).c_str(), Utf8(key).c_str(), nullptr);
    return value ? FromUtf8(value) : defaultValue;
}

int IniFile::ReadInteger(const QString &section, const QString &key, int defaultValue) const
{
    bool ok = false;
    const int value = ReadString(section, key).trimmed().toInt(&ok, 10);
    return ok ? value : defaultValue;
}

bool IniFile::ReadBool(const QString &section, const QString &key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool IniFile::WriteString(const QString &section, const QString &key, const QString &value)
{
    // Line breaks would split the entry into a second line that no reader expects.
    QString single = value;
    single.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    m_store->ini.SetValue(Utf8(section).c_str(), Utf8(key).c_str(), Utf8(single).c_str());
    return Changed();
}

bool IniFile::WriteInteger(const QString &section, const QString &key, int value)
{
    return WriteString(section, key, QString::number(value));
}

bool IniFile::WriteBool(const QString &section, const QString &key, bool value)
{
    return WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool IniFile::SectionExists(const QString &section) const
{
    return m_store->ini.GetSection(Utf8(section).c_str()) != nullptr;
}

bool IniFile::ValueExists(const QString &section, const QString &key) const
{
    return m_store->ini.GetValue(Utf8(section).c_str(), Utf8(key).c_str(), nullptr) != nullptr;
}

QStringList IniFile::Sections() const
{
    CSimpleIniA::TNamesDepend sections;
    m_store->ini.GetAllSections(sections);
    return InFileOrder(sections);
}

QStringList IniFile::Keys(const QString &section) const
{
    CSimpleIniA::TNamesDepend keys;
    m_store->ini.GetAllKeys(Utf8(section).c_str(), keys);
    return InFileOrder(keys);
}

QList<std::pair<QString, QString>> IniFile::SectionValues(const QString &section) const
{
    QList<std::pair<QString, QString>> values;
    for (const QString &key : Keys(section))
        values.append({key, ReadString(section, key)});
    return values;
}

bool IniFile::EraseSection(const QString &section)
{
    m_store->ini.Delete(Utf8(section).c_str(), nullptr);
    return Changed();
}

bool IniFile::DeleteKey(const QString &section, const QString &key)
{
    m_store->ini.Delete(Utf8(section).c_str(), Utf8(key).c_str());
    return Changed();
}

QByteArray IniFile::ToData() const
{
    std::string data;
    m_store->ini.Save(data, false);
    return QByteArray::fromStdString(data);
}

bool IniFile::UpdateFile()
{
    if (m_path.isEmpty() || !m_readable)
        return false;
    QDir().mkpath(QFileInfo(m_path).absolutePath()); // a first setting may open a new folder
    return WriteFileAtomically(m_path, ToData());
}

bool IniFile::Changed()
{
    return m_autoSave ? UpdateFile() : true;
}
