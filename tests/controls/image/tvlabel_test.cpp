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
