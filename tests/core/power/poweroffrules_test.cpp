#include "power/poweroffrules.h"

#include <gtest/gtest.h>

using PowerOffRules::Countdown;
using PowerOffRules::TCountdownInput;

TEST(PowerOffRules, CountdownInTheLastMinute)
{
    struct Case
    {
        const char *name;
        TCountdownInput input;
        std::optional<int> expected;
    };
    const auto film = [](int duration, int position) {
        return TCountdownInput{.running = true,
                               .afterFile = true,
                               .durationSeconds = duration,
                               .positionSeconds = position};
    };
    TCountdownInput paused = film(600, 550);
    paused.running = false;
    const Case cases[] = {
        {"61 s left: nothing yet", film(600, 539), std::nullopt},
        {"60 s left", film(600, 540), 60},
        {"59 s left", film(600, 541), 59},
        {"at the very end", film(600, 600), 0},
        {"paused film shows nothing", paused, std::nullopt},
        {"no shut-down asked",
         {.running = true, .durationSeconds = 600, .positionSeconds = 590},
         std::nullopt},
        {"end of list, last entry",
         {.running = true,
          .afterList = true,
          .lastPlayable = true,
          .durationSeconds = 100,
          .positionSeconds = 45},
         55},
        {"end of list, more entries to come",
         {.running = true, .afterList = true, .durationSeconds = 100, .positionSeconds = 45},
         std::nullopt},
        {"end of list, last entry, 61 s left",
         {.running = true,
          .afterList = true,
          .lastPlayable = true,
          .durationSeconds = 100,
          .positionSeconds = 39},
         std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Countdown(c.input), c.expected);
    }
}

TEST(PowerOffRules, CountdownText)
{
    EXPECT_EQ(PowerOffRules::CountdownText(QStringLiteral("Отключение через"),
                                           QStringLiteral("сек."), 60),
              QStringLiteral("Отключение через 60 сек."));
}

TEST(PowerOffRules, StillPictureEndsAfterItsInterval)
{
    struct Case
    {
        const char *name;
        bool still, running, dvd;
        qint64 shownMs;
        int interval;
        bool done;
    };
    const Case cases[] = {
        {"before its time", true, true, false, 4999, 5, false},
        {"at its time", true, true, false, 5000, 5, true},
        {"a film never ends this way", false, true, false, 60000, 5, false},
        {"paused picture stays", true, false, false, 60000, 5, false},
        {"not in DVD mode", true, true, true, 60000, 5, false},
        {"interval 0 ends at the first tick", true, true, false, 0, 0, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PowerOffRules::StillPictureDone(c.still, c.running, c.dvd, c.shownMs, c.interval),
                  c.done);
    }
}

TEST(PowerOffRules, BusyAnswer)
{
    // (opened, paused, loaded, running) -> answer
    EXPECT_EQ(PowerOffRules::BusyAnswer(false, false, false, false), 0);
    EXPECT_EQ(PowerOffRules::BusyAnswer(true, false, false, false), 1); // being opened
    EXPECT_EQ(PowerOffRules::BusyAnswer(true, true, true, false), 0);   // paused
    EXPECT_EQ(PowerOffRules::BusyAnswer(true, false, true, true), 1);   // playing
    EXPECT_EQ(PowerOffRules::BusyAnswer(false, false, true, true), 1);  // running, flag cleared
}
