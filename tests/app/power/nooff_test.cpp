// The one-second timer on its own: what each tick does with a given state of the player.
#include "ikeepawake.h"
#include "tcpumeter.h"
#include "tnooff.h"

#include <QCoreApplication>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QCoreApplication &application()
{
    static int argc = 1;
    static char name[] = "app_nooff_tests";
    static char *argv[] = {name, nullptr};
    static auto *app = new QCoreApplication(argc, argv);
    return *app;
}

class TRecordingKeepAwake : public IKeepAwake
{
public:
    void Hold() override
    {
        ++asked;
        if (!held && grant)
            held = true, ++taken;
    }
    void Release() override
    {
        if (held)
            ++released;
        held = false;
    }
    bool Held() const override { return held; }

    bool grant = true;
    bool held = false;
    int asked = 0;
    int taken = 0;
    int released = 0;
};

struct Ticks
{
    TNoOffState state;
    int stillEnded = 0;
    std::vector<int> countdowns;
    QStringList loads;
    TRecordingKeepAwake keepAwake;
    qint64 idle = 0;
    qint64 clock = 0;
    TCpuMeter meter{[this]() -> QByteArray {
                        return "cpu  1 1 1 1\ncpu0 0 0 0 " + QByteArray::number(idle) + "\n";
                    },
                    [this] { return clock; }, 100};
    std::unique_ptr<TNoOff> noOff;

    Ticks()
    {
        application();
        TNoOffHooks hooks;
        hooks.state = [this] { return state; };
        hooks.endStillPicture = [this] { ++stillEnded; };
        hooks.showCountdown = [this](int remaining) { countdowns.push_back(remaining); };
        hooks.showLoad = [this](const QString &caption) { loads << caption; };
        noOff = std::make_unique<TNoOff>(std::move(hooks), keepAwake, meter);
    }
    void tick(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            noOff->NoOffTimer();
    }
};

} // namespace

TEST(NoOff, RunsEverySecondForTheLifeOfTheWindow)
{
    Ticks t;
    EXPECT_TRUE(t.noOff->NoOff->isActive());
    EXPECT_EQ(t.noOff->NoOff->interval(), 1000);
}

TEST(NoOff, CountdownFromTheLastMinute)
{
    Ticks t;
    t.state.running = true;
    t.state.countdown = {.afterFile = true, .durationSeconds = 300, .positionSeconds = 239};
    t.tick();
    EXPECT_TRUE(t.countdowns.empty()) << "61 s left";
    for (int position = 240; position <= 242; ++position) {
        t.state.countdown.positionSeconds = position;
        t.tick();
    }
    EXPECT_EQ(t.countdowns, (std::vector<int>{60, 59, 58}));
    t.state.running = false;
    t.tick();
    EXPECT_EQ(t.countdowns.size(), 3u) << "a paused film counts nothing down";
}

TEST(NoOff, KeepsAwakeWhileRunningOnly)
{
    Ticks t;
    t.tick();
    EXPECT_EQ(t.keepAwake.asked, 0);
    t.state.running = true;
    t.tick();
    EXPECT_TRUE(t.keepAwake.held);
    t.tick(10);
    EXPECT_EQ(t.keepAwake.asked, 1) << "a hold in force is not asked for every second";
    t.state.running = false;
    t.tick();
    EXPECT_FALSE(t.keepAwake.held);
    EXPECT_EQ(t.keepAwake.released, 1);
    t.tick(5);
    EXPECT_EQ(t.keepAwake.released, 1);
    t.state.running = true;
    t.tick();
    EXPECT_EQ(t.keepAwake.taken, 2);
}

TEST(NoOff, RefusedHoldIsAskedAgainEveryThirtySecondsOfPlayback)
{
    Ticks t;
    t.keepAwake.grant = false;
    t.state.running = true;
    t.tick(29);
    EXPECT_EQ(t.keepAwake.asked, 1);
    t.tick();
    EXPECT_EQ(t.keepAwake.asked, 2);
    EXPECT_EQ(t.noOff->KeepAwakeCounter(), 0);
    t.keepAwake.grant = true;
    t.tick(30);
    EXPECT_EQ(t.keepAwake.asked, 3);
    EXPECT_TRUE(t.keepAwake.held);
}

TEST(NoOff, StillPictureEndsAfterItsInterval)
{
    Ticks t;
    t.state.running = true;
    t.state.stillPicture = true;
    t.state.pictureInterval = 5;
    t.state.shownMs = 4000;
    t.tick();
    EXPECT_EQ(t.stillEnded, 0);
    t.state.shownMs = 5000;
    t.tick();
    EXPECT_EQ(t.stillEnded, 1);
}

TEST(NoOff, LoadFigureOnlyWhileTheClockShowsIt)
{
    Ticks t;
    t.idle = 100;
    t.clock = 1'000'000'000;
    t.tick();
    EXPECT_TRUE(t.loads.isEmpty());
    t.state.loadShowing = true;
    t.tick(); // the first reading has nothing to compare with
    t.idle = 125;
    t.clock = 2'000'000'000;
    t.tick();
    EXPECT_EQ(t.loads, (QStringList{QStringLiteral("0% "), QStringLiteral("75% ")}));
}
