// One record of the hotkey file as the bar holds it while it runs.
#pragma once

#include <QString>

struct TQXHotKey
{
    // The hotkey's identifier with the desktop: the record's position in the file, counted from 1
    // (its name is HotkeyAtomName(atom)); 0 when the record is not registered.
    quint16 atom = 0;
    int key = 0;          // Windows virtual-key code
    int shift = 0;        // modifier flags: 1 ALT, 2 CTRL, 4 SHIFT, 8 WIN
    QString function;     // command name, matched without regard to case
    QString params;       // the command's parameter ("ExecuteFile" only)
    // Active and given an identifier; only such entries are dispatched and released. A key that
    // another program holds still counts as registered: it merely never fires.
    bool registered = false;
};

// "quorixhotkey" and the record's position: the name of a record's identifier.
inline QString HotkeyAtomName(int position)
{
    return QStringLiteral("quorixhotkey") + QString::number(position);
}
