// What one info bar refresh of the system figures costs: a processor sample, the memory figures
// and the usage of drive C, each read from the running machine, averaged over many calls.
#include "infobar/cpuusagesampler.h"
#include "infobar/infobarvalue.h"
#include "infobar/metricformats.h"
#include "infobar/systemfigures.h"
#include "platform/drivetable.h"

#include <QElapsedTimer>

#include <cstdio>
#include <functional>

namespace {

constexpr int kCalls = 10000;

// Average microseconds per call.
double Measure(const std::function<void()> &call)
{
    call(); // warm up
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kCalls; ++i)
        call();
    return double(timer.nsecsElapsed()) / 1000.0 / kCalls;
}

const char *TypeName(DriveType type)
{
    switch (type) {
    case DriveType::Fixed: return "fixed";
    case DriveType::CdRom: return "cd";
    case DriveType::Removable: return "removable";
    case DriveType::Remote: return "remote";
    }
    return "?";
}

} // namespace

int main()
{
    volatile int sink = 0;
    try {
        std::printf("processor instances: %d\n", ProcessorCount());
        const double sample = Measure([&] { sink = GetInfoBarValue(0); });
        const double memory = Measure([&] { sink = GetInfoBarValue(1); });
        const double battery = Measure([&] { sink = GetInfoBarValue(2); });
        const double disk = Measure([&] { sink = GetInfoBarValue('C'); });
        const double table = Measure([&] { sink = int(DriveTable().size()); });
        const double all = Measure([&] {
            sink = GetInfoBarValue(0) + GetInfoBarValue(1) + GetInfoBarValue('C');
        });
        std::printf("average over %d calls, microseconds:\n", kCalls);
        std::printf("  processor sample   %8.2f\n", sample);
        std::printf("  memory             %8.2f\n", memory);
        std::printf("  battery            %8.2f\n", battery);
        std::printf("  disk C             %8.2f\n", disk);
        std::printf("  drive table        %8.2f  (other letters than C read it)\n", table);
        std::printf("  processor+memory+C %8.2f\n", all);
    } catch (const CpuSamplerError &error) {
        std::printf("processor sampler: %s\n", error.what());
    }

    // The figures themselves, to see that they are sane on this machine.
    std::printf("now: cpu %d%%, memory %d%%, battery %d%%, disk C %d%%\n", GetInfoBarValue(0),
                GetInfoBarValue(1), GetInfoBarValue(2), GetInfoBarValue('C'));
    const MemoryFigures mem = PhysicalMemory();
    std::printf("memory: total %s, available %s\n",
                qPrintable(FormatByteSize(qint64(mem.totalKiB) * 1024)),
                qPrintable(FormatByteSize(qint64(mem.availableKiB) * 1024)));
    std::printf("uptime: %s\n", qPrintable(FormatDuration(SystemUptimeSeconds())));
    for (const DriveInfo &drive : DriveTable())
        std::printf("drive %c: %-30s %-10s %s\n", char(drive.letter.unicode()),
                    qPrintable(drive.mountPoint), TypeName(drive.type), qPrintable(drive.device));
    return sink < -1000 ? 1 : 0;
}
