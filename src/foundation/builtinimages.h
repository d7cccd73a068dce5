// The bar's built-in pictures, by the numbers its menus use:
// 0 shut down, 1 Quorix, 2 settings, 3 help, 4 trash, 5 run, 6 control panel, 7 computer, 8 printers.
#pragma once

#include <QIcon>

enum BuiltInImage {
    biShutDown = 0,
    biQuorix = 1,
    biSettings = 2,
    biHelp = 3,
    biRecycleBin = 4,
    biRun = 5,
    biControlPanel = 6,
    biMyComputer = 7,
    biPrinters = 8,
};

QIcon ImageListOrig(int index);

// Makes sure theme icons resolve on a bare X server as on a full desktop: without a desktop
// environment Qt's theme is "hicolor", where common icons are missing.
void SetUpIconTheme();
