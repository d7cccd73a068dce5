#include "infobar/cpuusagesampler.h"

#include "infobar/systemfigures.h"
#include "platform/systemsource.h"

#include <QList>

#include <algorithm>
#include <climits>

namespace {

struct SamplerState
{
    int count = -1;                      // instances, fixed by the first sample
    QList<ProcessorTicks> current;       // names fixed by the first sample
    QList<ProcessorTicks> previous;
    int samples = 0;                     // 0, 1, or 2 for "two or more"
    quint64 source = ServiceGeneration<SystemSource>();   // the figure source sampled
};

SamplerState &State()
{
    static SamplerState state;
    // Samples of one figure source are never measured against another's: a stand-in put in
    // place of the machine (or taken away again) starts the sampling afresh.
    if (state.source != ServiceGeneration<SystemSource>())
        state = SamplerState();
    return state;
}

ProcessorTicksReading ReadTicksOrThrow()
{
    ProcessorTicksReading reading = Current<SystemSource>().ReadProcessorTicks();
    switch (reading.status) {
    case ProcessorTicksReading::Ok:
        break;
    case ProcessorTicksReading::Unreadable:
        throw CpuSamplerError(kCpuErrorUnreadable);
    case ProcessorTicksReading::NoProcessorObject:
        throw CpuSamplerError(kCpuErrorNoProcessorObject);
    case ProcessorTicksReading::NoIdleCounter:
        throw CpuSamplerError(kCpuErrorNoUsageCounter);
    }
    if (reading.instances.isEmpty())
        throw CpuSamplerError(kCpuErrorNoProcessorObject);
    return reading;
}

// The instance of that name in a reading; processors are usually where they were last time.
const ProcessorTicks *FindInstance(const ProcessorTicksReading &reading, qsizetype hint,
                                   const QByteArray &name)
{
    if (hint < reading.instances.size() && reading.instances[hint].name == name)
        return &reading.instances[hint];
    for (const ProcessorTicks &ticks : reading.instances) {
        if (ticks.name == name)
            return &ticks;
    }
    return nullptr;
}

struct Deltas
{
    qint64 busy = 0;
    qint64 total = 0;   // 0 when there is nothing to measure
};

Deltas DeltasOf(int index)
{
    const int count = ProcessorCount(); // takes a first sample when none was taken yet
    if (index < 0 || index >= count)
        throw CpuSamplerError(kCpuErrorIndexOutOfBounds);
    const SamplerState &state = State();
    if (state.samples < 2)
        return {};
    // Differences of wrapping counters; a counter that went back gives a negative difference.
    const ProcessorTicks &now = state.current[index];
    const ProcessorTicks &before = state.previous[index];
    const qint64 total = qint64(now.total - before.total);
    const qint64 idle = qint64(now.idle - before.idle);
    if (total <= 0)
        return {};
    return {total - idle, total};
}

} // namespace

void SampleProcessorLoad()
{
    const ProcessorTicksReading reading = ReadTicksOrThrow();
    SamplerState &state = State();
    if (state.count < 0) {
        state.count = int(std::min<qsizetype>(reading.instances.size(), INT_MAX));
        state.current.clear();
        for (qsizetype i = 0; i < state.count; ++i)
            state.current.append(ProcessorTicks{reading.instances[i].name, 0, 0});
        state.previous = state.current;
    }
    for (qsizetype i = 0; i < state.count; ++i) {
        state.previous[i] = state.current[i];
        // A processor taken offline keeps its last counters and so shows no load.
        if (const ProcessorTicks *ticks = FindInstance(reading, i, state.current[i].name))
            state.current[i] = *ticks;
    }
    state.samples = std::min(state.samples + 1, 2);
}

int ProcessorCount()
{
    if (State().count < 0)
        SampleProcessorLoad();
    return State().count;
}

double ProcessorLoad(int index)
{
    const Deltas deltas = DeltasOf(index);
    if (deltas.total == 0)
        return 0.0;
    return std::min(1.0, double(deltas.busy) / double(deltas.total));
}

int ProcessorLoadPercent(int index)
{
    const Deltas deltas = DeltasOf(index);
    if (deltas.total == 0)
        return 0;
    return std::min(100, RoundedPercent(deltas.busy, deltas.total));
}

void StopProcessorSampling() {}

void ResetProcessorSampling()
{
    State() = SamplerState();
}
