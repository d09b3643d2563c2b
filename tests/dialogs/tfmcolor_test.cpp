#include "recordinghost.h"
#include "tfmcolor.h"
#include "ttimeline.h"
#include "tvlabel.h"

using PictureBalance::TMode;
using Sent = TRecordingHost::Sent;

namespace {

TEST(PictureWindow, UpAndDownWrapTheSelection)
{
    TRecordingHost host;
    TfmColor form(host);
    form.Open(TMode::Decoder);
    EXPECT_EQ(form.Selected(), 1);
    EXPECT_TRUE(form.lBrightness->select());
    PressKey(&form, Qt::Key_Up);
    EXPECT_EQ(form.Selected(), 3);
    EXPECT_TRUE(form.lSaturation->select());
    EXPECT_FALSE(form.lBrightness->select());
    PressKey(&form, Qt::Key_Down);
    EXPECT_EQ(form.Selected(), 1);
    PressKey(&form, Qt::Key_Down);
    EXPECT_EQ(form.Selected(), 2);
    EXPECT_TRUE(host.sent.empty()) << "moving the selection sends nothing";
}

TEST(PictureWindow, HardwareHomeSendsAndStoresTheDefaults)
{
    TRecordingHost host;
    host.values[{1, 1}] = 4000;
    host.values[{1, 2}] = 300;
    host.values[{1, 3}] = 20000;
    TfmColor form(host);
    form.Open(TMode::Hardware);
    EXPECT_TRUE(host.sent.empty()) << "showing the current values sends nothing";
    EXPECT_EQ(form.lBrightness->maxValue(), 10000);
    EXPECT_EQ(form.lContrast->maxValue(), 20000);
    EXPECT_EQ(form.lBrightness->progress(), 4000);
    EXPECT_EQ(form.lBrightness->step(), 100);
    EXPECT_EQ(form.lContrast->step(), 200);
    PressKey(&form, Qt::Key_Home);
    const std::vector<Sent> expected = {{1, 1, 750}, {1, 2, 10000}, {1, 3, 10000}};
    EXPECT_EQ(host.sent, expected);
    EXPECT_EQ(form.lSaturation->progress(), 10000);
}

TEST(PictureWindow, DecoderSlidersSendAroundTheCentre)
{
    TRecordingHost host;
    host.values[{2, 1}] = 10;
    TfmColor form(host);
    form.Open(TMode::Decoder);
    EXPECT_EQ(form.lBrightness->maxValue(), 255);
    EXPECT_EQ(form.lBrightness->progress(), 137);
    EXPECT_EQ(form.lContrast->progress(), 127);
    EXPECT_EQ(form.lBrightness->step(), 2);
    PressKey(&form, Qt::Key_Right);
    PressKey(&form, Qt::Key_Down);
    PressKey(&form, Qt::Key_Left);
    form.lSaturation->setProgress(0);
    const std::vector<Sent> expected = {{2, 1, 12}, {2, 2, -2}, {2, 3, -127}};
    EXPECT_EQ(host.sent, expected);
}

TEST(PictureWindow, EscapeEnterAndVClose)
{
    for (const int key : {int(Qt::Key_Escape), int(Qt::Key_Return), int(Qt::Key_V)}) {
        TRecordingHost host;
        TfmColor form(host);
        form.Open(TMode::Decoder);
        ASSERT_TRUE(form.isVisible());
        PressKey(&form, key);
        EXPECT_FALSE(form.isVisible()) << key;
    }
}

TEST(PictureWindow, WidthFollowsANarrowVideoPanelAndCentresOverIt)
{
    TRecordingHost host;
    TfmColor form(host);
    form.Open(TMode::Decoder);
    EXPECT_EQ(form.width(), 392);
    host.panel.resize(300, 200);
    form.hide();
    form.Open(TMode::Decoder);
    EXPECT_EQ(form.width(), 300);
    const QPoint panel = host.panel.mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(form.pos(), panel + QPoint(0, (200 - 224) / 2));
    // The sliders keep inside the narrower window.
    EXPECT_LE(form.lSaturation->geometry().right(), 300);
}

TEST(PictureWindow, TakesItsColoursFromTheThemeRow)
{
    TRecordingHost host;
    host.colours.frame = 0x0000FF;
    host.colours.fore = 0x111111;
    host.colours.back = 0x222222;
    host.colours.selectFore = 0x333333;
    host.colours.selectBack = 0x444444;
    host.colours.font = 0x555555;
    host.colours.share = 0x666666;
    TfmColor form(host);
    form.Open(TMode::Decoder);
    EXPECT_EQ(form.FrameColour(), QColor(255, 0, 0));
    EXPECT_EQ(form.lContrast->foreColor(), 0x111111u);
    EXPECT_EQ(form.lContrast->backColor(), 0x222222u);
    EXPECT_EQ(form.lContrast->selectForeColor(), 0x333333u);
    EXPECT_EQ(form.lContrast->selectBackColor(), 0x444444u);
    EXPECT_EQ(form.vDefault->fontColor(), 0x555555u);
    EXPECT_EQ(form.vDefault->colorShare(), 0x666666u);
    EXPECT_EQ(form.vDefault->caption(), QStringLiteral("><"));
    // The frame is drawn in its colour at the middle of the top edge.
    const QImage painted = form.grab().toImage();
    EXPECT_EQ(QColor(painted.pixel(form.width() / 2, 0)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(painted.pixel(form.width() / 2, 10)), QColor(1, 2, 3));
}

TEST(PictureWindow, DefaultLabelAndCloseBoxAct)
{
    TRecordingHost host;
    host.values[{2, 2}] = 50;
    TfmColor form(host);
    form.Open(TMode::Decoder);
    form.vDefault->OnClick(form.vDefault);
    EXPECT_EQ(form.lContrast->progress(), 127);
    EXPECT_EQ(host.values[std::make_pair(2, 2)], 0);
}

} // namespace
