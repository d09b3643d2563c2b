#include "../controlstestapp.h"
#include "skinfonts.h"
#include "vidmenupainter.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

constexpr TColor Back = 0x202020;
constexpr TColor Caption = 0x00FFFF;
constexpr TColor Outline = 0x000080;
constexpr TColor ShortCut = 0xFF8000;

TVidMenuLook sampleLook()
{
    TVidMenuLook look;
    look.color = Back;
    look.fontColor = Caption;
    look.fontColorBorder = Outline;
    look.fontColorChecked = 0xFFFFFF;
    look.fontColorCheckedBorder = 0x0000FF;
    look.gradColor1 = 0x0000FF;
    look.gradColor2 = 0x00A600;
    look.font = skinFont(QStringLiteral("MS Sans Serif"), -13);
    look.fontShortCut = skinFont(QStringLiteral("Times New Roman"), -30);
    look.fontShortCutColor = ShortCut;
    return look;
}

QImage paintRow(const TVidMenuRowState &row, const TVidMenuLook &look, int captionWidth,
                QSize size = QSize(160, 23))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    paintVidMenuRow(painter, size, row, look, captionWidth);
    return image;
}

// Bounds of the pixels of one colour.
QRect extentOf(const QImage &image, TColor colour)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (bgrAt(image, x, y) == colour)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

TEST(VidMenuRow, CaptionAndShortCutDrawInTheirColumns)
{
    const TVidMenuLook look = sampleLook();
    const int captionWidth = 70;
    TVidMenuRowState row;
    row.text = splitMenuCaption(QStringLiteral("Выход|Alt+F4"));
    const QImage image = paintRow(row, look, captionWidth);
    const QRect caption = extentOf(image, Caption);
    const QRect outline = extentOf(image, Outline);
    const QRect shortCut = extentOf(image, ShortCut);
    const int textWidth = QFontMetrics(look.font).horizontalAdvance(QStringLiteral("Выход"));
    ASSERT_FALSE(caption.isEmpty());
    EXPECT_GE(caption.left(), 1);
    EXPECT_LE(caption.right(), 1 + textWidth);
    EXPECT_GE(outline.left(), 0);
    EXPECT_LE(outline.right(), 2 + textWidth);
    ASSERT_FALSE(shortCut.isEmpty());
    EXPECT_GE(shortCut.left(), captionWidth + 5);
    EXPECT_LE(shortCut.left(), captionWidth + 8);
    // The short-cut keeps the caption's size, not its own font's.
    EXPECT_LE(shortCut.height(), 16);
    EXPECT_EQ(bgrAt(image, 150, 0), Back);
}

TEST(VidMenuRow, EverythingAfterTheFirstBarIsShortCutText)
{
    const TVidMenuLook look = sampleLook();
    TVidMenuRowState one;
    one.text = splitMenuCaption(QStringLiteral("A|B|C"));
    TVidMenuRowState plain;
    plain.text = {QStringLiteral("A"), QStringLiteral("B|C")};
    EXPECT_EQ(paintRow(one, look, 20), paintRow(plain, look, 20));
    const QRect shortCut = extentOf(paintRow(one, look, 20), ShortCut);
    QFont font = look.fontShortCut;
    font.setPixelSize(13);
    EXPECT_GE(shortCut.width(), QFontMetrics(font).horizontalAdvance(QStringLiteral("B|C")) - 3);
}

TEST(VidMenuRow, StatesChooseBackgroundAndCaptionColours)
{
    const TVidMenuLook look = sampleLook();
    TVidMenuRowState row;
    row.text = {QStringLiteral("Пауза"), QString()};

    row.hot = true;
    QImage image = paintRow(row, look, 60);
    EXPECT_EQ(bgrAt(image, 150, 0), 0x0000FFu);
    // The bottom row of 23 starts in band 153 of 160.
    EXPECT_EQ(image.pixel(150, 22), qRgb(255 - 255 * 153 / 160, 166 * 153 / 160, 0));

    row.enabled = false;
    image = paintRow(row, look, 60);
    EXPECT_EQ(bgrAt(image, 150, 0), Back);
    EXPECT_FALSE(extentOf(image, clGray).isEmpty());
    EXPECT_TRUE(extentOf(image, Caption).isEmpty());

    row.enabled = true;
    row.hot = false;
    row.checked = true;
    image = paintRow(row, look, 60);
    EXPECT_FALSE(extentOf(image, 0xFFFFFF).isEmpty());
    EXPECT_FALSE(extentOf(image, 0x0000FF).isEmpty());
    EXPECT_TRUE(extentOf(image, Outline).isEmpty());
}

TEST(VidMenuRow, SeparatorIsALineAtThree)
{
    const TVidMenuLook look = sampleLook();
    const QImage image = paintRow(TVidMenuRowState{}, look, 60);
    EXPECT_EQ(extentOf(image, Caption), QRect(0, 3, 160, 1));
}

TEST(VidMenuGradient, RunsFromTopColourTowardBottomColour)
{
    EXPECT_EQ(vidMenuGradientAt(0x0000FF, 0x0000A6, 0, 20, 100), QColor(255, 0, 0));
    // Row 19 of 20 starts in band 95 of 100: 255 + (166 - 255) * 95 / 100.
    EXPECT_EQ(vidMenuGradientAt(0x0000FF, 0x0000A6, 19, 20, 100), QColor(171, 0, 0));
    EXPECT_EQ(vidMenuGradientAt(0x0000FF, 0x0000A6, 10, 20, 100), QColor(211, 0, 0));
    EXPECT_EQ(vidMenuGradientAt(0x00FF00, 0xFF0000, 3, 4, 2), QColor(0, 128, 127));
}

TEST(VidMenuFrame, LeftTabOpensTheFrameUnderIt)
{
    TVidMenuLook look = sampleLook();
    look.colorBorder = 0xFFFF00;
    QImage image(100, 60, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    paintVidMenuFrame(painter, image.size(), look);
    painter.end();
    EXPECT_EQ(bgrAt(image, 0, 0), 0xFFFF00u);   // left tab edge
    EXPECT_EQ(bgrAt(image, 31, 3), 0xFFFF00u);  // right tab edge
    EXPECT_EQ(bgrAt(image, 15, 10), Back);      // frame top is open under the tab
    EXPECT_EQ(bgrAt(image, 60, 10), 0xFFFF00u); // and drawn beyond it
    EXPECT_EQ(bgrAt(image, 99, 35), 0xFFFF00u); // right frame edge
    EXPECT_EQ(bgrAt(image, 50, 59), 0xFFFF00u); // bottom frame edge
    EXPECT_EQ(bgrAt(image, 99, 59), Back);      // rounded corner
    EXPECT_EQ(bgrAt(image, 50, 30), Back);
}
