// One drive letter of the drive table: the volume it stands for.
#pragma once

#include <QChar>
#include <QString>

enum class DriveType { Fixed, CdRom, Removable, Remote };

struct DriveInfo
{
    QChar letter;          // 'C', 'D', ...
    QString mountPoint;    // ends with "/"; empty for an optical drive without a disc
    QString device;        // e.g. "/dev/sr0"
    QString label;         // volume label or a readable name
    DriveType type = DriveType::Fixed;
};
