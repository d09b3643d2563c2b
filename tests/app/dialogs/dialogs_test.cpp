// The three windows over a playing medium: the commands that open them, what
// they change in the running graph and what they store.
#include "../player/playerfixture.h"
#include "commands/commandcodes.h"
#include "media/filtergraph.h"
#include "tfmcolor.h"
#include "tfminfo.h"
#include "tfmsoundcustom.h"
#include "ttavrelplayer.h"
#include "ttimeline.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTreeWidget>

namespace {

template<class Form>
Form *Shown(const char *name)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name) && widget->isVisible())
            return qobject_cast<Form *>(widget);
    }
    return nullptr;
}

void Press(QWidget *target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

TEST_F(PlayerTest, AudioTrackWindowStepsWithinThreeStreamsAndTheChosenOnePlays)
{
    Start({Media("three-audio.mp4")});
    ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryState) == 2; }));
    ASSERT_EQ(Send(Cmd::QueryAudioStreams), 3);
    EXPECT_EQ(player->Graph()->CurrentAudioStream(), 1);
    Send(Cmd::AudioTracks);
    auto *form = Shown<TfmSoundCustom>("fmSoundCustom");
    ASSERT_NE(form, nullptr);
    for (int i = 0; i < 5; ++i)
        Press(form, Qt::Key_Right);
    EXPECT_EQ(form->Track(), 3);
    EXPECT_EQ(form->Caption(), player->Lang().GetLine(129) + QStringLiteral(" - 3"));
    Press(form, Qt::Key_Return);
    EXPECT_FALSE(form->isVisible());
    // The file was opened again with its third stream, and plays it.
    ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryState) == 2; }));
    EXPECT_EQ(player->Graph()->CurrentAudioStream(), 3);
    EXPECT_EQ(Send(Cmd::QueryAudioStreams), 3);
}

TEST_F(PlayerTest, AudioTrackWindowOnADvdNamesTheLanguageAndTheNavigatorSwitches)
{
    Start();
    player->OpenFile(Media("dvd") + QStringLiteral("/"));
    ASSERT_EQ(Send(Cmd::QueryDvdMode), 1);
    ASSERT_TRUE(WaitFor([this] { return player->Graph()->DvdHasButtons(); }));
    Send(Cmd::Navigate, 0); // title 1: English, then Russian sound
    ASSERT_TRUE(WaitFor([this] { return player->Graph()->DvdAudioStreamCount() == 2; }));
    ASSERT_EQ(player->Graph()->DvdCurrentAudioStream(), 0);
    Send(Cmd::AudioTracks);
    auto *form = Shown<TfmSoundCustom>("fmSoundCustom");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Caption(), QStringLiteral("1-English "));
    Press(form, Qt::Key_Right);
    Press(form, Qt::Key_Right);
    EXPECT_EQ(form->Caption(), QStringLiteral("2-Russian "));
    Press(form, Qt::Key_Return);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(WaitFor([this] { return player->Graph()->DvdCurrentAudioStream() == 1; }));
}

TEST_F(PlayerTest, AudioTrackWindowNeedsAMedium)
{
    Start();
    Send(Cmd::AudioTracks);
    EXPECT_EQ(Shown<TfmSoundCustom>("fmSoundCustom"), nullptr);
}

TEST_F(PlayerTest, PictureWindowUsesTheBalanceStageAndStoresItsValues)
{
    Start({Media("grey-two-audio.mkv")});
    ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryState) == 2; }));
    Send(Cmd::PictureAdjust);
    auto *form = Shown<TfmColor>("fmColor");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Mode(), PictureBalance::TMode::Decoder);
    EXPECT_EQ(form->lBrightness->progress(), 127);
    Press(form, Qt::Key_Right);
    Press(form, Qt::Key_Right);
    Press(form, Qt::Key_Up); // saturation
    Press(form, Qt::Key_Left);
    EXPECT_EQ(Stored().value(QStringLiteral("Balance/Brightness")).toInt(), 4);
    EXPECT_EQ(Stored().value(QStringLiteral("Balance/Saturation")).toInt(), -2);
    Press(form, Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());

    // The next opening applies the stored values; the window shows them.
    player->OpenFile(Media("grey-two-audio.mkv"));
    Send(Cmd::PictureAdjust);
    ASSERT_EQ(Shown<TfmColor>("fmColor"), form);
    EXPECT_EQ(form->lBrightness->progress(), 131);
    EXPECT_EQ(form->lSaturation->progress(), 125);
    Press(form, Qt::Key_Home);
    EXPECT_EQ(Stored().value(QStringLiteral("Balance/Brightness")).toInt(), 0);
    EXPECT_EQ(Stored().value(QStringLiteral("Balance/Saturation")).toInt(), 0);
    Press(form, Qt::Key_V);
}

TEST_F(PlayerTest, PictureCommandDoesNothingWithoutAMedium)
{
    Start();
    Send(Cmd::PictureAdjust);
    EXPECT_EQ(Shown<TfmColor>("fmColor"), nullptr);
}

TEST_F(PlayerTest, InfoWindowReportsTheFileAndItsGraph)
{
    Start({Media("grey-two-audio.mkv")});
    ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryState) == 2; }));
    Send(Cmd::MediaInfo);
    auto *form = Shown<TfmInfo>("fmInfo");
    ASSERT_NE(form, nullptr);
    const QString text = form->fInfo->toPlainText();
    EXPECT_TRUE(text.startsWith(player->Lang().GetLine(122) + QStringLiteral(": ")
                                + Media("grey-two-audio.mkv")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("\nFrame Mode: ")));
    EXPECT_TRUE(text.contains(QStringLiteral(", 6 Канала, ")));
    EXPECT_GT(form->TreeView1->topLevelItemCount(), 5);
    Press(form, Qt::Key_I);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(Stored().contains(QStringLiteral("UnInfoRestSize")));
}

} // namespace
