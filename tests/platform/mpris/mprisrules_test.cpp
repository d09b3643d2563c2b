// Which readings of the player are announced to the desktop, and how the bus's volume meets
// the volume bar.
#include "mprisstate.h"

#include <functional>
#include <gtest/gtest.h>
#include <limits>

namespace {

TMprisState playing(qint64 positionUs)
{
    TMprisState state;
    state.status = TMprisState::Playing;
    state.url = QStringLiteral("file:///films/a.mp4");
    state.title = QStringLiteral("a");
    state.lengthUs = 120'000'000;
    state.positionUs = positionUs;
    state.volumeBar = 10000;
    state.canSeek = true;
    return state;
}

TEST(MprisRulesTest, ChangedPropertiesNamesWhatDiffers)
{
    const TMprisState base = playing(10'000'000);
    const struct
    {
        const char *what;
        std::function<void(TMprisState &)> change;
        QStringList expected;
    } cases[] = {
        {"nothing but the position", [](TMprisState &s) { s.positionUs += 5'000'000; }, {}},
        {"paused", [](TMprisState &s) { s.status = TMprisState::Paused; }, {"PlaybackStatus"}},
        {"another file",
         [](TMprisState &s) { s.url = QStringLiteral("file:///films/b.mp4"); },
         {"Metadata"}},
        {"length known later", [](TMprisState &s) { s.lengthUs = 90'000'000; }, {"Metadata"}},
        {"volume", [](TMprisState &s) { s.volumeBar = 5000; }, {"Volume"}},
        {"list grew",
         [](TMprisState &s) { s.canGoNext = s.canGoPrevious = true; },
         {"CanGoNext", "CanGoPrevious"}},
        {"closed",
         [](TMprisState &s) {
             s = TMprisState();
             s.volumeBar = 10000;
         },
         {"PlaybackStatus", "Metadata", "CanSeek", "CanPlay", "CanPause"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        TMprisState after = base;
        c.change(after);
        EXPECT_EQ(MprisRules::ChangedProperties(base, after), c.expected);
    }
}

TEST(MprisRulesTest, PositionJumpedOnlyWhenNotExplainedByPlaying)
{
    const struct
    {
        const char *what;
        TMprisState before;
        TMprisState after;
        qint64 elapsedMs;
        bool jumped;
    } cases[] = {
        {"played on", playing(10'000'000), playing(10'250'000), 250, false},
        {"timer late", playing(10'000'000), playing(10'900'000), 250, false},
        {"paused in between", playing(10'000'000), playing(10'000'000), 250, false},
        {"forward seek", playing(10'000'000), playing(60'000'000), 250, true},
        {"back to the start", playing(10'000'000), playing(0), 250, true},
        {"another file", playing(10'000'000),
         [] {
             TMprisState s = playing(0);
             s.url = QStringLiteral("file:///films/b.mp4");
             return s;
         }(),
         250, false},
        {"closed", playing(10'000'000), TMprisState{}, 250, false},
        {"paused and moved",
         [] {
             TMprisState s = playing(10'000'000);
             s.status = TMprisState::Paused;
             return s;
         }(),
         playing(12'000'000), 1500, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(MprisRules::PositionJumped(c.before, c.after, c.elapsedMs), c.jumped);
    }
}

TEST(MprisRulesTest, VolumeMapsOntoTheBarAndHoldsToItsEnds)
{
    const struct
    {
        double volume;
        std::optional<int> bar;
    } cases[] = {{0.0, 0},
                 {1.0, 10000},
                 {0.5, 5000},
                 {0.33335, 3334},
                 {-1.0, 0},
                 {25.0, 10000},
                 {std::numeric_limits<double>::infinity(), 10000},
                 {std::numeric_limits<double>::quiet_NaN(), std::nullopt}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.volume);
        EXPECT_EQ(MprisRules::VolumeBarOf(c.volume), c.bar);
    }
    EXPECT_DOUBLE_EQ(MprisRules::VolumeOf(2500), 0.25);
    EXPECT_DOUBLE_EQ(MprisRules::VolumeOf(12000), 1.0);
    EXPECT_EQ(MprisRules::PlaybackStatus(1), QStringLiteral("Paused"));
    EXPECT_EQ(MprisRules::PlaybackStatus(7), QStringLiteral("Stopped"));
}

} // namespace
