#include "../controlstestapp.h"
#include "torimage.h"
#include "tvpanel.h"

#include <QEnterEvent>
#include <QTest>
#include <set>

namespace {

QImage filled(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

void enter(QWidget *widget)
{
    QEnterEvent event(QPointF(2, 2), QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(widget, &event);
}

void leave(QWidget *widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}

} // namespace

TEST(TOrImage, PublishesItsDefaults)
{
    TOrImage image;
    EXPECT_EQ(image.size(), QSize(105, 105));
    EXPECT_EQ(image.property("PicLightness").toInt(), 0);
    EXPECT_EQ(image.property("PicAntiAlias").toInt(), 0);
    EXPECT_FALSE(image.property("PicGrayScale").toBool());
    EXPECT_FALSE(image.property("Stretch").toBool());
    EXPECT_FALSE(image.property("Center").toBool());
    EXPECT_FALSE(image.property("Transparent").toBool());
}

TEST(TOrImage, LightnessIsLimitedAboveAndDarkensBelowZero)
{
    TOrImage image;
    QImage source = filled({4, 4}, qRgb(30, 140, 250));
    source.setPixel(0, 0, qRgb(0, 0, 0));
    image.setPictureOriginal(source);
    image.setPicLightness(300);
    EXPECT_EQ(image.picLightness(), 255);
    EXPECT_EQ(image.displayPicture().pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(image.displayPicture().pixel(3, 3), qRgb(255, 255, 255));
    image.setPicLightness(-255);
    EXPECT_EQ(image.displayPicture().pixel(3, 3), qRgb(0, 0, 0));
    image.setPicLightness(0);
    EXPECT_EQ(image.displayPicture().pixel(3, 3), qRgb(30, 140, 250));
    EXPECT_EQ(image.pictureOriginal().pixel(3, 3), qRgb(30, 140, 250));
}

TEST(TOrImage, GreyScaleOfGreen)
{
    TOrImage image;
    image.setPictureOriginal(filled({3, 3}, qRgb(0, 255, 0)));
    image.setPicGrayScale(true);
    EXPECT_EQ(image.displayPicture().pixel(1, 1), qRgb(150, 150, 150));
}

TEST(TOrImage, SmoothingIsLimitedAndKeepsMagentaSharp)
{
    TOrImage image;
    QImage source = filled({5, 5}, qRgb(255, 0, 255));
    source.setPixel(2, 2, qRgb(200, 200, 200));
    source.setPixel(1, 2, qRgb(0, 0, 0));
    image.setPictureOriginal(source);
    image.setPicAntiAlias(60);
    EXPECT_EQ(image.picAntiAlias(), 50);
    image.setPicAntiAlias(1);
    // (1, 2): neighbours magenta, magenta, magenta-left, grey-right; (2, 2) then sees it.
    const QImage shown = image.displayPicture();
    EXPECT_EQ(shown.pixel(1, 2), qRgb((255 * 3 + 200) / 4, 0 + 200 / 4, (255 * 3 + 200) / 4));
    EXPECT_EQ(shown.pixel(1, 1), qRgb(255, 0, 255));
    EXPECT_NE(shown.pixel(2, 2), qRgb(200, 200, 200));
    image.setPicAntiAlias(0);
    EXPECT_EQ(image.displayPicture().pixel(2, 2), qRgb(200, 200, 200));
}

TEST(TOrImage, TinyPicturesAreNotSmoothed)
{
    TOrImage image;
    QImage source = filled({2, 2}, qRgb(10, 20, 30));
    source.setPixel(1, 1, qRgb(250, 0, 0));
    image.setPictureOriginal(source);
    image.setPicAntiAlias(5);
    EXPECT_EQ(image.displayPicture(), source.convertToFormat(QImage::Format_RGB888));
}

TEST(TOrImage, TransparentLeavesTheBottomLeftColourUndrawn)
{
    TVPanel host;
    host.resize(40, 40);
    host.setColor(0x0000FF); // red
    auto *image = new TOrImage(&host);
    image->resize(40, 40);
    QImage source = filled({8, 8}, qRgb(0, 0, 255));
    source.setPixel(3, 3, qRgb(0, 255, 0));
    image->setPictureOriginal(source);
    image->setCenter(true);
    image->setTransparent(true);
    const QImage shot = host.grab().toImage();
    // Centred at ((40 - 8) / 2, (40 - 8) / 2) = (16, 16); blue is the see-through colour.
    EXPECT_EQ(shot.pixel(16 + 3, 16 + 3), qRgb(0, 255, 0));
    EXPECT_EQ(shot.pixel(16, 16), qRgb(255, 0, 0));
    image->setTransparent(false);
    EXPECT_EQ(host.grab().toImage().pixel(16, 16), qRgb(0, 0, 255));
    image->setStretch(true);
    const QImage stretched = host.grab().toImage();
    EXPECT_EQ(stretched.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(stretched.pixel(3 * 5 + 2, 3 * 5 + 2), qRgb(0, 255, 0));
}

TEST(TOrImage, AutoSizeTakesThePictureSize)
{
    TOrImage image;
    image.setAutoSize(true);
    image.setPictureOriginal(filled({32, 20}, qRgb(1, 2, 3)));
    EXPECT_EQ(image.size(), QSize(32, 20));
}

TEST(TOrImage, HoverBrightensToEightyAndFadesInStepsOfFive)
{
    TOrImage image;
    image.setPictureOriginal(filled({4, 4}, qRgb(0, 0, 0)));
    int entered = 0;
    int exited = 0;
    image.OnMouseEnter = [&](QWidget *) { ++entered; };
    image.OnMouseExit = [&](QWidget *) { ++exited; };
    enter(&image);
    EXPECT_TRUE(image.MouseOver());
    EXPECT_EQ(entered, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !image.hoverRunning(); }, 2000));
    EXPECT_EQ(image.picLightness(), 80);
    EXPECT_EQ(image.displayPicture().pixel(0, 0), qRgb(80, 80, 80));

    leave(&image);
    EXPECT_FALSE(image.MouseOver());
    EXPECT_EQ(exited, 1);
    std::set<int> seen;
    int last = 80;
    while (image.hoverRunning()) {
        QTest::qWait(5);
        const int now = image.picLightness();
        EXPECT_LE(now, last);
        EXPECT_EQ(now % 5, 0);
        seen.insert(now);
        last = now;
    }
    EXPECT_EQ(image.picLightness(), 0);
    EXPECT_GE(seen.size(), 5u); // many of 75, 70, ... 0 were observed one by one
}
