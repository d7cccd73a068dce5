#include "platform/launchtrust.h"

#include "platform/xdgpaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <gio/gio.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace {

QStringList ApplicationFolders()
{
    QStringList folders{XdgDataHome() + QStringLiteral("applications")};
    for (const QString &dir : XdgDataDirs())
        folders.append(dir + QStringLiteral("applications"));
    for (QString &folder : folders) {
        const QString canonical = QFileInfo(folder).canonicalFilePath();
        folder = canonical.isEmpty() ? QString() : canonical + QLatin1Char('/');
    }
    folders.removeAll(QString());
    return folders;
}

bool IsInApplicationFolder(const QString &canonicalPath)
{
    for (const QString &folder : ApplicationFolders()) {
        if (canonicalPath.startsWith(folder))
            return true;
    }
    return false;
}

bool IsExecutableAndOwn(const QString &path)
{
    struct stat info = {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode)
           && info.st_uid == ::geteuid() && (info.st_mode & S_IXUSR) != 0;
}

// The magic numbers of statfs(2) for file systems without Unix permissions.
constexpr long kMsdos = 0x4d44;
constexpr long kExfat = 0x2011BAB0;
constexpr long kNtfs = 0x5346544e;
constexpr long kFuseBlock = 0x65735546; // ntfs-3g, exfat-fuse
constexpr long kCifs = 0xFF534D42;
constexpr long kSmb2 = 0xFE534D42;
constexpr long kSmb = 0x517B;

} // namespace

bool IsTrustedDesktopEntry(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (canonical.isEmpty())
        return false;
    return IsInApplicationFolder(canonical) || IsExecutableAndOwn(canonical);
}

bool NameClaimsDocument(const QString &fileName)
{
    gboolean uncertain = FALSE;
    gchar *type = g_content_type_guess(QFile::encodeName(fileName).constData(), nullptr, 0, &uncertain);
    const bool claims = type && !uncertain && !g_content_type_can_be_executable(type)
                        && !g_content_type_equals(type, "application/octet-stream");
    g_free(type);
    return claims;
}

bool KeepsExecuteBits(const QString &path)
{
    struct statfs info = {};
    if (::statfs(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    switch (static_cast<long>(info.f_type) & 0xFFFFFFFFL) {
    case kMsdos:
    case kExfat:
    case kNtfs:
    case kFuseBlock:
    case kCifs:
    case kSmb2:
    case kSmb:
        return false;
    default:
        return true;
    }
}
