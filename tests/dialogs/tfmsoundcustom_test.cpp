#include "recordinghost.h"
#include "tfmsoundcustom.h"
#include "tvideodialog.h"
#include "tvlabel.h"

namespace {

TEST(AudioTrackWindow, RightFiveTimesOnThreeStreamsStopsAtThreeAndOkReopens)
{
    TRecordingHost host;
    TfmSoundCustom form(host);
    form.Open();
    ASSERT_TRUE(form.isVisible());
    EXPECT_TRUE(form.isModal());
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(form.Caption(), QStringLiteral("Дорожка - 1"));
    for (int i = 0; i < 5; ++i)
        PressKey(&form, Qt::Key_Right);
    EXPECT_EQ(form.Track(), 3);
    EXPECT_EQ(form.Caption(), QStringLiteral("Дорожка - 3"));
    PressKey(&form, Qt::Key_Left);
    PressKey(&form, Qt::Key_Left);
    PressKey(&form, Qt::Key_Left);
    EXPECT_EQ(form.Track(), 1);
    PressKey(&form, Qt::Key_Right);
    PressKey(&form, Qt::Key_Return);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(host.reopened, std::vector<int>{2});
    EXPECT_EQ(host.plays, 0);
}

TEST(AudioTrackWindow, ShowsOverTheVideoLiftedAndInTheKeyColour)
{
    TRecordingHost host;
    TfmSoundCustom form(host);
    form.Open();
    EXPECT_EQ(form.size(), TfmSoundCustom::kClientSize);
    const QPoint panel = host.panel.mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(form.pos(), panel + QPoint((640 - 250) / 2, (480 - 144) / 2 - 20));
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(1, 2, 3));
    EXPECT_EQ(form.pb1->geometry(), QRect(250 - 29, 0, 29, 25));
}

TEST(AudioTrackWindow, EscapeAndSPlayAndCloseWithoutChanging)
{
    for (const int key : {int(Qt::Key_Escape), int(Qt::Key_S)}) {
        TRecordingHost host;
        TfmSoundCustom form(host);
        form.Open();
        PressKey(&form, Qt::Key_Right);
        PressKey(&form, key);
        EXPECT_FALSE(form.isVisible()) << key;
        EXPECT_EQ(host.plays, 1) << key;
        EXPECT_TRUE(host.reopened.empty()) << key;
    }
}

TEST(AudioTrackWindow, DvdStartsAtTheCurrentStreamWithItsLanguage)
{
    TRecordingHost host;
    host.dvd = true;
    host.streams = 2;
    host.dvdStream = 1;
    host.languages
        = {QStringLiteral("Russian (Russia)"), QStringLiteral("English (United States)")};
    TfmSoundCustom form(host);
    form.Open();
    EXPECT_EQ(form.Caption(), QStringLiteral("2-English "));
    PressKey(&form, Qt::Key_Right);
    EXPECT_EQ(form.Track(), 2);
    PressKey(&form, Qt::Key_Left);
    EXPECT_EQ(form.Caption(), QStringLiteral("1-Russian "));
    form.OkClick();
    EXPECT_EQ(host.selectedDvdStreams, std::vector<int>{0});
    EXPECT_TRUE(host.reopened.empty());
}

TEST(AudioTrackWindow, NothingShowsWithoutMediaOrSound)
{
    TRecordingHost host;
    host.mediaActive = false;
    TfmSoundCustom form(host);
    form.Open();
    EXPECT_FALSE(form.isVisible());
    host.mediaActive = true;
    host.streams = 0;
    form.Open();
    EXPECT_FALSE(form.isVisible());
}

TEST(AudioTrackWindow, StepsDoNothingOnceTheMediumIsGone)
{
    TRecordingHost host;
    TfmSoundCustom form(host);
    form.Open();
    host.mediaActive = false;
    form.NextClick();
    EXPECT_EQ(form.Track(), 1);
}

TEST(AudioTrackWindow, ButtonsRiseUnderTheMouse)
{
    TRecordingHost host;
    TfmSoundCustom form(host);
    form.Open();
    EXPECT_TRUE(form.VLabel3->flat());
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(form.VLabel3, &enter);
    EXPECT_FALSE(form.VLabel3->flat());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(form.VLabel3, &leave);
    EXPECT_TRUE(form.VLabel3->flat());
}

} // namespace
