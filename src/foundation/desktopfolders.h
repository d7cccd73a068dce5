// The desktop's special folders, addressed by the numbers the stored files and macros use.
#pragma once

#include "platform/shellitem.h"

#include <QString>

enum SpecialFolder {
    csidlDesktop = 0,         // the user's desktop folder
    csidlPrograms = 2,        // the user's applications folder
    csidlControls = 3,        // virtual: the desktop's settings panels
    csidlPrinters = 4,        // virtual: the printers
    csidlPersonal = 5,        // the user's documents folder
    csidlFavorites = 6,       // Quorix's web shortcuts folder
    csidlRecent = 8,          // the folder that holds the recently used list
    csidlBitBucket = 10,      // virtual: the trash
    csidlDrives = 17,         // virtual: the computer's volumes
    csidlNetwork = 18,        // virtual: mounted network shares
    csidlCommonPrograms = 23, // the system's applications folder
    csidlCommonDesktop = 25,  // an administrator's shared desktop folder, usually none
    csidlAppData = 26,        // the user's application data folder
};

// The folder of a special folder, ending with "/". Virtual folders and folders this desktop does
// not have give an empty string (never "/", which would stand for the whole file system).
QString SpecialFolderPath(int csidl);

// The name space item of a special folder; a null item when this desktop has no such folder.
ShellItem SpecialFolderItem(int csidl);
