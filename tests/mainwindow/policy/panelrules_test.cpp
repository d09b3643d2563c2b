#include "panelrules.h"
#include "settings/settingsrecord.h"

#include <gtest/gtest.h>

namespace {

TPanelContext playing()
{
    TPanelContext c;
    c.globWidth = 455;
    c.mediaActive = true;
    c.audioStreams = 1;
    return c;
}

struct VetoCase
{
    const char *name;
    TPanelId panel;
    void (*change)(TPanelContext &, TSettingsRecord &);
    bool vetoed;
};

class ShowVetoTest : public ::testing::TestWithParam<VetoCase>
{
};

TEST_P(ShowVetoTest, Decides)
{
    TPanelContext c = playing();
    TSettingsRecord s;
    GetParam().change(c, s);
    EXPECT_EQ(PanelShowVetoed(GetParam().panel, c, s), GetParam().vetoed) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Panels, ShowVetoTest,
    ::testing::Values(
        VetoCase{"clock at 380", TPanelId::pnTime,
                 [](TPanelContext &c, TSettingsRecord &) { c.globWidth = 380; }, true},
        VetoCase{"clock at 381", TPanelId::pnTime,
                 [](TPanelContext &c, TSettingsRecord &) { c.globWidth = 381; }, false},
        VetoCase{"clock locked", TPanelId::pnTime,
                 [](TPanelContext &, TSettingsRecord &s) { s.LockUpTimeCPU = true; }, true},
        VetoCase{"volume without audio", TPanelId::PanVolume,
                 [](TPanelContext &c, TSettingsRecord &) { c.audioStreams = 0; }, true},
        VetoCase{"volume on a DVD without counted streams", TPanelId::PanVolume,
                 [](TPanelContext &c, TSettingsRecord &) {
                     c.audioStreams = 0;
                     c.dvdMode = true;
                 },
                 false},
        VetoCase{"volume locked", TPanelId::PanVolume,
                 [](TPanelContext &, TSettingsRecord &s) { s.LockSound = true; }, true},
        VetoCase{"volume with audio", TPanelId::PanVolume,
                 [](TPanelContext &, TSettingsRecord &) {}, false},
        VetoCase{"time line on a still picture", TPanelId::panTimeLine,
                 [](TPanelContext &c, TSettingsRecord &) { c.stillPicture = true; }, true},
        VetoCase{"time line in a DVD menu", TPanelId::panTimeLine,
                 [](TPanelContext &c, TSettingsRecord &) {
                     c.dvdMode = true;
                     c.dvdMenuShowing = true;
                 },
                 true},
        VetoCase{"time line in a DVD title", TPanelId::panTimeLine,
                 [](TPanelContext &c, TSettingsRecord &) { c.dvdMode = true; }, false},
        VetoCase{"zoom locked", TPanelId::PanZoom,
                 [](TPanelContext &, TSettingsRecord &s) { s.LockZoom = true; }, true},
        VetoCase{"status locked", TPanelId::pnStatus,
                 [](TPanelContext &, TSettingsRecord &s) { s.LockStatus = true; }, true},
        VetoCase{"forced status while locked", TPanelId::pnStatus,
                 [](TPanelContext &c, TSettingsRecord &s) {
                     s.LockStatus = true;
                     c.statusForced = true;
                 },
                 false},
        VetoCase{"large caption on a still picture", TPanelId::pnStatus2,
                 [](TPanelContext &c, TSettingsRecord &) { c.stillPicture = true; }, true}));

TEST(PanelHide, IconBarStaysUpWhileNothingPlaysOrItsMenuIsOpen)
{
    TSettingsRecord s;
    TPanelContext c = playing();
    EXPECT_FALSE(PanelHideVetoed(TPanelId::panMainMenu, c, s));
    c.mainMenuOpen = true;
    EXPECT_TRUE(PanelHideVetoed(TPanelId::panMainMenu, c, s));
    c = playing();
    c.mediaActive = false;
    EXPECT_TRUE(PanelHideVetoed(TPanelId::panMainMenu, c, s));
}

TEST(PanelHide, CursorKeepsPanelsUpOnlyWhenTheSettingSaysSo)
{
    TSettingsRecord s;
    TPanelContext c = playing();
    c.cursor.pl = c.cursor.lZoom = c.cursor.lVolume = true;
    c.cursor.panMainMenu = c.cursor.panBorderIcons = c.cursor.pnPlay = true;
    s.NoHideLineIsMouse = false;
    s.NoHideIconIsMouse = false;
    for (TPanelId id : {TPanelId::panTimeLine, TPanelId::PanZoom, TPanelId::PanVolume,
                        TPanelId::panMainMenu, TPanelId::panBorderIcons, TPanelId::pnPlay})
        EXPECT_FALSE(PanelHideVetoed(id, c, s));
    s.NoHideLineIsMouse = true;
    s.NoHideIconIsMouse = true;
    for (TPanelId id : {TPanelId::panTimeLine, TPanelId::PanZoom, TPanelId::PanVolume,
                        TPanelId::panMainMenu, TPanelId::panBorderIcons, TPanelId::pnPlay})
        EXPECT_TRUE(PanelHideVetoed(id, c, s));
    // Resting on the time line panel but not on its slider does not hold it.
    c.cursor.pl = false;
    c.cursor.panTimeLine = true;
    EXPECT_FALSE(PanelHideVetoed(TPanelId::panTimeLine, c, s));
}

TEST(PanelHide, BorderIconsWaitForTheirMenusAndTheClockForItsPin)
{
    TSettingsRecord s;
    TPanelContext c = playing();
    c.borderMenuOpen = true;
    EXPECT_TRUE(PanelHideVetoed(TPanelId::panBorderIcons, c, s));
    EXPECT_FALSE(PanelHideVetoed(TPanelId::pnTime, c, s));
    c.clockPinned = true;
    EXPECT_TRUE(PanelHideVetoed(TPanelId::pnTime, c, s));
}

TEST(PanelsShownByMove, OneOfEachGroupWithItsTimeOut)
{
    TSettingsRecord s;
    s.TimeShowIcon = 12;
    s.TimeShowLine = 34;
    s.PnPlayAutoShowHide = true;
    TPanelContext c = playing();
    c.cursor.pnTime = c.cursor.panBorderIcons = c.cursor.panMainMenu = true;
    c.cursor.pnPlay = true;
    c.cursor.PanZoom = c.cursor.PanVolume = true;
    const std::vector<TPanelShow> expected
        = {{TPanelId::pnTime, 30}, {TPanelId::pnPlay, 12}, {TPanelId::PanZoom, 34}};
    EXPECT_EQ(PanelsShownByMove(c, s), expected);

    c.cursor.pnTime = false;
    c.cursor.PanZoom = false;
    s.PnPlayAutoShowHide = false;
    const std::vector<TPanelShow> next
        = {{TPanelId::panBorderIcons, 12}, {TPanelId::PanVolume, 34}};
    EXPECT_EQ(PanelsShownByMove(c, s), next);
}

TEST(PanelsShownByMove, NothingPlayingNeverBringsUpTheBars)
{
    TSettingsRecord s;
    TPanelContext c = playing();
    c.mediaActive = false;
    c.cursor.panTimeLine = c.cursor.PanZoom = c.cursor.PanVolume = true;
    EXPECT_TRUE(PanelsShownByMove(c, s).empty());
}

TEST(CursorOver, BothFarEdgesCount)
{
    const QRect control(10, 20, 30, 40);
    EXPECT_TRUE(CursorOver({10, 20}, control));
    EXPECT_TRUE(CursorOver({40, 60}, control)); // origin + width, origin + height
    EXPECT_FALSE(CursorOver({41, 60}, control));
    EXPECT_FALSE(CursorOver({40, 61}, control));
    EXPECT_FALSE(CursorOver({9, 30}, control));
}

} // namespace
