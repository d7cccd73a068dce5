// The printing system as Qt's print support lists it (QPrinterInfo, the CUPS queues on Linux).
#pragma once

#include "platform/printingsystem.h"

class QtPrintingSystem : public PrintingSystem
{
public:
    QList<PrinterEntry> Printers() override;
};
