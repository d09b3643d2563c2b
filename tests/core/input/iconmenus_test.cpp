#include "input/iconmenus.h"
#include "keytestsupport.h"

#include <gtest/gtest.h>

namespace {

TEST(IconMenus, OpeningPlaces)
{
    TIconPlace place;
    place.icon = QRect(64, 0, 32, 32);
    place.borderIconsLeft = 500;
    place.allTop = 4;
    struct TCase
    {
        TMenuIcon icon;
        bool fsScale;
        bool fullScreen;
        QPoint origin;
    };
    const TCase cases[] = {
        {TMenuIcon::iProp, false, false, {67, 41}},   {TMenuIcon::iProp, true, true, {67, 41}},
        {TMenuIcon::iClose, false, false, {566, 41}}, {TMenuIcon::iClose, true, false, {566, 41}},
        {TMenuIcon::iFullScr, true, true, {582, 41}},
    };
    for (const TCase &c : cases)
        EXPECT_EQ(MenuOrigin(c.icon, place, c.fsScale, c.fullScreen), c.origin)
            << int(c.icon) << c.fsScale << c.fullScreen;
}

TEST(IconMenus, HoverOpensInMode0Only)
{
    TSettingsRecord settings;
    settings.TimeShowMenu = 45;
    TIconPlace place;
    place.icon = QRect(0, 0, 32, 32);
    TInputState state = playingFile();
    state.dvdMode = true;
    EXPECT_EQ(IconMouseEnter(TMenuIcon::iPlayList, place, state, settings),
              (TActionList{N(TActionKind::CloseVideoMenus),
                           TAction::make(TActionKind::OpenVideoMenu, 45, int(TVideoMenu::pmDVDMenu),
                                         QPoint(3, 37))}));
    settings.ShowMainMenuMode = 1;
    EXPECT_EQ(IconMouseEnter(TMenuIcon::iPlayList, place, state, settings),
              (TActionList{N(TActionKind::CloseVideoMenus)}));
}

TEST(IconMenus, RightPressOpensInMode1Only)
{
    TSettingsRecord settings;
    TIconPlace place;
    place.icon = QRect(32, 0, 32, 32);
    place.borderIconsLeft = 300;
    const TInputState state = playingFile();
    EXPECT_TRUE(IconMouseDown(TMenuIcon::iClose, Qt::RightButton, place, state, settings).empty());
    settings.ShowMainMenuMode = 1;
    const TActionList opened
        = IconMouseDown(TMenuIcon::iClose, Qt::RightButton, place, state, settings);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], N(TActionKind::CloseVideoMenus));
    EXPECT_EQ(opened[1].kind, TActionKind::OpenVideoMenu);
    EXPECT_EQ(opened[1].param, int(TVideoMenu::pmClose));
    EXPECT_EQ(opened[1].at, QPoint(334, 37));
}

} // namespace
