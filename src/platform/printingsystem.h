// The printing system's queues, behind the name space's Printers folder.
#pragma once

#include "platform/currentservice.h"

#include <QList>
#include <QString>

// One printer of the printing system.
struct PrinterEntry
{
    QString name;         // the queue name
    QString description;  // what the user calls it; may be empty
};

class PrintingSystem
{
public:
    virtual ~PrintingSystem();
    // The printers Qt's print support knows (CUPS on Linux).
    static PrintingSystem &Platform();

    // The printers as they stand now, in the printing system's order.
    virtual QList<PrinterEntry> Printers() = 0;
};
