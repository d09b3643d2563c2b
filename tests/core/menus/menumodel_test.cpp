#include "actionprint.h"
#include "commands/commandcodes.h"
#include "lang/tlang.h"
#include "menus/contextmenu.h"
#include "menus/traymenu.h"
#include "menus/videomenus.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

void collectNames(std::span<const TMenuItemDef> items, std::vector<std::string> &names)
{
    for (const TMenuItemDef &item : items) {
        names.emplace_back(item.name);
        collectNames(item.submenu, names);
    }
}

std::vector<std::span<const TMenuItemDef>> everyMenu()
{
    std::vector<std::span<const TMenuItemDef>> menus;
    for (TVideoMenu menu : kAllVideoMenus)
        menus.push_back(VideoMenuItems(menu));
    menus.push_back(ContextMenuItems());
    menus.push_back(TrayMenuItems());
    return menus;
}

// The opening rules find items by name, so a name used twice would give one item the
// rules of another.
TEST(MenuModel, ItemNamesAreUniqueAcrossAllMenus)
{
    std::vector<std::string> names;
    for (auto items : everyMenu())
        collectNames(items, names);
    const std::set<std::string> unique(names.begin(), names.end());
    EXPECT_EQ(unique.size(), names.size());
}

void checkItems(std::span<const TMenuItemDef> items)
{
    for (const TMenuItemDef &item : items) {
        SCOPED_TRACE(item.name);
        if (item.isSeparator()) {
            EXPECT_EQ(item.textIndex, TMenuItemDef::kNoText);
            EXPECT_EQ(item.shortCut, nullptr);
            continue;
        }
        // Every item shows something: a language text or a stored caption.
        EXPECT_TRUE(item.caption != nullptr
                    || (item.textIndex >= 0 && item.textIndex < TLang::kTextCount));
        if (item.submenu.empty() && std::string_view(item.name) != "N36") {
            const bool runsSomething = item.action.kind != TActionKind::Command
                                       || CommandCodes::nameOf(item.action.code) != QString();
            EXPECT_TRUE(runsSomething) << "code " << item.action.code;
        }
        checkItems(item.submenu);
    }
}

TEST(MenuModel, EveryItemHasACaptionAndAKnownAction)
{
    for (auto items : everyMenu())
        checkItems(items);
}

// The context menu's playlist submenu runs what the on-video playlist menu runs.
TEST(MenuModel, ContextPlaylistItemsMatchTheirOnVideoTwins)
{
    const auto onVideo = VideoMenuItems(TVideoMenu::pmPlayList);
    const TMenuItemDef *playlist = FindMenuItem(ContextMenuItems(), "N47");
    ASSERT_NE(playlist, nullptr);
    ASSERT_EQ(playlist->submenu.size(), onVideo.size());
    for (size_t i = 0; i < onVideo.size(); ++i) {
        EXPECT_EQ(playlist->submenu[i].textIndex, onVideo[i].textIndex) << i;
        EXPECT_EQ(playlist->submenu[i].action, onVideo[i].action) << i;
    }
}

TEST(DriveSubmenu, SeparatorThenOneItemPerDriveRebuiltEachTime)
{
    const auto first = DriveSubmenu({QStringLiteral("D [FILM]"), QStringLiteral("E []")});
    ASSERT_EQ(first.size(), 3u);
    EXPECT_TRUE(first[0].separator);
    EXPECT_FALSE(first[0].enabled);
    EXPECT_EQ(first[1].caption, QStringLiteral("D [FILM]"));
    EXPECT_EQ(first[1].action, TAction::of(TActionKind::PlayDrive, 'D'));
    EXPECT_EQ(first[2].action, TAction::of(TActionKind::PlayDrive, 'E'));
    EXPECT_NE(first[1].name, first[2].name);

    // A later opening with one drive gone shows only what is there now.
    const auto second = DriveSubmenu({QStringLiteral("E [DATA]"), QString()});
    ASSERT_EQ(second.size(), 2u);
    EXPECT_EQ(second[1].caption, QStringLiteral("E [DATA]"));
    EXPECT_EQ(DriveSubmenu({}).size(), 1u);
}

TEST(SubtitleSubmenu, OffTheTracksWithTheirLanguagesAndLoadingWhereAFileCanShow)
{
    const auto textOf = [](int index) {
        return index == 202 ? QStringLiteral("Track %1") : QString::number(index);
    };
    const auto items = SubtitleSubmenu({QStringLiteral("en"), QString()}, 2, textOf);
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items[0].action, TAction::of(TActionKind::SubtitleTrack, 0));
    EXPECT_FALSE(items[0].checked);
    EXPECT_EQ(items[1].caption, QStringLiteral("Track 1 [en]"));
    EXPECT_EQ(items[2].caption, QStringLiteral("Track 2")) << "no brackets without a language";
    EXPECT_TRUE(items[2].checked);
    EXPECT_EQ(items[2].action, TAction::of(TActionKind::SubtitleTrack, 2));
    EXPECT_TRUE(items[3].separator);
    EXPECT_EQ(items[4].action, TAction::of(TActionKind::LoadSubtitleFile));
    EXPECT_TRUE(items[4].enabled);

    // A disc: nothing to load over it, and "Off" checked when nothing shows.
    const auto disc = SubtitleSubmenu({}, 0, textOf, false);
    ASSERT_EQ(disc.size(), 3u);
    EXPECT_TRUE(disc[0].checked);
    EXPECT_FALSE(disc[2].enabled);
}

TEST(RunActions, GuardedActionSkippedOnlyAfterAnAnswerOf1)
{
    TAction guarded = TAction::command(Cmd::PlayPause);
    guarded.guard = TActionGuard::UnlessPreviousAnswered1;
    const TActionList actions{TAction::command(Cmd::PlayDisc, 1), guarded};
    for (qint32 answer : {0, 1, 2}) {
        const auto sent = SentCommands(actions, answer);
        EXPECT_EQ(sent.size(), answer == 1 ? 1u : 2u) << answer;
    }
    // A guard at the head of the list sees no earlier answer and runs.
    EXPECT_EQ(SentCommands({guarded}, 1).size(), 1u);
}

} // namespace
