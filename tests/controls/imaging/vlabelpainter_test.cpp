#include "../controlstestapp.h"
#include "skinfonts.h"
#include "vlabelpainter.h"

#include <QPainter>

namespace {

constexpr TColor Background = 0x102030;
constexpr TColor Halo = 0x0000FF;
constexpr TColor Text = 0x00FFFF;

TVLabelLook sampleLook()
{
    TVLabelLook look;
    look.size = QSize(60, 24);
    look.font = skinFont(QStringLiteral("Arial"), -17, true);
    look.caption = QStringLiteral("0:42 Ж");
    look.color = Background;
    look.colorShare = Halo;
    look.fontColor = Text;
    look.antiAlias = false;
    return look;
}

// Where the glyphs of the caption fall when drawn with their cell's top-left corner at (dx, dy).
QImage glyphMask(const TVLabelLook &look, int dx, int dy)
{
    QImage mask(look.size, QImage::Format_RGB32);
    mask.fill(Qt::black);
    QPainter painter(&mask);
    QFont font = look.font;
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QPoint(dx, dy + painter.fontMetrics().ascent()), look.caption);
    return mask;
}

bool inked(const QImage &mask, int x, int y)
{
    return mask.rect().contains(x, y) && mask.pixel(x, y) == qRgb(255, 255, 255);
}

} // namespace

TEST(RenderVLabel, DrawsTextOverAHaloAtTheFourOffsets)
{
    const TVLabelLook look = sampleLook();
    const QImage image = renderVLabel(look);
    const QImage glyphs = glyphMask(look, 0, 0);
    int textPixels = 0;
    int haloPixels = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            TColor expected = Background;
            if (inked(glyphs, x - 1, y))
                expected = Text;
            else if (inked(glyphs, x - 2, y) || inked(glyphs, x, y) || inked(glyphs, x - 1, y - 1)
                     || inked(glyphs, x - 1, y + 1))
                expected = Halo;
            textPixels += expected == Text;
            haloPixels += expected == Halo;
            ASSERT_EQ(bgrAt(image, x, y), expected) << x << "," << y;
        }
    EXPECT_GT(textPixels, 20);
    EXPECT_GT(haloPixels, 20);
}

TEST(RenderVLabel, FlatSetsEveryOddPixelToTheBackground)
{
    TVLabelLook look = sampleLook();
    const QImage normal = renderVLabel(look);
    look.flat = true;
    const QImage flat = renderVLabel(look);
    for (int y = 0; y < flat.height(); ++y)
        for (int x = 0; x < flat.width(); ++x)
            ASSERT_EQ(flat.pixel(x, y), (x + y) % 2 ? toRgb(Background) : normal.pixel(x, y))
                << x << "," << y;
}

TEST(RenderVLabel, SmoothingKeepsBackgroundAndSoftensText)
{
    TVLabelLook look = sampleLook();
    const QImage sharp = renderVLabel(look);
    look.antiAlias = true;
    const QImage smooth = renderVLabel(look);
    int softened = 0;
    for (int y = 0; y < smooth.height(); ++y)
        for (int x = 0; x < smooth.width(); ++x) {
            if (bgrAt(sharp, x, y) == Background)
                ASSERT_EQ(bgrAt(smooth, x, y), Background) << x << "," << y;
            else
                softened += smooth.pixel(x, y) != sharp.pixel(x, y);
        }
    EXPECT_GT(softened, 0);
}
