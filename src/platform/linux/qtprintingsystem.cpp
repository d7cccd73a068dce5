#include "platform/linux/qtprintingsystem.h"

#include <QPrinterInfo>

QList<PrinterEntry> QtPrintingSystem::Printers()
{
    QList<PrinterEntry> printers;
    const QList<QPrinterInfo> infos = QPrinterInfo::availablePrinters();
    for (const QPrinterInfo &info : infos)
        printers.append({info.printerName(), info.description()});
    return printers;
}
