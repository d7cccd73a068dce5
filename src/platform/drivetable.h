// Drive letters on Linux: a table that gives the desktop's volumes the letters stored files and the
// info bar use. C is "/", then D, E, ... for the other mounted fixed local file systems sorted by
// mount point, then the optical drives (mounted or not).
#pragma once

#include "platform/driveinfo.h"

#include <QList>

// The current table, read afresh on every call.
QList<DriveInfo> DriveTable();
// The drive with that letter (any case), or a drive with a null letter when there is none.
DriveInfo DriveForLetter(QChar letter);
