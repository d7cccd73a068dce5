// The drive table on Linux, built from the mount table and the block devices in /sys/block.
// Parsing and lettering are pure functions, so they can be checked with sample mount tables.
#pragma once

#include "platform/drivetable.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// One line of /proc/self/mountinfo or /proc/mounts, escapes (\040 and the like) decoded.
struct MountEntry
{
    QString device;       // "/dev/sda1", "server:/export", "tmpfs", ...
    QString mountPoint;   // "/", "/home", ...
    QString fsType;       // "ext4", "nfs4", "fuse.sshfs", ...
    QString root;         // the folder of the file system mounted there ("/" for a whole volume)
    QString majorMinor;   // "8:17"; empty in the /proc/mounts format
    QString options;      // the file system's own options ("subvol=/@home", ...)
};

// Reads either format, line by line; lines that fit neither are skipped.
QList<MountEntry> ParseMountTable(const QByteArray &text);

enum class MountKind {
    Ignored,   // kernel and memory file systems, images, bind mounts
    Local,     // a file system on a local block device
    Remote,    // a network file system
    Optical,   // a disc in an optical drive
};
MountKind ClassifyMount(const MountEntry &mount);

// "/dev/sr0" for a mount of an optical drive, else empty.
QString OpticalDeviceOf(const MountEntry &mount);

// C is "/"; then D, E, ... for the other local volumes and then the network file systems, each
// group sorted by mount point; then the optical drives, mounted or not. No letter after Z.
// opticalDevices lists the optical drives present ("/dev/sr0"); isRemovable tells a local volume on
// a removable device.
QList<DriveInfo> BuildDriveTable(const QList<MountEntry> &mounts, const QStringList &opticalDevices,
                                 const std::function<bool(const MountEntry &)> &isRemovable);

// The table of the running machine: /proc/self/mountinfo and /sys/block.
QList<DriveInfo> ReadDriveTable();
