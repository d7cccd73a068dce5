#include "infobar/infobarvalue.h"

#include "infobar/cpuusagesampler.h"
#include "infobar/systemfigures.h"

namespace {
constexpr int kProcessor = 0;
constexpr int kMemory = 1;
constexpr int kBattery = 2;
constexpr int kFirstDrive = 65; // "A"
} // namespace

int GetInfoBarValue(int code)
{
    switch (code) {
    case kProcessor: {
        SampleProcessorLoad();
        const int percent = ProcessorLoadPercent(0);
        StopProcessorSampling();
        return percent;
    }
    case kMemory:
        return MemoryLoadPercent();
    case kBattery:
        return SystemPowerStatus().batteryLifePercent;
    default:
        if (code >= kFirstDrive && code <= 0xFFFF)
            return DiskUsagePercent(QChar(char16_t(code)));
        return 0;
    }
}
