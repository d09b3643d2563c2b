// The pixels of the playlist's rows: the selection gradient, the outlined title, the focus
// rectangle and the theme's colour cells.
#include "playlistcolors.h"
#include "playlistrowpainter.h"
#include "skinfonts.h"
#include "testhost.h"
#include "themeloader.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

quint32 bgr(const QImage &image, int x, int y)
{
    const QRgb rgb = image.pixel(x, y);
    return static_cast<quint32>(qRed(rgb)) | static_cast<quint32>(qGreen(rgb)) << 8
           | static_cast<quint32>(qBlue(rgb)) << 16;
}

struct StripCase
{
    TColor top, bottom;
    int rows;
    int row;
    TColor expected;
};

class SelectionStripTest : public ::testing::TestWithParam<StripCase>
{
};

TEST_P(SelectionStripTest, EachRowStepsByIntegerDivision)
{
    const StripCase c = GetParam();
    const QImage strip = PlayListRowPainter::SelectionStrip(c.top, c.bottom, c.rows);
    ASSERT_EQ(strip.size(), QSize(1, qMax(1, c.rows)));
    EXPECT_EQ(bgr(strip, 0, c.row), c.expected) << std::hex << bgr(strip, 0, c.row);
}

// Red 255 -> 166 over 10 rows: 255 + r * -89 / 10 truncates toward zero (row 1: 255 - 8).
INSTANTIATE_TEST_SUITE_P(
    Rows, SelectionStripTest,
    ::testing::Values(StripCase{0x0000FF, 0x0000A6, 10, 0, 0x0000FF},
                      StripCase{0x0000FF, 0x0000A6, 10, 1, 0x0000F7},
                      StripCase{0x0000FF, 0x0000A6, 10, 9, 0x0000AF},
                      // Green rises 192 -> 208 while red falls 255 -> 166 (the unfocused pair).
                      StripCase{0x00C0FF, 0x00D0A6, 4, 2, 0x00C8D3},
                      StripCase{0x102030, 0x102030, 7, 6, 0x102030},
                      StripCase{0x000000, 0xFFFFFF, 0, 0, 0x000000}));

QImage paintRow(const TPlayListRow &row, const TPlayListColors &colors,
                std::optional<TColor> background, QRgb under = qRgb(1, 2, 3))
{
    QImage image(120, 22, QImage::Format_RGB32);
    image.fill(under);
    QPainter painter(&image);
    painter.setFont(skinFont(QStringLiteral("MS Sans Serif"), -13));
    PlayListRowPainter::Paint(painter, row, colors, background, image.width());
    return image;
}

bool hasColour(const QImage &image, TColor colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (bgr(image, x, y) == colour)
                return true;
    return false;
}

TEST(PlayListRow, ASelectedRowIsFilledWithTheGradientOfItsFocusState)
{
    TPlayListColors colors;
    TPlayListRow row{QRect(0, 0, 120, 22), QString(), false, true, true};
    const auto channel = [](const QImage &image, int y, int shift) {
        return static_cast<int>(bgr(image, 60, y) >> shift & 0xFF);
    };
    // The strip has 120 rows stretched over 22, so the first and last pixel rows are a few
    // strip rows in from the ends.
    QImage focused = paintRow(row, colors, clBlack);
    EXPECT_NEAR(channel(focused, 0, 0), 255, 3);
    EXPECT_EQ(channel(focused, 0, 8), 0);
    EXPECT_NEAR(channel(focused, 20, 0), 166, 10); // row 21 carries the focus frame
    row.focused = false;
    QImage other = paintRow(row, colors, clBlack);
    EXPECT_NEAR(channel(other, 0, 8), 192, 3);
    EXPECT_NEAR(channel(other, 21, 8), 208, 3);
    EXPECT_NEAR(channel(other, 21, 0), 166, 6);
}

TEST(PlayListRow, WithoutABackgroundAnUnselectedRowLeavesWhatIsUnderIt)
{
    const TPlayListRow row{QRect(0, 0, 120, 22), QString(), false, false, false};
    const QImage seeThrough = paintRow(row, TPlayListColors(), std::nullopt);
    EXPECT_EQ(seeThrough.pixel(100, 10), qRgb(1, 2, 3));
    const QImage filled = paintRow(row, TPlayListColors(), clBlack);
    EXPECT_EQ(bgr(filled, 100, 10), clBlack);
}

TEST(PlayListRow, TitlesAreOutlinedInTheColoursOfTheirKind)
{
    TPlayListColors colors;
    colors.textOutline = 0x000080;
    colors.currentOutline = 0x008000;
    TPlayListRow row{QRect(0, 0, 120, 22), QStringLiteral("WWW"), false, false, false};
    QImage ordinary = paintRow(row, colors, clBlack);
    EXPECT_TRUE(hasColour(ordinary, colors.text));
    EXPECT_TRUE(hasColour(ordinary, colors.textOutline));
    EXPECT_FALSE(hasColour(ordinary, colors.currentText));
    row.current = true;
    QImage current = paintRow(row, colors, clBlack);
    EXPECT_TRUE(hasColour(current, colors.currentText));
    EXPECT_TRUE(hasColour(current, colors.currentOutline));
    EXPECT_FALSE(hasColour(current, colors.textOutline));
}

TEST(PlayListRow, OnlyTheFocusedRowHasADottedFrame)
{
    TPlayListColors colors;
    TPlayListRow row{QRect(0, 0, 120, 22), QString(), false, false, true};
    const QImage focused = paintRow(row, colors, clBlack);
    EXPECT_TRUE(bgr(focused, 0, 0) == colors.text || bgr(focused, 1, 0) == colors.text);
    EXPECT_EQ(bgr(focused, 60, 10), clBlack);
    row.focused = false;
    const QImage plain = paintRow(row, colors, clBlack);
    EXPECT_FALSE(hasColour(plain, colors.text));
}

TEST(PlayListRow, TheTextStartsFourPixelsInAndCentredOnTheDigitHeight)
{
    const QFont font = skinFont(QStringLiteral("MS Sans Serif"), -13);
    const int digit = QFontMetrics(font).boundingRect(u'0').height();
    EXPECT_EQ(PlayListRowPainter::TextOrigin(QRect(10, 44, 100, 22), font),
              QPoint(14, 44 + (22 - digit) / 2));
}

QImage colourTable(int height)
{
    QImage image(20, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < 20; ++x)
            image.setPixel(x, y, qRgb(x, y, 100 + x));
    return image;
}

TEST(PlayListColors, ComeFromRowOneAndRowThreeOnlyWhenTheTableHasIt)
{
    const TPlayListColors defaults;
    const TPlayListColors none = TPlayListColors::FromTable(std::nullopt);
    EXPECT_EQ(none.text, defaults.text);
    EXPECT_EQ(none.focusedTop, defaults.focusedTop);

    const auto cell
        = [](int x, int y) { return static_cast<TColor>(x | y << 8 | (100 + x) << 16); };
    const TPlayListColors three
        = TPlayListColors::FromTable(TColorTable::FromImage(colourTable(3)));
    EXPECT_EQ(three.text, cell(14, 1));
    EXPECT_EQ(three.textOutline, cell(15, 1));
    EXPECT_EQ(three.currentText, cell(16, 1));
    EXPECT_EQ(three.currentOutline, cell(17, 1));
    EXPECT_EQ(three.frame, cell(18, 1));
    EXPECT_EQ(three.floatingBackground, cell(19, 0));
    EXPECT_EQ(three.focusedTop, defaults.focusedTop);
    EXPECT_EQ(three.unfocusedBottom, defaults.unfocusedBottom);

    const TPlayListColors four = TPlayListColors::FromTable(TColorTable::FromImage(colourTable(4)));
    EXPECT_EQ(four.focusedTop, cell(16, 3));
    EXPECT_EQ(four.focusedBottom, cell(17, 3));
    EXPECT_EQ(four.unfocusedTop, cell(18, 3));
    EXPECT_EQ(four.unfocusedBottom, cell(19, 3));
}

} // namespace
