// Where the running program keeps its own files: the default data copies and the help file.
#pragma once

#include <QString>

// The folder that holds Default/Data/ and Help/: the executable's folder when it has them (build
// tree, portable copy), else the installed share folder. Ends with "/".
QString ProgramFolder();
// Full path of the running program file.
QString ProgramFilePath();
