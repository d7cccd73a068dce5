// A printing system of the test's making: its printers in the order given.
#pragma once

#include "platform/printingsystem.h"

class FakePrintingSystem : public PrintingSystem
{
public:
    FakePrintingSystem() = default;
    explicit FakePrintingSystem(QList<PrinterEntry> list) : printers(std::move(list)) {}

    QList<PrinterEntry> printers;

    QList<PrinterEntry> Printers() override { return printers; }
};
