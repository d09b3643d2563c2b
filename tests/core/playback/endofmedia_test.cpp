#include "playback/endofmedia.h"
#include "playback/playliststart.h"

#include <gtest/gtest.h>

namespace {

using Action = TEndOfMediaAction;

struct EndCase
{
    const char *name;
    TEndOfMediaInput input;
    QString nextInList; // what the playlist's Next would give
    bool listEnded;
    Action action;
    QString opened;
    bool nextTaken;
};

TEndOfMediaInput ended(bool last, bool exitAtEnd, bool onEndToPlay, const char *current,
                       qint64 duration)
{
    return {last, exitAtEnd, onEndToPlay, QString::fromUtf8(current), duration};
}

class EndOfMediaTest : public ::testing::TestWithParam<EndCase>
{
};

TEST_P(EndOfMediaTest, Decides)
{
    const EndCase &c = GetParam();
    int taken = 0;
    const TEndOfMediaDecision decision = EndOfMedia::Decide(c.input, [&] {
        ++taken;
        return c.nextInList;
    });
    EXPECT_EQ(decision.listEnded, c.listEnded);
    EXPECT_EQ(decision.action, c.action);
    EXPECT_EQ(decision.next, c.opened);
    // Next moves the playlist's current entry: it must not run when the list stops.
    EXPECT_EQ(taken, c.nextTaken ? 1 : 0);
}

const QString kA = QStringLiteral("/films/a.avi");
const QString kB = QStringLiteral("/films/b.avi");

INSTANTIATE_TEST_SUITE_P(
    Cases, EndOfMediaTest,
    ::testing::Values(EndCase{"NextEntry", ended(false, false, false, "/films/a.avi", 0), kB, false,
                              Action::OpenNext, kB, true},
                      EndCase{"LastEntryIdle",
                              ended(true, false, false, "/films/b.avi", 5000),
                              kA,
                              true,
                              Action::Idle,
                              {},
                              false},
                      EndCase{"LastEntryExit",
                              ended(true, true, false, "/films/b.avi", 5000),
                              kA,
                              true,
                              Action::Exit,
                              {},
                              false},
                      EndCase{"ExitWinsOverRepeat",
                              ended(true, true, true, "/films/b.avi", 5000),
                              kA,
                              true,
                              Action::Exit,
                              {},
                              false},
                      EndCase{"ExitOnlyAtTheEndOfTheList",
                              ended(false, true, false, "/films/a.avi", 5000), kB, false,
                              Action::OpenNext, kB, true},
                      EndCase{"RepeatListFromTheStart", ended(true, false, true, "/films/b.avi", 0),
                              kA, true, Action::OpenNext, kA, true},
                      EndCase{"OneEntryRepeats", ended(true, false, true, "/films/a.avi", 2), kA,
                              true, Action::OpenNext, kA, true},
                      EndCase{"OneEntryOfOneSecondStops",
                              ended(true, false, true, "/films/a.avi", 1),
                              kA,
                              true,
                              Action::Idle,
                              {},
                              true},
                      EndCase{"OneEntryWithoutDurationStops",
                              ended(true, false, true, "/films/a.avi", 0),
                              kA,
                              true,
                              Action::Idle,
                              {},
                              true},
                      EndCase{"NothingPlayableLeft",
                              ended(false, false, false, "/films/a.avi", 5000),
                              QString(),
                              false,
                              Action::Idle,
                              {},
                              true}),
    [](const auto &info) { return std::string(info.param.name); });

struct StartCase
{
    const char *name;
    TPlaylistStartInput input;
    bool openDialog;
    bool selectedBecomesCurrent;
    QString opened;
    bool firstTaken;
};

class PlaylistStartTest : public ::testing::TestWithParam<StartCase>
{
};

TEST_P(PlaylistStartTest, Decides)
{
    const StartCase &c = GetParam();
    int taken = 0;
    const TPlaylistStart start = PlaylistStart::Decide(c.input, [&] {
        ++taken;
        return kA;
    });
    EXPECT_EQ(start.runOpenDialog, c.openDialog);
    EXPECT_EQ(start.makeSelectedCurrent, c.selectedBecomesCurrent);
    EXPECT_EQ(start.name, c.opened);
    EXPECT_EQ(taken, c.firstTaken ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlaylistStartTest,
    ::testing::Values(
        StartCase{"EmptyListAsksForFiles", {true, {}, true, kB}, true, false, {}, false},
        StartCase{"CurrentEntry", {false, kB, true, kA}, false, false, kB, false},
        StartCase{"SelectedWhenShowing", {false, {}, true, kB}, false, true, kB, false},
        StartCase{"SelectionIgnoredWhenHidden", {false, {}, false, kB}, false, false, kA, true},
        StartCase{"NothingSelected", {false, {}, true, {}}, false, false, kA, true}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
