#include "platform/linux/drivetable.h"

#include "platform/linux/kernelfile.h"

#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QSet>

#include <algorithm>
#include <climits>
#include <cstring>
#include <utility>

#include <dirent.h>

namespace {

// The kernel writes blanks, tabs, line breaks and backslashes in the mount table as \ooo.
QString Unescape(QByteArrayView field)
{
    if (!field.contains('\\'))
        return QString::fromUtf8(field);
    QByteArray bytes;
    bytes.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c == '\\' && i + 3 < field.size()) {
            const char a = field[i + 1], b = field[i + 2], d = field[i + 3];
            if (a >= '0' && a <= '3' && b >= '0' && b <= '7' && d >= '0' && d <= '7') {
                bytes.append(char(((a - '0') << 6) | ((b - '0') << 3) | (d - '0')));
                i += 3;
                continue;
            }
        }
        bytes.append(c);
    }
    return QString::fromUtf8(bytes);
}

QList<QByteArrayView> Fields(QByteArrayView line)
{
    QList<QByteArrayView> fields;
    fields.reserve(12);
    qsizetype i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r'))
            ++i;
        const qsizetype begin = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
            ++i;
        if (i > begin)
            fields.append(line.sliced(begin, i - begin));
    }
    return fields;
}

bool AllDigits(QByteArrayView text)
{
    return !text.isEmpty()
        && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsMajorMinor(QByteArrayView text)
{
    const qsizetype colon = text.indexOf(':');
    return colon > 0 && AllDigits(text.first(colon)) && AllDigits(text.sliced(colon + 1));
}

// The value of one option ("subvol=/@home" gives "/@home" for "subvol"), or a null string.
QString OptionValue(const QString &options, QStringView name)
{
    for (QStringView option : QStringView(options).split(QLatin1Char(','))) {
        if (option.size() > name.size() && option.startsWith(name)
            && option.at(name.size()) == QLatin1Char('='))
            return option.sliced(name.size() + 1).toString();
    }
    return {};
}

// id parent major:minor root mount-point options [tags...] - type source super-options
bool ParseMountInfoLine(const QList<QByteArrayView> &f, MountEntry &entry)
{
    if (f.size() < 7 || !AllDigits(f[0]) || !AllDigits(f[1]) || !IsMajorMinor(f[2]))
        return false;
    qsizetype dash = 6;
    while (dash < f.size() && f[dash] != "-")
        ++dash;
    if (dash + 2 >= f.size())
        return false;
    entry.majorMinor = QString::fromLatin1(f[2]);
    entry.root = Unescape(f[3]);
    entry.mountPoint = Unescape(f[4]);
    entry.fsType = Unescape(f[dash + 1]);
    entry.device = Unescape(f[dash + 2]);
    if (dash + 3 < f.size())
        entry.options = Unescape(f[dash + 3]);
    return true;
}

// device mount-point type options dump pass
bool ParseMountsLine(const QList<QByteArrayView> &f, MountEntry &entry)
{
    if (f.size() < 3)
        return false;
    entry.device = Unescape(f[0]);
    entry.mountPoint = Unescape(f[1]);
    entry.fsType = Unescape(f[2]);
    if (f.size() > 3)
        entry.options = Unescape(f[3]);
    // This format does not say which folder is mounted; a btrfs subvolume names its own.
    const QString subvolume = OptionValue(entry.options, u"subvol");
    entry.root = subvolume.isEmpty() ? QStringLiteral("/") : subvolume;
    return true;
}

bool IsRemoteType(const QString &type)
{
    static const QSet<QString> remote = {
        QStringLiteral("nfs"), QStringLiteral("nfs4"), QStringLiteral("cifs"), QStringLiteral("smb3"),
        QStringLiteral("smbfs"), QStringLiteral("sshfs"), QStringLiteral("fuse.sshfs"),
        QStringLiteral("9p"), QStringLiteral("afs"), QStringLiteral("ceph"), QStringLiteral("fuse.ceph"),
        QStringLiteral("glusterfs"), QStringLiteral("fuse.glusterfs"), QStringLiteral("davfs"),
        QStringLiteral("fuse.davfs2"), QStringLiteral("ncpfs"), QStringLiteral("coda"),
        QStringLiteral("lustre"), QStringLiteral("fuse.rclone"), QStringLiteral("fuse.s3fs"),
        QStringLiteral("fuse.curlftpfs"), QStringLiteral("ftpfs"),
    };
    return remote.contains(type);
}

// File systems on a block device that are no volume of the user's: read-only program images.
bool IsImageType(const QString &type)
{
    return type == QLatin1String("squashfs") || type == QLatin1String("swap");
}

// A bind mount shows a folder of a volume that is mounted elsewhere; a btrfs subvolume is mounted
// with its own folder as root and counts as a volume of its own.
bool IsBindMount(const MountEntry &mount)
{
    if (mount.root.isEmpty() || mount.root == QLatin1String("/"))
        return false;
    return OptionValue(mount.options, u"subvol") != mount.root;
}

QString WithSlash(const QString &path)
{
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

QString LastComponent(const QString &mountPoint)
{
    QString path = mountPoint;
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

int OpticalNumber(const QString &device)
{
    bool ok = false;
    const int number = device.mid(7).toInt(&ok); // after "/dev/sr"
    return ok ? number : INT_MAX;
}

} // namespace

QList<MountEntry> ParseMountTable(const QByteArray &text)
{
    QList<MountEntry> entries;
    const QByteArrayView all(text);
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype end = all.indexOf('\n', start);
        if (end < 0)
            end = all.size();
        const QList<QByteArrayView> fields = Fields(all.sliced(start, end - start));
        start = end + 1;
        MountEntry entry;
        if (ParseMountInfoLine(fields, entry) || ParseMountsLine(fields, entry)) {
            if (entry.mountPoint.startsWith(QLatin1Char('/')))
                entries.append(entry);
        }
    }
    return entries;
}

QString OpticalDeviceOf(const MountEntry &mount)
{
    if (mount.majorMinor.startsWith(QLatin1String("11:")))  // the SCSI optical drives' major
        return QStringLiteral("/dev/sr") + mount.majorMinor.mid(3);
    const QString &device = mount.device;
    if (device.startsWith(QLatin1String("/dev/sr")) && device.size() > 7
        && std::all_of(device.begin() + 7, device.end(), [](QChar c) { return c.isDigit(); }))
        return device;
    for (const QLatin1String alias : {QLatin1String("/dev/cdrom"), QLatin1String("/dev/dvd")}) {
        if (device == alias)
            return QStringLiteral("/dev/sr0");
        if (device.startsWith(alias) && device.size() > alias.size()
            && std::all_of(device.begin() + alias.size(), device.end(), [](QChar c) { return c.isDigit(); }))
            return QStringLiteral("/dev/sr") + device.mid(alias.size());
    }
    return {};
}

MountKind ClassifyMount(const MountEntry &mount)
{
    if (mount.mountPoint.isEmpty())
        return MountKind::Ignored;
    if (IsRemoteType(mount.fsType))
        return MountKind::Remote;
    if (!mount.device.startsWith(QLatin1String("/dev/")) || IsImageType(mount.fsType)
        || IsBindMount(mount))
        return MountKind::Ignored;
    if (!OpticalDeviceOf(mount).isEmpty())
        return MountKind::Optical;
    return MountKind::Local;
}

QList<DriveInfo> BuildDriveTable(const QList<MountEntry> &mounts, const QStringList &opticalDevices,
                                 const std::function<bool(const MountEntry &)> &isRemovable)
{
    // Of several mounts on one mount point only the last is visible.
    QMap<QString, MountEntry> visible;
    for (const MountEntry &mount : mounts)
        visible.insert(WithSlash(mount.mountPoint), mount);

    QList<DriveInfo> table;
    DriveInfo root;
    root.letter = QLatin1Char('C');
    root.mountPoint = QStringLiteral("/");
    root.label = QStringLiteral("File System");
    QSet<QString> volumesSeen;
    if (const auto it = visible.constFind(QStringLiteral("/")); it != visible.cend()) {
        root.device = it->device;
        root.type = ClassifyMount(*it) == MountKind::Remote ? DriveType::Remote : DriveType::Fixed;
        volumesSeen.insert(it->device + QLatin1Char('\n') + it->root);
    }
    table.append(root);

    QList<DriveInfo> locals, remotes;
    QMap<std::pair<int, QString>, DriveInfo> opticals;   // by drive number
    auto opticalDrive = [&](const QString &device) -> DriveInfo & {
        const std::pair<int, QString> number(OpticalNumber(device), device);
        if (!opticals.contains(number)) {
            DriveInfo drive;
            drive.device = device;
            drive.label = QStringLiteral("Optical Drive");
            drive.type = DriveType::CdRom;
            opticals.insert(number, drive);
        }
        return opticals[number];
    };
    for (const QString &device : opticalDevices)
        opticalDrive(device);

    // QMap keeps the mount points sorted.
    for (auto it = visible.cbegin(); it != visible.cend(); ++it) {
        const MountEntry &mount = it.value();
        if (it.key() == QLatin1String("/"))
            continue;
        DriveInfo drive;
        drive.mountPoint = it.key();
        drive.device = mount.device;
        drive.label = LastComponent(it.key());
        switch (ClassifyMount(mount)) {
        case MountKind::Ignored:
            break;
        case MountKind::Remote:
            drive.type = DriveType::Remote;
            remotes.append(drive);
            break;
        case MountKind::Optical: {
            DriveInfo &optical = opticalDrive(OpticalDeviceOf(mount));
            if (optical.mountPoint.isEmpty()) {
                optical.mountPoint = drive.mountPoint;
                optical.label = drive.label;
            }
            break;
        }
        case MountKind::Local: {
            // The same volume mounted twice gets one letter, at its first mount point.
            const QString volume = mount.device + QLatin1Char('\n') + mount.root;
            if (volumesSeen.contains(volume))
                break;
            volumesSeen.insert(volume);
            drive.type = isRemovable && isRemovable(mount) ? DriveType::Removable : DriveType::Fixed;
            locals.append(drive);
            break;
        }
        }
    }

    QList<DriveInfo> rest = locals + remotes + opticals.values();
    for (DriveInfo &drive : rest) {
        const QChar next = QChar(table.last().letter.unicode() + 1);
        if (next > QLatin1Char('Z'))
            break;
        drive.letter = next;
        table.append(drive);
    }
    return table;
}

namespace {

// Whether the block device under a mount reports removable media (USB sticks, card readers).
bool IsOnRemovableDevice(const MountEntry &mount)
{
    const QString sysPath = mount.majorMinor.isEmpty()
        ? QStringLiteral("/sys/class/block/") + QFileInfo(mount.device).fileName()
        : QStringLiteral("/sys/dev/block/") + mount.majorMinor;
    QString device = QFileInfo(sysPath).canonicalFilePath();
    if (device.isEmpty())
        return false;
    if (QFileInfo::exists(device + QStringLiteral("/partition")))
        device = QFileInfo(device).path();
    return ReadKernelFile(device + QStringLiteral("/removable"), 64).trimmed() == "1";
}

QStringList OpticalDevicesPresent()
{
    QStringList devices;
    DIR *folder = ::opendir("/sys/block");
    if (!folder)
        return devices;
    while (const dirent *entry = ::readdir(folder)) {
        if (std::strncmp(entry->d_name, "sr", 2) == 0)
            devices.append(QStringLiteral("/dev/") + QString::fromLocal8Bit(entry->d_name));
    }
    ::closedir(folder);
    return devices;
}

} // namespace

QList<DriveInfo> ReadDriveTable()
{
    QByteArray text = ReadKernelFile(QStringLiteral("/proc/self/mountinfo"));
    if (text.isEmpty())
        text = ReadKernelFile(QStringLiteral("/proc/mounts"));
    return BuildDriveTable(ParseMountTable(text), OpticalDevicesPresent(), IsOnRemovableDevice);
}
