// The header of a help file (.qds): where its tables lie, its title and home page, and which tabs
// the viewer offers.
#pragma once

#include <QString>
#include <QtGlobal>

struct THeaderInfo
{
    quint32 version = 0;
    quint32 pageTableOffset = 0;
    quint16 pageCount = 0;
    quint32 contentsOffset = 0;
    quint32 dataOffset = 0;       // where the pages start; the contents tree ends here
    QString title;                // the help title, shown in the viewer's caption
    QString defaultPage;          // the home page's name
    bool compressed = false;      // every page is a zlib stream
    bool hasResources = false;    // pictures and style sheets lie in <file>.qdsres
    bool showContent = false;
    bool showIndex = false;
    bool showSearch = false;
};
