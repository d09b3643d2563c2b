// Opening files: status texts, bad input, resume positions.
#include "commands/commandcodes.h"
#include "lang/tlang.h"
#include "playerfixture.h"
#include "ttavrelplayer.h"

#include <QFile>

namespace {

TEST_F(PlayerTest, UnplayableFilesLeaveThePlayerIdleWithTheirText)
{
    Start();
    const QString copy = dir.filePath(QStringLiteral(u"имя с \"кавычками\" и пробелами.mp4"));
    ASSERT_TRUE(QFile::copy(Media("not-a-film.mp4"), copy));
    for (const QString &file : {Media("not-a-film.mp4"), Media("empty.mp4"), copy}) {
        player->OpenFile(file);
        EXPECT_EQ(Send(Cmd::QueryState), 0) << file.toStdString();
        EXPECT_EQ(player->MainWindow()->LastStatusText(), player->Lang().GetLine(105));
        EXPECT_EQ(player->MainWindow()->LastStatusTenths(), 50);
        EXPECT_FALSE(player->Media().MediaOpen);
    }
    // Names that are no file open nothing and say nothing.
    player->MainWindow()->ShowStatusText(QStringLiteral("before"), 10, 1);
    player->OpenFile(dir.filePath(QStringLiteral("missing.mp4")));
    player->OpenFile(dir.path());
    player->OpenFile(QString());
    EXPECT_EQ(player->MainWindow()->LastStatusText(), QStringLiteral("before"));
    EXPECT_EQ(Send(Cmd::QueryState), 0);
}

TEST_F(PlayerTest, TruncatedFileEndsIdleNotStuck)
{
    Start({Media("truncated.mp4")});
    Pump(500);
    EXPECT_TRUE(WaitFor([this] { return Send(Cmd::QueryState) == 0; }));
}

TEST_F(PlayerTest, AFileWithoutPictureEndsQuietly)
{
    Start({Media("audio-only.m4a")});
    Pump(200);
    EXPECT_EQ(Send(Cmd::QueryState), 0);
    EXPECT_NE(player->MainWindow()->LastStatusText(), player->Lang().GetLine(105));
}

class ResumeTest : public PlayerTest
{
protected:
    void StartWithThresholds(int lenFilm)
    {
        Preset(QStringLiteral("SavePos.Enabled"), 1);
        Preset(QStringLiteral("SavePos.LenFilm"), lenFilm);
        Preset(QStringLiteral("SavePos.LenStart"), 0);
        Preset(QStringLiteral("SavePos.LenEnd"), 0);
        Start();
    }

    void PlayAndCloseAt(int seconds)
    {
        player->OpenFile(Media("long-120s.mp4"));
        ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryState) == 2; }));
        Send(Cmd::SeekTo, seconds);
        ASSERT_TRUE(WaitFor([&] { return Send(Cmd::QueryPosition) >= seconds; }));
        Send(Cmd::Close);
    }

    int StoredPositions()
    {
        return Stored().childGroups().contains(QStringLiteral("files")) ? 1 : 0;
    }
};

TEST_F(ResumeTest, PositionIsKeptUsedOnceAndThenGone)
{
    StartWithThresholds(1);
    PlayAndCloseAt(40);
    ASSERT_EQ(StoredPositions(), 1);

    player->OpenFile(Media("long-120s.mp4"));
    ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryPosition) >= 40; }));
    EXPECT_LE(Send(Cmd::QueryPosition), 42);
    EXPECT_EQ(player->MainWindow()->LastStatusText(), player->Lang().GetLine(108));
    Send(Cmd::Close);
    Stored().remove(QStringLiteral("files"));

    // Closed at the very start: nothing is kept, the third opening starts at 0.
    player->OpenFile(Media("long-120s.mp4"));
    ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryState) == 2; }));
    EXPECT_LE(Send(Cmd::QueryPosition), 1);
}

TEST_F(ResumeTest, TooShortAFilmKeepsNothing)
{
    StartWithThresholds(3);
    PlayAndCloseAt(40);
    EXPECT_EQ(StoredPositions(), 0);
}

TEST_F(ResumeTest, NonNumericStoredValueIsIgnored)
{
    StartWithThresholds(1);
    PlayAndCloseAt(40);
    Stored().beginGroup(QStringLiteral("files"));
    const QStringList keys = Stored().childKeys();
    ASSERT_EQ(keys.size(), 1);
    Stored().setValue(keys.first(), QStringLiteral("not a number"));
    Stored().endGroup();
    Stored().sync();

    player->OpenFile(Media("long-120s.mp4"));
    ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryState) == 2; }));
    EXPECT_LE(Send(Cmd::QueryPosition), 1);
}

} // namespace
