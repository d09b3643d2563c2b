#include "../controlstestapp.h"
#include "skinfonts.h"
#include "vidmenulayout.h"

#include <QFontMetrics>

struct SplitCase
{
    const char *full;
    const char *caption;
    const char *shortCut;
};

class SplitMenuCaption : public ::testing::TestWithParam<SplitCase>
{
};

TEST_P(SplitMenuCaption, SplitsAtTheFirstBar)
{
    const SplitCase c = GetParam();
    const TMenuCaption text = splitMenuCaption(QString::fromUtf8(c.full));
    EXPECT_EQ(text.caption, QString::fromUtf8(c.caption));
    EXPECT_EQ(text.shortCut, QString::fromUtf8(c.shortCut));
}

INSTANTIATE_TEST_SUITE_P(Cases, SplitMenuCaption,
                         ::testing::Values(SplitCase{"Выход|Alt+F4", "Выход", "Alt+F4"},
                                           SplitCase{"Открыть", "Открыть", ""},
                                           SplitCase{"A|B|C", "A", "B|C"},
                                           SplitCase{"|Ctrl+O", "", "Ctrl+O"},
                                           SplitCase{"Стоп|", "Стоп", ""}, SplitCase{"", "", ""}));

TEST(VidMenuLayout, AllHiddenMenuIsTwentyByTwenty)
{
    const TVidMenuGeometry geometry = layoutVidMenu(
        {}, skinFont(QStringLiteral("MS Sans Serif"), -11), 1, false, QPoint(40, 50));
    EXPECT_EQ(geometry.window, QRect(40, 50, 20, 20));
    EXPECT_TRUE(geometry.rows.empty());
    // Narrower than the tab: nothing of the top strip lies outside it.
    EXPECT_EQ(geometry.shape, QRegion(0, 0, 20, 20));
}

TEST(VidMenuLayout, RowsSeparatorsAndWidth)
{
    const QFont font = skinFont(QStringLiteral("MS Sans Serif"), -11);
    const QFontMetrics metrics(font);
    const std::vector<TVidMenuEntry> entries{{QStringLiteral("Открыть файл|Ctrl+O"), 0},
                                             {QStringLiteral("-"), 2},
                                             {QStringLiteral("-"), 3},
                                             {QStringLiteral("Выход|Alt+F4"), 4}};
    const TVidMenuGeometry geometry = layoutVidMenu(entries, font, 1, false, QPoint(3, 37));
    const int l = metrics.horizontalAdvance(QStringLiteral("Открыть файл"));
    const int r = std::max(metrics.horizontalAdvance(QStringLiteral("Ctrl+O")),
                           metrics.horizontalAdvance(QStringLiteral("Alt+F4")));
    EXPECT_EQ(geometry.captionWidth, l);
    ASSERT_EQ(geometry.rows.size(), 4u);
    EXPECT_EQ(geometry.rows[0].rect, QRect(5, 15, l + r + 10, 21));
    EXPECT_EQ(geometry.rows[1].rect.top(), 36);
    EXPECT_EQ(geometry.rows[2].rect.top(), 42);
    EXPECT_EQ(geometry.rows[3].rect.top(), 48);
    EXPECT_TRUE(geometry.rows[1].text.caption.isEmpty());
    EXPECT_EQ(geometry.rows[3].text.shortCut, QStringLiteral("Alt+F4"));
    EXPECT_EQ(geometry.rows[3].itemIndex, 4);
    EXPECT_EQ(geometry.window, QRect(3, 37, l + r + 20, 48 + 21 + 5));
}

TEST(VidMenuLayout, RightHandTabGrowsLeftAndShapesTheTopStrip)
{
    const QFont font = skinFont(QStringLiteral("MS Sans Serif"), -11);
    const std::vector<TVidMenuEntry> entries{{QStringLiteral("Свернуть окно и ещё немного"), 0}};
    const TVidMenuGeometry right = layoutVidMenu(entries, font, 2, true, QPoint(400, 37));
    const int w = right.window.width();
    ASSERT_GT(w, 48);
    EXPECT_EQ(right.window.left(), 400 + 30 - w);
    EXPECT_EQ(right.shape, QRegion(0, 0, w, right.window.height()) - QRegion(0, 0, w - 48, 10));
    const TVidMenuGeometry left = layoutVidMenu(entries, font, 1, false, QPoint(400, 37));
    EXPECT_EQ(left.window.left(), 400);
    EXPECT_EQ(left.shape, QRegion(0, 0, w, left.window.height()) - QRegion(32, 0, w - 32, 10));
}
