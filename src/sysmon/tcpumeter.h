#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>
#include <stdexcept>
#include <vector>

// A failure of the load meter; the message is the one the user sees in the error box.
class ECpuMeterError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The processor load between the last two samples of the kernel's per-processor idle
// counters (/proc/stat) and a monotonic clock: 1 - (idle time) / (elapsed time).
class TCpuMeter
{
public:
    // The text of /proc/stat (empty when it cannot be read) and the clock in nanoseconds;
    // tests hand in canned texts and times.
    using TStatReader = std::function<QByteArray()>;
    using TClock = std::function<qint64()>;

    TCpuMeter();
    TCpuMeter(TStatReader reader, TClock clock, qint64 ticksPerSecond);

    // Takes a new sample.
    void CollectCpuData();
    // The busy share of processor `index` between the last two samples, 0 ... 1. The very
    // first sample has nothing to compare with and reads 0.
    double CpuUsage(int index);
    // Ends monitoring (the counters need no closing here).
    void ReleaseCpuData();

    // -1 until the first sample.
    int ProcessorCount() const { return m_count; }

    // The clock box's text for a usage: the percentage, halves to the even neighbour, and "% ".
    static QString LoadCaption(double usage);

private:
    TStatReader m_reader;
    TClock m_clock;
    qint64 m_ticksPerSecond = 100;
    int m_count = -1;
    std::vector<qint64> m_current; // idle time per processor, nanoseconds
    std::vector<qint64> m_previous;
    qint64 m_currentTime = 0;
    qint64 m_previousTime = 0;
};
