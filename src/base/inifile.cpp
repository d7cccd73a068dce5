#include "base/inifile.h"

#include "base/atomicfile.h"
#include "base/textencoding.h"

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
    // Case-insensitive names, no multi-line values: a plain profile file. A key that a hand edit
    // repeats keeps all its lines and reads as its first value, as profile readers do; a write
    // replaces them all. A value in one pair of double quotes reads without them.
    Store()
    {
        ini.SetSpaces(false); // "key=value", as hand-edited files have it
        ini.SetQuotes(true);
    }
    CSimpleIniA ini{true, true, false};
};

namespace {

// Larger than any profile file Quorix or a person would write; such a file is not read (and so never
// written back smaller).
constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;

// Lines that hold something other than blanks and comments.
bool HasContentLines(const QByteArray &data)
{
    for (const QByteArray &line : data.split('\n')) {
        const QByteArray text = line.trimmed();
        if (!text.isEmpty() && !text.startsWith(';') && !text.startsWith('#'))
            return true;
    }
    return false;
}

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
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return; // a new file
    // A FIFO or a device would block the open until someone writes to it.
    if (info.exists() && !info.isDir() && !info.isFile()) {
        Refuse(QStringLiteral("it is not a regular file"));
        return;
    }
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        Refuse(QStringLiteral("it cannot be opened"));
        return;
    }
    if (file.size() > kMaxFileSize) {
        Refuse(QStringLiteral("it is too large to be a settings file"));
        return;
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        Refuse(file.errorString());
        return;
    }
    Load(data);
    if (m_readable && Sections().isEmpty() && HasContentLines(data))
        Refuse(QStringLiteral("it holds no settings that can be read"));
}

void IniFile::Load(const QByteArray &raw)
{
    // A NUL byte would end the text for the parser and lose everything after it.
    QByteArray data = raw;
    data.replace('\0', QByteArray());
    data = TextAsUtf8(data);
    if (m_store->ini.LoadData(data.constData(), size_t(data.size())) < 0)
        Refuse(QStringLiteral("it could not be parsed"));
}

void IniFile::Refuse(const QString &reason)
{
    m_readable = false;
    m_readError = reason;
    m_store->ini.Reset();
}

IniFile::~IniFile() = default;

std::unique_ptr<IniFile> IniFile::FromData(const QByteArray &data)
{
    std::unique_ptr<IniFile> ini(new IniFile());
    ini->Load(data);
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
    // A key that exists keeps the spelling the file gives it.
    const std::string name = Utf8(StoredKeyName(section, key));
    m_store->ini.SetValue(Utf8(section).c_str(), name.c_str(), Utf8(single).c_str(), nullptr, true);
    return Changed();
}

QString IniFile::StoredKeyName(const QString &section, const QString &key) const
{
    for (const QString &stored : Keys(section)) {
        if (stored.compare(key, Qt::CaseInsensitive) == 0)
            return stored;
    }
    return key;
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
