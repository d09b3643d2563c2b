#include "../player/playerfixture.h"
#include "commands/commandcodes.h"
#include "media/filtergraph.h"
#include "media/videowindow.h"
#include "tmediastate.h"
#include "ttavrelplayer.h"

#include <QDir>

namespace {

// The authored disc: a root menu with buttons for titles 1 and 2, each title
// eight seconds long with a second chapter at 4 s; title 1 has English then
// Russian sound.
class DvdPlayerTest : public PlayerTest
{
protected:
    void OpenDisc(const QString &name)
    {
        player->OpenFile(name);
        ASSERT_EQ(Send(Cmd::QueryDvdMode), 1);
        ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryDvdMenu) == 1; }));
    }

    void PlayFirstButton()
    {
        ASSERT_TRUE(WaitFor([this] { return player->Graph()->DvdHasButtons(); }));
        Send(Cmd::Navigate, 0);
        ASSERT_TRUE(WaitFor([this] { return player->Graph()->DvdCurrentTitle() == 1; }));
    }

    int Title() const { return player->Graph()->DvdCurrentTitle(); }
    int Chapter() const { return player->Graph()->DvdCurrentChapter(); }
};

class DvdOpenForms : public DvdPlayerTest, public ::testing::WithParamInterface<const char *>
{
};

TEST_P(DvdOpenForms, TheFolderOrItsIfoOpensInTheMenu)
{
    Start();
    OpenDisc(Media("dvd") + QString::fromLatin1(GetParam()));
    EXPECT_EQ(player->Media().Info.CurrentTitle, player->Lang().GetLine(118));
    EXPECT_TRUE(player->Media().Info.CurrentName.endsWith("VIDEO_TS.IFO"));
    EXPECT_EQ(Send(Cmd::QueryDuration), 0);
    // The navigator reads a folder, not a drive letter.
    EXPECT_EQ(Send(Cmd::QueryDrive), 0);
}

INSTANTIATE_TEST_SUITE_P(Forms, DvdOpenForms,
                         ::testing::Values("/", "/VIDEO_TS/VIDEO_TS.IFO",
                                           "/VIDEO_TS/VTS_01_0.IFO"));

TEST_F(DvdPlayerTest, ButtonsChaptersTitlesMenusAndClosing)
{
    Start();
    OpenDisc(Media("dvd") + "/");
    PlayFirstButton();
    EXPECT_EQ(Send(Cmd::QueryDvdMenu), 0);
    EXPECT_EQ(Send(Cmd::QueryDuration), 8);
    EXPECT_EQ(Chapter(), 1);

    Send(Cmd::Next);
    ASSERT_TRUE(WaitFor([this] { return Chapter() == 2; }));
    EXPECT_GE(Send(Cmd::QueryPosition), 4);
    Send(Cmd::Next); // last chapter: on to the next title
    ASSERT_TRUE(WaitFor([this] { return Title() == 2; }));

    Send(Cmd::PreviousTitle);
    ASSERT_TRUE(WaitFor([this] { return Title() == 1; }));
    Send(Cmd::NextTitle);
    ASSERT_TRUE(WaitFor([this] { return Title() == 2; }));
    Send(Cmd::Previous); // chapter 1: back to the previous title
    ASSERT_TRUE(WaitFor([this] { return Title() == 1; }));

    Send(Cmd::SeekTo, 6);
    ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryPosition) >= 6; }));
    EXPECT_LE(Send(Cmd::QueryPosition), 8);
    Send(Cmd::SeekBack, 5000);
    ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryPosition) <= 3; }));

    Send(Cmd::DvdMenu, 3);
    ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryDvdMenu) == 1; }));
    // Next and previous do nothing while a menu shows.
    Send(Cmd::Next);
    Send(Cmd::Previous);
    Pump(300);
    EXPECT_EQ(Title(), 0);

    Send(Cmd::Close);
    EXPECT_EQ(Send(Cmd::QueryDvdMode), 0);
    EXPECT_EQ(Send(Cmd::QueryDvdMenu), 0);
    EXPECT_EQ(Send(Cmd::QueryPosition), -1);
}

TEST_F(DvdPlayerTest, ThePlaylistKeyOfADiscCallsItsMenuAndResumesFromIt)
{
    Start();
    Send(Cmd::PlaylistOrDvdMenu);
    ASSERT_EQ(Send(Cmd::QueryPlaylistVisible), 1);
    OpenDisc(Media("dvd") + "/");
    // A disc takes the whole picture: the list is put away and 34 no longer brings it back.
    EXPECT_EQ(Send(Cmd::QueryPlaylistVisible), 0);
    PlayFirstButton();
    ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryPosition) >= 1; }));

    Send(Cmd::PlaylistOrDvdMenu);
    ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryDvdMenu) == 1; }));
    EXPECT_EQ(Send(Cmd::QueryPlaylistVisible), 0);
    Send(Cmd::PlaylistOrDvdMenu);
    EXPECT_TRUE(WaitFor([this] { return Send(Cmd::QueryDvdMenu) == 0 && Title() == 1; }));
}

struct LanguageCase
{
    int langDvdTitle;
    int expectedStream;
};

class DvdLanguageTest : public DvdPlayerTest, public ::testing::WithParamInterface<LanguageCase>
{
};

TEST_P(DvdLanguageTest, TheTitlesAudioFollowsThePreferredLanguage)
{
    Preset(QStringLiteral("LangDVDTitle"), GetParam().langDvdTitle);
    Start();
    OpenDisc(Media("dvd") + "/");
    PlayFirstButton();
    ASSERT_TRUE(WaitFor([this] { return player->Graph()->DvdAudioStreamCount() == 2; }));
    EXPECT_TRUE(WaitFor(
        [this] { return player->Graph()->DvdCurrentAudioStream() == GetParam().expectedStream; }));
    Pump(200);
    EXPECT_EQ(player->Graph()->DvdCurrentAudioStream(), GetParam().expectedStream);
}

INSTANTIATE_TEST_SUITE_P(Languages, DvdLanguageTest,
                         ::testing::Values(LanguageCase{1049, 1},   // Russian: the second stream
                                           LanguageCase{1033, 0},   // English: the first
                                           LanguageCase{0, 0},      // the disc's own choice
                                           LanguageCase{1031, 0})); // German: none matches

TEST_F(DvdPlayerTest, SkippingTheIntroductionKeepsAnOrdinaryStartWhenALengthIsUnknown)
{
    // The navigator's title table of this disc gives no length for title 1,
    // so the disc starts in its menu as usual.
    Preset(QStringLiteral("NoReklama"), 1);
    Start();
    QList<int> titles;
    QObject::connect(player->Graph(), &TFilterGraph::OnDVDTitleChange,
                     [&](int title) { titles.append(title); });
    player->OpenFile(Media("dvd") + "/");
    ASSERT_EQ(player->Graph()->DvdTitleSecondsOf(1), -1);
    ASSERT_EQ(player->Graph()->DvdTitleSecondsOf(2), 8);
    ASSERT_TRUE(WaitFor([this] { return player->Graph()->DvdHasButtons(); }));
    Pump(300);
    EXPECT_EQ(Title(), 0);
    EXPECT_TRUE(titles.isEmpty());
}

TEST_F(DvdPlayerTest, AClickOnAButtonOfTheVideoWindowPlaysItsTitle)
{
    Start();
    OpenDisc(Media("dvd") + "/");
    ASSERT_TRUE(WaitFor([this] { return player->Graph()->DvdHasButtons(); }));
    TVideoWindow *window = player->MainWindow()->VideoWin;
    ASSERT_TRUE(WaitFor([window] { return !window->CurrentFrame().isNull(); }));
    // The second button covers (80, 300)-(360, 370) of the 720 x 576 picture.
    const QPoint onSecond(window->width() * 200 / 720, window->height() * 335 / 576);
    EXPECT_TRUE(player->Graph()->DvdSelectAt(onSecond));
    EXPECT_TRUE(player->Graph()->DvdActivateAt(onSecond));
    EXPECT_TRUE(WaitFor([this] { return Title() == 2; }));
}

TEST_F(DvdPlayerTest, OpeningAFileLeavesDvdMode)
{
    Start();
    OpenDisc(Media("dvd") + "/");
    player->OpenFile(Media("short.mp4"));
    EXPECT_EQ(Send(Cmd::QueryDvdMode), 0);
    EXPECT_EQ(Send(Cmd::QueryDvdMenu), 0);
}

} // namespace
