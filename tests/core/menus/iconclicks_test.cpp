#include "actionprint.h"
#include "commands/commandcodes.h"
#include "menus/iconclicks.h"
#include "settings/settingsrecord.h"

#include <gtest/gtest.h>

namespace {

using Sent = std::vector<std::pair<qint32, qint32>>;

bool has(const TActionList &actions, TActionKind kind)
{
    return std::any_of(actions.begin(), actions.end(),
                       [kind](const TAction &a) { return a.kind == kind; });
}

TEST(PlayIcon, PausedRunsRunningPauses)
{
    const TSettingsRecord settings;
    EXPECT_EQ(SentCommands(IconClickActions("iPlay", 1, settings)), (Sent{{Cmd::Play, 0}}));
    EXPECT_EQ(SentCommands(IconClickActions("iPlay", 2, settings)), (Sent{{Cmd::Pause, 0}}));
    EXPECT_TRUE(has(IconClickActions("iPlay", 2, settings), TActionKind::CloseVideoMenus));
}

TEST(PlayIcon, StoppedShowsWaitTextTriesADiscThenThePlaylist)
{
    TSettingsRecord settings;
    const TActionList actions = IconClickActions("iPlay", 0, settings);
    ASSERT_TRUE(has(actions, TActionKind::StatusText));
    const auto text = std::find_if(actions.begin(), actions.end(), [](const TAction &a) {
        return a.kind == TActionKind::StatusText;
    });
    EXPECT_EQ(text->code, 120);
    EXPECT_EQ(text->param, 5);

    EXPECT_EQ(SentCommands(actions, 0), (Sent{{Cmd::PlayDisc, 1}, {Cmd::PlayPause, 0}}));
    // A disc was started: the playlist is left alone.
    EXPECT_EQ(SentCommands(actions, 1), (Sent{{Cmd::PlayDisc, 1}}));

    settings.MenuIconPlay_Drive = true;
    EXPECT_EQ(SentCommands(IconClickActions("iPlay", 0, settings), 0).front(),
              std::make_pair(qint32(Cmd::PlayDisc), qint32(2)));

    settings.MenuIconPlay_CD = false;
    EXPECT_EQ(SentCommands(IconClickActions("iPlay", 0, settings), 1), (Sent{{Cmd::PlayPause, 0}}));
    settings.MenuIconPlay_PL = false;
    EXPECT_TRUE(SentCommands(IconClickActions("iPlay", 0, settings)).empty());
}

TEST(PlayDiscItem, TellsTheUserOnlyWhenNothingStarted)
{
    const TSettingsRecord settings;
    auto shown = [&](qint32 answer) {
        bool notFound = false;
        RunActions(PlayDiscActions(settings), [&](const TAction &a) {
            notFound = notFound || a.kind == TActionKind::DiscNotFoundText;
            return answer;
        });
        return notFound;
    };
    EXPECT_TRUE(shown(0));
    EXPECT_FALSE(shown(1));
}

} // namespace
