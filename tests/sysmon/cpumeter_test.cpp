#include "tcpumeter.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr qint64 kSecond = 1'000'000'000;

// A /proc/stat text with one line per processor, each with the given idle and iowait ticks
// (100 a second), and the total line first as the kernel writes it.
QByteArray statText(const std::vector<std::pair<qint64, qint64>> &idleAndWait)
{
    QByteArray text = "cpu  9 9 9 9 9 0 0 0 0 0\n";
    for (size_t i = 0; i < idleAndWait.size(); ++i)
        text += "cpu" + QByteArray::number(qulonglong(i)) + " 5 0 7 "
                + QByteArray::number(idleAndWait[i].first) + ' '
                + QByteArray::number(idleAndWait[i].second) + " 0 0 0 0 0\n";
    return text + "intr 1 2 3\nctxt 42\nbtime 1700000000\n";
}

// A meter over a queue of canned samples (text, time).
struct Canned
{
    std::vector<std::pair<QByteArray, qint64>> samples;
    size_t next = 0;

    TCpuMeter meter()
    {
        return TCpuMeter([this] { return samples.at(next).first; },
                         [this] { return samples.at(next++).second; }, 100);
    }
};

} // namespace

TEST(CpuMeter, BusyShareBetweenTwoSamples)
{
    struct Case
    {
        const char *name;
        qint64 idleTicks; // over 8 seconds
        qint64 waitTicks;
        double expected;
        const char *caption;
    };
    const Case cases[] = {
        {"one eighth busy", 700, 0, 0.125, "12% "},
        {"three eighths busy", 500, 0, 0.375, "38% "},
        {"waiting for input counts as idle", 400, 100, 0.375, "38% "},
        {"all idle", 800, 0, 0.0, "0% "},
        {"all busy", 0, 0, 1.0, "100% "},
        {"a tick more idle than time stays at 0", 801, 0, 0.0, "0% "},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Canned canned{{{statText({{1000, 20}}), 5 * kSecond},
                       {statText({{1000 + c.idleTicks, 20 + c.waitTicks}}), 13 * kSecond}}};
        TCpuMeter meter = canned.meter();
        meter.CollectCpuData();
        meter.CollectCpuData();
        EXPECT_DOUBLE_EQ(meter.CpuUsage(0), c.expected);
        EXPECT_EQ(TCpuMeter::LoadCaption(meter.CpuUsage(0)), QString::fromLatin1(c.caption));
    }
}

TEST(CpuMeter, CaptionRoundsHalvesToEven)
{
    EXPECT_EQ(TCpuMeter::LoadCaption(0.125), QStringLiteral("12% "));
    EXPECT_EQ(TCpuMeter::LoadCaption(0.375), QStringLiteral("38% "));
    EXPECT_EQ(TCpuMeter::LoadCaption(0.126), QStringLiteral("13% "));
    EXPECT_EQ(TCpuMeter::LoadCaption(0.0), QStringLiteral("0% "));
}

TEST(CpuMeter, EqualTimestampsReadZero)
{
    Canned canned{{{statText({{100, 0}}), 7 * kSecond}, {statText({{150, 0}}), 7 * kSecond}}};
    TCpuMeter meter = canned.meter();
    meter.CollectCpuData();
    meter.CollectCpuData();
    EXPECT_EQ(meter.CpuUsage(0), 0.0);
}

TEST(CpuMeter, FirstReadingIsZeroNotTheShareSinceBoot)
{
    // Since boot the processor was busy half the time; the first reading knows no interval.
    Canned canned{{{statText({{500, 0}}), 10 * kSecond}}};
    TCpuMeter meter = canned.meter();
    EXPECT_EQ(meter.CpuUsage(0), 0.0);
    EXPECT_EQ(meter.ProcessorCount(), 1);
}

TEST(CpuMeter, CountsProcessorsWithoutTheTotal)
{
    Canned canned{{{statText({{100, 0}, {200, 0}}), 1 * kSecond},
                   {statText({{150, 0}, {290, 0}}), 2 * kSecond}}};
    TCpuMeter meter = canned.meter();
    EXPECT_EQ(meter.ProcessorCount(), -1);
    meter.CollectCpuData();
    EXPECT_EQ(meter.ProcessorCount(), 2);
    meter.CollectCpuData();
    EXPECT_DOUBLE_EQ(meter.CpuUsage(0), 0.5);
    EXPECT_DOUBLE_EQ(meter.CpuUsage(1), 0.1);
}

TEST(CpuMeter, FailuresCarryTheirMessages)
{
    struct Case
    {
        const char *name;
        QByteArray text;
        int index;
        const char *message;
    };
    const Case cases[] = {
        {"no source", QByteArray(), 0, "Unable to locate the \"Processor\" performance object"},
        {"no processor lines", "intr 1\nctxt 2\n", 0,
         "Unable to locate the \"Processor\" performance object"},
        {"no idle column", "cpu  1 2\ncpu0 1 2\n", 0,
         "Unable to locate the \"% of CPU usage\" performance counter"},
        {"index past the last processor", statText({{1, 0}}), 1, "CPU index out of bounds WinNT"},
        {"negative index", statText({{1, 0}}), -1, "CPU index out of bounds WinNT"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TCpuMeter meter([&] { return c.text; }, [] { return kSecond; }, 100);
        try {
            meter.CpuUsage(c.index);
            ADD_FAILURE() << "no failure raised";
        } catch (const ECpuMeterError &error) {
            EXPECT_STREQ(error.what(), c.message);
        }
    }
}

TEST(CpuMeter, ReadsThisMachine)
{
    TCpuMeter meter;
    meter.CollectCpuData();
    EXPECT_GE(meter.ProcessorCount(), 1);
    meter.CollectCpuData();
    const double usage = meter.CpuUsage(0);
    EXPECT_GE(usage, 0.0);
    EXPECT_LE(usage, 1.0);
}
