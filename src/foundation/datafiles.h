// Where Quorix keeps its files: the program folder with the default copies, and the per-user data
// folder $XDG_DATA_HOME/Brenmoor/Quorix/ with Data/ and Projects/.
#pragma once

#include <QString>

enum DataFileKind {
    dfDataFolder = 0,
    dfSettings = 1,      // Data/settings.ini
    dfThemes = 2,        // Data/themes.ini
    dfNotes = 3,         // Data/note.dat
    dfHotkeys = 4,       // Data/hotkeys.dat
    dfCustomMenus = 5,   // Data/cusmenus.ini
    dfRunHistory = 6,    // Data/runhisto.dat
    dfMenuSettings = 7,  // Data/menusettings.ini
    dfProjects = 8,      // Projects/
    dfHelpSettings = 9,  // Data/helpset.ini
};

// Full path of a data file or folder; folders end with "/". Unknown kinds give the data folder.
QString DataFilePath(int kind);
// Checks the default copies and fills the data folder with every default file it lacks; false when
// the defaults are missing (then nothing is created).
bool CheckDataFiles();
