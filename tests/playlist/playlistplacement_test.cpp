// Where the playlist window and its controls go, docked and floating.
#include "playlistplacement.h"
#include "settings/settingsrecord.h"

#include <gtest/gtest.h>

namespace Place = PlayListPlacement;

namespace {

struct DockedCase
{
    bool fullScreen;
    bool fsScale;
    QSize size;
    int fontPoints; // 0: the list keeps its look
    int itemHeight;
};

class DockedLookTest : public ::testing::TestWithParam<DockedCase>
{
};

TEST_P(DockedLookTest, SizeAndListLookFollowTheMainWindow)
{
    const DockedCase c = GetParam();
    TSettingsRecord settings;
    settings.FSScale = c.fsScale;
    const Place::TDockedLook look = Place::Docked(c.fullScreen, settings);
    EXPECT_EQ(look.size, c.size);
    ASSERT_EQ(look.list.has_value(), c.fontPoints != 0);
    if (look.list) {
        EXPECT_EQ(look.list->fontPoints, c.fontPoints);
        EXPECT_EQ(look.list->itemHeight, c.itemHeight);
    }
}

INSTANTIATE_TEST_SUITE_P(States, DockedLookTest,
                         ::testing::Values(DockedCase{false, true, {250, 150}, 10, 16},
                                           DockedCase{false, false, {250, 150}, 10, 16},
                                           DockedCase{true, true, {370, 262}, 14, 22},
                                           DockedCase{true, false, {370, 262}, 0, 0}));

TEST(PlayListPlacement, TheIniSizesAreUsed)
{
    TSettingsRecord settings;
    settings.playlist_width_int = 300;
    settings.playlist_height_int = 120;
    settings.playlist_f_width_int = 640;
    settings.playlist_f_height_int = 480;
    EXPECT_EQ(Place::Docked(false, settings).size, QSize(300, 120));
    EXPECT_EQ(Place::Docked(true, settings).size, QSize(640, 480));
}

TEST(PlayListPlacement, DockedWindowIsCentredWithEachHalfTruncated)
{
    EXPECT_EQ(Place::DockedGeometry({465, 363}, {250, 150}), QRect(232 - 125, 181 - 75, 250, 150));
    EXPECT_EQ(Place::DockedGeometry({465, 363}, {251, 151}), QRect(232 - 125, 181 - 75, 251, 151));
    // A window larger than the main window starts left of and above it.
    EXPECT_EQ(Place::DockedGeometry({200, 100}, {250, 150}).topLeft(), QPoint(-25, -25));
}

TEST(PlayListPlacement, TheShapeCutsTheCornersOnly)
{
    const QRegion shape = Place::DockedShape({250, 150});
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_FALSE(shape.contains(QPoint(249, 149)));
    EXPECT_TRUE(shape.contains(QPoint(125, 0)));
    EXPECT_TRUE(shape.contains(QPoint(0, 75)));
    EXPECT_TRUE(shape.contains(QPoint(125, 75)));
    EXPECT_TRUE(shape.contains(QPoint(249, 75)));
}

TEST(PlayListPlacement, AFirstFloatingWindowGoesBesideTheMainWindowAndStaysOnTheScreen)
{
    const QRect screen(0, 0, 1280, 800);
    const QSize own(350, 230);
    EXPECT_EQ(Place::FirstFloatingPosition({10, 20, 465, 363}, own, screen), QPoint(475, 20));
    // No room on the right: to the left.
    EXPECT_EQ(Place::FirstFloatingPosition({700, 20, 465, 363}, own, screen), QPoint(350, 20));
    // No room on either side: over the right edge, inside the screen; low windows move up.
    EXPECT_EQ(Place::FirstFloatingPosition({100, 700, 1100, 363}, own, screen), QPoint(930, 570));
    // A second screen to the right starts at 1280.
    EXPECT_EQ(Place::FirstFloatingPosition({1300, 0, 465, 363}, own, {1280, 0, 1280, 800}),
              QPoint(1765, 0));
}

struct ListCase
{
    QSize client;
    bool docked;
    QRect list;
};

class ListGeometryTest : public ::testing::TestWithParam<ListCase>
{
};

TEST_P(ListGeometryTest, ListIsAnchoredOnAllSides)
{
    const ListCase c = GetParam();
    EXPECT_EQ(Place::ListGeometry(c.client, c.docked), c.list);
}

INSTANTIATE_TEST_SUITE_P(Clients, ListGeometryTest,
                         ::testing::Values(ListCase{{350, 230}, true, {6, 25, 338, 174}},
                                           ListCase{{350, 230}, false, {6, 5, 338, 192}},
                                           ListCase{{250, 150}, true, {6, 25, 238, 94}},
                                           ListCase{{100, 40}, true, {6, 25, 88, 0}}));

TEST(PlayListPlacement, ButtonsKeepTheirDistanceToTheBottomAndTheCloseBoxToTheRight)
{
    EXPECT_EQ(Place::ButtonTop({350, 230}), 202);
    EXPECT_EQ(Place::ButtonTop({250, 150}), 122);
    EXPECT_EQ(Place::CloseBoxGeometry({250, 150}), QRect(221, 0, 29, 25));
}

} // namespace
