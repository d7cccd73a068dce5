// INI files with the usual desktop profile semantics: section and key names match without regard
// to case, the file's order is kept, a missing key gives the caller's default, booleans are "1"/"0"
// (any non-zero integer reads true) and integers are decimal text.
//
// The whole file is read when the object is made. Each write is saved at once, whole and atomically
// (temporary file, then rename), unless automatic saving is turned off for a batch of writes that
// ends with UpdateFile().
#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <utility>

class IniFile
{
public:
    explicit IniFile(const QString &path);
    ~IniFile();
    IniFile(const IniFile &) = delete;
    IniFile &operator=(const IniFile &) = delete;

    // Reads an INI text from memory instead of a file (import, tests, fuzzing).
    static std::unique_ptr<IniFile> FromData(const QByteArray &data);

    const QString &FileName() const { return m_path; }
    // False when the file existed but could not be read whole (a folder, no permission, far too
    // large, nothing in it that reads as settings): its contents then read as empty and nothing is
    // ever written over it. ReadError says why, for a message naming the file.
    bool IsReadable() const { return m_readable; }
    const QString &ReadError() const { return m_readError; }

    QString ReadString(const QString &section, const QString &key, const QString &defaultValue = {}) const;
    int ReadInteger(const QString &section, const QString &key, int defaultValue) const;
    bool ReadBool(const QString &section, const QString &key, bool defaultValue) const;

    bool WriteString(const QString &section, const QString &key, const QString &value);
    bool WriteInteger(const QString &section, const QString &key, int value);
    bool WriteBool(const QString &section, const QString &key, bool value);

    bool SectionExists(const QString &section) const;
    bool ValueExists(const QString &section, const QString &key) const;
    QStringList Sections() const;                       // in file order
    QStringList Keys(const QString &section) const;     // in file order
    QList<std::pair<QString, QString>> SectionValues(const QString &section) const;

    bool EraseSection(const QString &section);
    bool DeleteKey(const QString &section, const QString &key);

    void SetAutoSave(bool autoSave) { m_autoSave = autoSave; }
    // Saves the whole file atomically; false (and the old file untouched) when that fails.
    bool UpdateFile();
    QByteArray ToData() const;

private:
    IniFile();
    void Load(const QByteArray &data);
    void Refuse(const QString &reason);
    QString StoredKeyName(const QString &section, const QString &key) const;
    bool Changed();

    struct Store;
    std::unique_ptr<Store> m_store;
    QString m_path;
    bool m_readable = true;
    QString m_readError;
    bool m_autoSave = true;
};
