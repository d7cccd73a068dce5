// What the info bar is built from: section "infobar" of settings.ini and the objects of section
// "infobar-objects", each a key-value string such as
//   object:"0"; prefix:"CPU:"; interval:"5"; active:"1";
#pragma once

#include <QString>
#include <QStringList>

class IniFile;

struct InfoBarSettings
{
    bool enabled = false;     // "enabled": the second row is shown
    bool autoSize = false;    // "progressbar-autosize": meters share the window width
    int width = 150;          // "width": meter width when not auto-sized
    int margin = 10;          // "margin": gap before each meter
    // The objects' texts in the order of the section (the key names do not matter).
    QStringList objects;

    static InfoBarSettings Read(const IniFile &settings);
};

// The objects that are built: those whose text holds active:"1"; exactly, in their order.
QStringList ActiveInfoBarObjects(const QStringList &objects);

// The refresh interval of an object's "interval" value in seconds: 15 when missing or not a
// number; values below 1 count as 1 and values above 65536 as 65536 (the meter counts in 16 bits).
int InfoBarIntervalSeconds(const QString &interval);
