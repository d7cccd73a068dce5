#include "platform/drivetable.h"

#include "platform/systemsource.h"

QList<DriveInfo> DriveTable()
{
    return Current<SystemSource>().ReadDrives();
}

DriveInfo DriveForLetter(QChar letter)
{
    const QChar wanted = letter.toUpper();
    if (wanted.isNull())
        return {};
    for (const DriveInfo &drive : DriveTable()) {
        if (drive.letter == wanted)
            return drive;
    }
    return {};
}
