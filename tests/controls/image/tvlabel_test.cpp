#include "../controlstestapp.h"
#include "tvlabel.h"

#include <QFontMetrics>

TEST(TVLabel, CaptionSizesTheLabelOnlyWhenTheTextChanges)
{
    TVLabel label;
    EXPECT_TRUE(label.antiAlias());
    EXPECT_FALSE(label.flat());
    label.resize(10, 24);
    label.setCaption(QStringLiteral("0:00:00"));
    const int expected
        = QFontMetrics(label.font()).horizontalAdvance(QStringLiteral("0:00:00")) + 2;
    EXPECT_EQ(label.width(), expected);
    EXPECT_EQ(label.height(), 24);
    label.resize(90, 24);
    label.setCaption(QStringLiteral("0:00:00"));
    EXPECT_EQ(label.width(), 90);
    label.setCaption(QStringLiteral("1:00:00"));
    EXPECT_EQ(label.width(), expected);
}

TEST(TVLabel, PaintsItsPicture)
{
    TVLabel label;
    label.resize(60, 20);
    label.setColor(0x000000);
    label.setFontColor(0x00FFFF);
    label.setColorShare(0x0000FF);
    label.setCaption(QStringLiteral("OK"));
    label.setAntiAlias(false);
    const QImage shot = label.grab().toImage();
    EXPECT_EQ(shot.convertToFormat(QImage::Format_RGB32),
              label.picture().convertToFormat(QImage::Format_RGB32));
    int yellow = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            yellow += bgrAt(shot, x, y) == 0x00FFFF;
    EXPECT_GT(yellow, 10);
}
