#include "tcpumeter.h"

#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <time.h>
#include <unistd.h>

namespace {

const char *const kNoSource = "Unable to locate the \"Processor\" performance object";
const char *const kNoCounter = "Unable to locate the \"% of CPU usage\" performance counter";
const char *const kBadIndex = "CPU index out of bounds WinNT";

// Columns of a "cpuN" line after the name: user nice system idle iowait ...
constexpr int kIdleColumn = 3;
constexpr int kIowaitColumn = 4;

QByteArray readProcStat()
{
    QFile file(QStringLiteral("/proc/stat"));
    // A file of the proc file system reports no size: it is read to its end.
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

qint64 monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// The idle ticks of each processor line ("cpu0", "cpu1", ...; the total line "cpu" is
// left out), in the order of the file. A processor's waiting for input and output is idle
// time too: nothing else could run on it.
std::vector<qint64> idleTicks(const QByteArray &text)
{
    std::vector<qint64> ticks;
    bool counterMissing = false;
    for (const QByteArray &line : text.split('\n')) {
        if (!line.startsWith("cpu") || line.size() < 4 || !std::isdigit(line.at(3)))
            continue;
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() <= kIdleColumn + 1) {
            counterMissing = true;
            continue;
        }
        bool ok = false;
        qint64 idle = fields.at(kIdleColumn + 1).toLongLong(&ok);
        if (!ok) {
            counterMissing = true;
            continue;
        }
        if (fields.size() > kIowaitColumn + 1)
            idle += fields.at(kIowaitColumn + 1).toLongLong();
        ticks.push_back(idle);
    }
    if (ticks.empty())
        throw ECpuMeterError(counterMissing ? kNoCounter : kNoSource);
    return ticks;
}

} // namespace

TCpuMeter::TCpuMeter()
    : TCpuMeter(readProcStat, monotonicNanoseconds, sysconf(_SC_CLK_TCK))
{}

TCpuMeter::TCpuMeter(TStatReader reader, TClock clock, qint64 ticksPerSecond)
    : m_reader(std::move(reader))
    , m_clock(std::move(clock))
    , m_ticksPerSecond(ticksPerSecond > 0 ? ticksPerSecond : 100)
{}

void TCpuMeter::CollectCpuData()
{
    const std::vector<qint64> ticks = idleTicks(m_reader());
    const qint64 now = m_clock();
    const bool first = m_count < 0;
    if (first) {
        m_count = int(ticks.size());
        m_current.assign(m_count, 0);
        m_previous.assign(m_count, 0);
    }
    for (int i = 0; i < m_count; ++i) {
        m_previous[i] = m_current[i];
        // A processor taken off line while we watch keeps its last value.
        const qint64 value
            = i < int(ticks.size()) ? ticks[i] * (1'000'000'000 / m_ticksPerSecond) : m_previous[i];
        m_current[i] = value;
    }
    m_previousTime = m_currentTime;
    m_currentTime = now;
    if (first) {
        // Nothing to compare the first sample with: it is its own predecessor, which reads 0
        // rather than the meaningless share of the whole time since boot.
        m_previous = m_current;
        m_previousTime = m_currentTime;
    }
}

double TCpuMeter::CpuUsage(int index)
{
    if (m_count < 0)
        CollectCpuData();
    if (index < 0 || index >= m_count)
        throw ECpuMeterError(kBadIndex);
    if (m_currentTime == m_previousTime)
        return 0.0;
    const double idle = double(m_current[index] - m_previous[index]);
    const double elapsed = double(m_currentTime - m_previousTime);
    // The kernel counts in whole ticks: over a short interval the idle time can come out a
    // tick more than the time that passed (or a counter can step back after a resume).
    return std::clamp(1.0 - idle / elapsed, 0.0, 1.0);
}

void TCpuMeter::ReleaseCpuData()
{
    m_count = -1;
    m_current.clear();
    m_previous.clear();
    m_currentTime = m_previousTime = 0;
}

QString TCpuMeter::LoadCaption(double usage)
{
    // nearbyint rounds in the default mode, to nearest with halves to even.
    return QString::number(qint64(std::nearbyint(usage * 100.0))) + QStringLiteral("% ");
}
