#include "lang/tlang.h"
#include "menus/contextmenu.h"
#include "menus/menurules.h"
#include "menus/traymenu.h"
#include "menus/videomenus.h"

#include <gtest/gtest.h>

namespace {

TMenuState loadedFile()
{
    TMenuState state;
    state.mediaActive = true;
    state.audioStreams = 1;
    state.playlistCount = 3;
    return state;
}

TMenuState loadedDvd()
{
    TMenuState state = loadedFile();
    state.dvdMode = true;
    state.audioStreams = 2;
    return state;
}

QString captionOf(const char *name, const TMenuState &state, bool shortCutColumn = true)
{
    const TLang lang;
    for (TVideoMenu menu : kAllVideoMenus) {
        if (const TMenuItemDef *item = FindMenuItem(VideoMenuItems(menu), name))
            return MenuItemCaption(*item, MenuItemState(name, state), lang, shortCutColumn);
    }
    for (auto items : {ContextMenuItems(), TrayMenuItems()}) {
        if (const TMenuItemDef *item = FindMenuItem(items, name))
            return MenuItemCaption(*item, MenuItemState(name, state), lang, shortCutColumn);
    }
    return QStringLiteral("<no item>");
}

TEST(MenuRules, NothingLoadedDisablesWhatNeedsAMedium)
{
    const TMenuState empty;
    for (const char *name : {"esc1", "nHomeFile", "N19", "N4", "N10", "nColor", "N35", "N59"}) {
        EXPECT_FALSE(MenuItemState(name, empty).enabled) << name;
        EXPECT_TRUE(MenuItemState(name, loadedFile()).enabled) << name;
    }
    // Items that work without a medium stay enabled.
    for (const char *name : {"space1", "N25", "nPlayCD", "N16", "nTopMost"})
        EXPECT_TRUE(MenuItemState(name, empty).enabled) << name;
}

TMenuState withStreams(TMenuState state, int streams)
{
    state.audioStreams = streams;
    return state;
}

TEST(MenuRules, SoundItemsFollowTheStreamCount)
{
    struct TCase
    {
        TMenuState state;
        bool twoChannelItems;
        bool customItem;
    };
    const TCase cases[] = {
        {withStreams(loadedFile(), 1), false, false}, {withStreams(loadedFile(), 2), true, false},
        {withStreams(loadedFile(), 3), false, true},  {loadedDvd(), false, true},
        {withStreams(loadedDvd(), 1), false, true},   {withStreams(TMenuState(), 2), false, false},
    };
    for (const TCase &c : cases) {
        EXPECT_EQ(MenuItemState("nSoun1", c.state).visible, c.twoChannelItems) << &c - cases;
        EXPECT_EQ(MenuItemState("nSoun2", c.state).visible, c.twoChannelItems) << &c - cases;
        EXPECT_EQ(MenuItemState("nSoundCustom", c.state).visible, c.customItem) << &c - cases;
    }
}

TEST(MenuRules, ShuffleNeedsMoreThanOneEntry)
{
    TMenuState state;
    for (int count : {0, 1, 2, 40}) {
        state.playlistCount = count;
        EXPECT_EQ(MenuItemState("nRand", state).enabled, count > 1) << count;
    }
}

TEST(MenuRules, DvdModeRecaptionsNextPreviousAndShowsTitleItems)
{
    const TMenuState dvd = loadedDvd();
    const TMenuState file = loadedFile();
    EXPECT_EQ(captionOf("nNext", dvd), QStringLiteral("Следующий фрагмент|PgUp"));
    EXPECT_EQ(captionOf("nPrev", dvd), QStringLiteral("Предыдущий фрагмент|PgDn"));
    // Leaving DVD mode restores the file texts at the next opening.
    EXPECT_EQ(captionOf("nNext", file), QStringLiteral("Следующий|PgUp"));
    EXPECT_EQ(captionOf("nPrev", file), QStringLiteral("Предыдущий|PgDn"));
    for (const char *name : {"N23", "DVDNextTitle", "DVDPrevTitle", "N73", "N74", "DVDmenu1",
                             "nTrayNextTitle", "nTrayPrevTitle"}) {
        EXPECT_TRUE(MenuItemState(name, dvd).visible) << name;
        EXPECT_FALSE(MenuItemState(name, file).visible) << name;
    }
    // The context and tray menus follow the same captions, without a short-cut column.
    EXPECT_EQ(captionOf("N45", dvd, false), QStringLiteral("Следующий фрагмент"));
    EXPECT_EQ(captionOf("N31", file, false), QStringLiteral("Предыдущий"));
}

TEST(MenuRules, ShutDownItems)
{
    TMenuState state = loadedFile();
    state.shutDownAfterFile = true;
    EXPECT_TRUE(MenuItemState("mShutDownEndFile", state).enabled);
    EXPECT_TRUE(MenuItemState("mShutDownEndFile", state).checked);
    EXPECT_EQ(captionOf("mShutDownEndFile", state), QStringLiteral("...по окончании фильма"));
    EXPECT_TRUE(MenuItemState("mShutDownEndList", state).enabled);

    TMenuState dvd = loadedDvd();
    EXPECT_EQ(captionOf("mShutDownEndFile", dvd), QStringLiteral("...по окончании эпизода"));
    EXPECT_TRUE(MenuItemState("mShutDownEndFile", dvd).enabled);
    EXPECT_FALSE(MenuItemState("mShutDownEndList", dvd).enabled);
    dvd.dvdMenuOnScreen = true;
    EXPECT_FALSE(MenuItemState("mShutDownEndFile", dvd).enabled);

    TMenuState emptyList;
    EXPECT_FALSE(MenuItemState("mShutDownEndFile", emptyList).enabled);
    EXPECT_FALSE(MenuItemState("mShutDownEndList", emptyList).enabled);
    emptyList.playlistCount = 1;
    emptyList.shutDownAfterList = true;
    EXPECT_TRUE(MenuItemState("mShutDownEndList", emptyList).enabled);
    EXPECT_TRUE(MenuItemState("mShutDownEndList", emptyList).checked);
}

TEST(MenuCaptions, ChannelItemsTakeTheIniCaptionsElseTheLanguageText)
{
    TMenuState state = withStreams(loadedFile(), 2);
    EXPECT_EQ(captionOf("nSoun1", state), QStringLiteral("Первый звуковой канал"));
    state.sound1Caption = QStringLiteral("Russian track");
    state.sound2Caption = QStringLiteral("Director's comments");
    EXPECT_EQ(captionOf("nSoun1", state), QStringLiteral("Russian track"));
    EXPECT_EQ(captionOf("nSoun2", state), QStringLiteral("Director's comments"));
}

TEST(MenuCaptions, LanguageTextWithShortCutColumn)
{
    const TMenuState state;
    EXPECT_EQ(captionOf("N25", state), QStringLiteral("Открыть...|O"));
    EXPECT_EQ(captionOf("nPlayCD", state), QStringLiteral("Играть CD/DVD|Alt + O"));
    EXPECT_EQ(captionOf("N3", state), QStringLiteral("Играть с диска..."));
    EXPECT_EQ(captionOf("nDelFile", state), QStringLiteral("Удалить файл|Del\u0435te"));
    EXPECT_EQ(captionOf("WWW1", state), QStringLiteral("www - Home Page"));
    EXPECT_EQ(captionOf("N26", state), QStringLiteral("-"));
    EXPECT_EQ(captionOf("DVDmenu1", state), QStringLiteral("DVD menu"));

    TLang english;
    english.SetLine(0, QStringLiteral("Open..."));
    const TMenuItemDef *open = FindMenuItem(VideoMenuItems(TVideoMenu::pmOpen), "N25");
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(MenuItemCaption(*open, {}, english, true), QStringLiteral("Open...|O"));
    EXPECT_EQ(MenuItemCaption(*open, {}, english, false), QStringLiteral("Open..."));
}

} // namespace
