// One entry of a help file's page table.
#pragma once

#include <QString>
#include <QtGlobal>

struct TTOCRec
{
    QString name;       // how links and callers name the page; matched exactly
    QString title;      // shown in the index, the search results and the Back list
    qint64 offset = 0;  // absolute position of the stored page in the file
    quint32 size = 0;   // bytes as stored (compressed or not)
};
