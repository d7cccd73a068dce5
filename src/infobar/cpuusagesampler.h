// The processor load sampler, shared by the info bar and the marquee. Every request takes a fresh
// sample; the load is measured between the last two samples, whoever took them.
//
// Instance 0 is the whole machine; instances 1, 2, ... are the single processors.
#pragma once

#include <QString>

#include <stdexcept>

// The sampler's failures. They end the tick or the text expansion that asked; the sampler keeps
// the state it had.
class CpuSamplerError : public std::runtime_error
{
public:
    explicit CpuSamplerError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    QString Message() const { return m_message; }

private:
    QString m_message;
};

inline const QString kCpuErrorNoProcessorObject =
    QStringLiteral("Unable to locate the \"Processor\" performance object");
inline const QString kCpuErrorNoUsageCounter =
    QStringLiteral("Unable to locate the \"% of CPU usage\" performance counter");
inline const QString kCpuErrorUnreadable = QStringLiteral("Unable to read performance data");
inline const QString kCpuErrorIndexOutOfBounds = QStringLiteral("CPU index out of bounds");

// Takes one sample of every instance's counters. Throws CpuSamplerError.
void SampleProcessorLoad();
// The number of instances; takes a first sample when it is not known yet. Throws CpuSamplerError.
int ProcessorCount();
// The load of one instance between the last two samples: 1 minus the idle share. 0 until there
// are two samples and when no time passed between them; a little below 0 when idle time ran ahead
// of the total; never above 1. Throws CpuSamplerError for an index outside 0..count-1.
double ProcessorLoad(int index);
// The same load in whole percent, rounded exactly (halves to even).
int ProcessorLoadPercent(int index);
// Sampling needs nothing set up on Linux, so there is nothing to stop: the last sample is kept and
// the next request measures from it.
void StopProcessorSampling();
// Forgets every sample and the instance count. Installing or removing a stand-in figure source
// does the same by itself.
void ResetProcessorSampling();
