#include "dialogs/exchangefiles.h"

#include "base/inifile.h"
#include "foundation/appinfo.h"
#include "foundation/datafiles.h"
#include "notes/notestore.h"

#include <QFileInfo>

#include <array>
#include <optional>

namespace {

// The four two-digit numbers of a version text; nothing unless it is exactly eight hex digits.
std::optional<std::array<int, 4>> VersionNumbers(const QString &version)
{
    if (version.size() != 8)
        return std::nullopt;
    std::array<int, 4> numbers{};
    for (int i = 0; i < 4; ++i) {
        const QString pair = version.mid(i * 2, 2);
        for (const QChar c : pair) {
            const bool hexDigit = (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
            if (!hexDigit)
                return std::nullopt;
        }
        numbers[i] = pair.toInt(nullptr, 16);
    }
    return numbers;
}

} // namespace

bool IsAcceptedFormatVersion(const QString &version)
{
    const auto numbers = VersionNumbers(version);
    if (!numbers)
        return false;
    if (version == kFormatVersion)
        return true;
    const auto [major, minor, release, build] = *numbers;
    return major == 1 && minor == 0 && (release == 0 || release == 3) && build == 0;
}

bool IsSameFile(const QString &a, const QString &b)
{
    if (a == b)
        return true;
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}

bool IsHeaderSection(const QString &section)
{
    return section.compare(kHeaderSection, Qt::CaseInsensitive) == 0;
}

bool IsValidMenuFile(const QString &path)
{
    if (IsSameFile(path, DataFilePath(dfMenuSettings)))
        return false;
    const IniFile file(path);
    return file.IsReadable() && IsAcceptedFormatVersion(file.ReadString(kHeaderSection, QStringLiteral("version")));
}

bool IsValidNoteFile(const QString &path)
{
    return !IsSameFile(path, NoteStorePath()) && IsNoteFile(path);
}

bool IsValidThemeFile(const QString &path)
{
    if (IsSameFile(path, DataFilePath(dfThemes)))
        return false;
    const IniFile file(path);
    if (!file.IsReadable())
        return false;
    for (const QString &section : file.Sections()) {
        if (!IsHeaderSection(section)
            && IsAcceptedFormatVersion(file.ReadString(section, QStringLiteral("version"))))
            return true;
    }
    return false;
}
