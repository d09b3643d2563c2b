// Network streams and subtitles through the whole player.
#include "commands/commandcodes.h"
#include "lang/tlang.h"
#include "menus/taction.h"
#include "playerfixture.h"
#include "playlist/tplaylistmodel.h"
#include "testhttpserver.h"
#include "ttavrelplayer.h"

#include <QFile>

namespace {

QString Address(quint16 port, const char *path)
{
    return QStringLiteral("http://127.0.0.1:%1/%2").arg(port).arg(QLatin1StringView(path));
}

TEST_F(PlayerTest, AnAddressOnTheCommandLinePlays)
{
    TestHttpServer server(Media("short.mp4"));
    const QString address = Address(server.Port(), "short.mp4");
    Start({address});
    ASSERT_TRUE(WaitFor([this] { return player->IsMediaActive(); }));
    EXPECT_EQ(player->Media().Info.CurrentName, address);
    EXPECT_EQ(player->Media().Info.CurrentTitle, QStringLiteral("short"));
}

TEST_F(PlayerTest, AnAddressInAPlsListIsKeptAndPlays)
{
    TestHttpServer server(Media("short.mp4"));
    const QString address = Address(server.Port(), "clips/short.mp4");
    const QString list = dir.filePath(QStringLiteral("list.pls"));
    QFile file(list);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[playlist]\nNumberOfEntries=1\nFile1=" + address.toUtf8() + "\nTitle1=Net\n");
    file.close();
    Start({list});
    ASSERT_TRUE(WaitFor([this] { return player->IsMediaActive(); }));
    EXPECT_EQ(player->Media().Info.CurrentName, address);
}

TEST_F(PlayerTest, AClosedPortIsReportedAndNothingPlays)
{
    Start();
    player->OpenFile(Address(TestHttpServer::ClosedPort(), "x.mp4"));
    EXPECT_EQ(Send(Cmd::QueryState), 0);
    EXPECT_EQ(player->MainWindow()->LastStatusText(), player->Lang().GetLine(105));
    EXPECT_FALSE(player->Media().MediaOpen);
}

TEST_F(PlayerTest, TheSubtitleFileBesideAFilmIsShownAndTheKeyStepsThroughTracks)
{
    const QString film = dir.filePath(QStringLiteral("film.mp4"));
    ASSERT_TRUE(QFile::copy(Media("subtitled.mp4"), film));
    ASSERT_TRUE(
        QFile::copy(Media("bilingual.en.srt"), dir.filePath(QStringLiteral("film.en.srt"))));
    ASSERT_TRUE(
        QFile::copy(Media("bilingual.ru.srt"), dir.filePath(QStringLiteral("film.ru.srt"))));
    Preset(QStringLiteral("SubtitleLanguage"), QStringLiteral("ru"));
    Start({film});
    ASSERT_TRUE(WaitFor([this] { return player->IsMediaActive(); }));
    EXPECT_EQ(player->SubtitleTrackLanguages(), QStringList{QStringLiteral("ru")});
    EXPECT_EQ(player->CurrentSubtitleTrack(), 1);

    EXPECT_EQ(player->RunAction(TAction::of(TActionKind::StepSubtitles)), 0);
    EXPECT_EQ(player->CurrentSubtitleTrack(), 0);
    EXPECT_EQ(player->MainWindow()->LastStatusText(),
              player->Lang().GetLine(203).arg(player->Lang().GetLine(200)));
    EXPECT_EQ(player->RunAction(TAction::of(TActionKind::StepSubtitles)), 1);
    EXPECT_EQ(player->RunAction(TAction::of(TActionKind::SubtitleTrack, 0)), 1);
    EXPECT_EQ(player->CurrentSubtitleTrack(), 0);
}

TEST_F(PlayerTest, SubtitlesSwitchedOffInTheSettingsStayOff)
{
    const QString film = dir.filePath(QStringLiteral("film.mp4"));
    ASSERT_TRUE(QFile::copy(Media("subtitled.mp4"), film));
    ASSERT_TRUE(QFile::copy(Media("subtitled.srt"), dir.filePath(QStringLiteral("film.srt"))));
    Preset(QStringLiteral("SubtitlesOn"), 0);
    Start({film});
    ASSERT_TRUE(WaitFor([this] { return player->IsMediaActive(); }));
    EXPECT_EQ(player->CurrentSubtitleTrack(), 0);
    // The key switches them on: the film's file is found and shown then.
    EXPECT_EQ(player->RunAction(TAction::of(TActionKind::StepSubtitles)), 1);
    EXPECT_EQ(player->SubtitleTrackLanguages().size(), 1);
    EXPECT_TRUE(player->IsMediaActive());
}

TEST_F(PlayerTest, ASubtitleFileDroppedOnAPlayingFilmIsLoadedForIt)
{
    const QString film = dir.filePath(QStringLiteral("alone.mp4"));
    ASSERT_TRUE(QFile::copy(Media("subtitled.mp4"), film));
    Start({film});
    ASSERT_TRUE(WaitFor([this] { return player->IsMediaActive(); }));
    ASSERT_TRUE(player->SubtitleTrackLanguages().isEmpty());
    player->DropFiles({Media("subtitled.srt")}, QPoint(5, 5));
    EXPECT_EQ(player->SubtitleTrackLanguages().size(), 1);
    EXPECT_EQ(player->CurrentSubtitleTrack(), 1);
    // The film goes on; the list was not replaced by the subtitle file.
    EXPECT_EQ(player->Media().Info.CurrentName, film);
    EXPECT_TRUE(player->IsMediaActive());
}

} // namespace
