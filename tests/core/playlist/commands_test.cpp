#include "playlist/droppedfiles.h"
#include "playlist/playlistcommands.h"
#include "playlisttestsupport.h"

namespace {

using namespace Qt::Literals::StringLiterals;
using Action = PlaylistOutcome::Action;

struct DeleteCase
{
    const char *name;
    bool windowShowing;
    bool mediaActive;
    bool selectSomething;
    bool hasCurrent;
    int text;
    int entriesLeft;
};

void PrintTo(const DeleteCase &c, std::ostream *os)
{
    *os << c.name;
}

class DeleteCommandTest : public ::testing::TestWithParam<DeleteCase>
{
};

TEST_P(DeleteCommandTest, RemovesAndNamesWhatItDid)
{
    const DeleteCase &c = GetParam();
    TPlayListModel model(u"/app/"_s);
    for (const QString &name : {u"/m/a.avi"_s, u"/m/b.avi"_s, u"/m/c.avi"_s})
        model.AddEntry(name);
    model.SetSelected(0, c.selectSomething);
    model.SetCurrent(c.hasCurrent ? 2 : -1);
    const PlaylistOutcome outcome = DeleteFileCommand(model, c.windowShowing, c.mediaActive);
    EXPECT_EQ(outcome.statusTextIndex, c.text);
    EXPECT_EQ(outcome.statusTenths, 20);
    EXPECT_EQ(outcome.action, Action::None);
    EXPECT_EQ(model.Count(), c.entriesLeft);
}

INSTANTIATE_TEST_SUITE_P(
    Delete, DeleteCommandTest,
    ::testing::Values(DeleteCase{"windowSelected", true, true, true, true, 135, 2},
                      DeleteCase{"windowNothingSelected", true, false, false, true, 136, 3},
                      DeleteCase{"hiddenPlayingCurrent", false, true, true, true, 137, 2},
                      DeleteCase{"hiddenPlayingAlreadyDeleted", false, true, true, false, 138, 3},
                      DeleteCase{"hiddenNothingPlaying", false, false, true, true, 139, 3}),
    [](const auto &info) { return std::string(info.param.name); });

class PlaylistCommandTest : public ::testing::Test
{
protected:
    PlaylistFolder folder;
    TPlayListModel model{folder.appFolder()};
};

TEST_F(PlaylistCommandTest, StartOnEmptyListAsksForTheOpenDialog)
{
    EXPECT_EQ(StartPlaylistCommand(model, true).action, Action::RunOpenDialog);
}

TEST_F(PlaylistCommandTest, StartPrefersCurrentThenFocusedThenFirst)
{
    const QString a = folder.write(u"a.avi"_s);
    const QString b = folder.write(u"b.avi"_s);
    model.AddEntry(a);
    model.AddEntry(b);
    model.SetItemIndex(1);

    PlaylistOutcome hidden = StartPlaylistCommand(model, false);
    EXPECT_EQ(hidden.fileName, a); // focus ignored while the window is hidden
    model.SetCurrent(-1);
    PlaylistOutcome showing = StartPlaylistCommand(model, true);
    EXPECT_EQ(showing.action, Action::OpenFile);
    EXPECT_EQ(showing.fileName, b);
    EXPECT_EQ(model.CurrentIndex(), 1);
    EXPECT_EQ(StartPlaylistCommand(model, true).fileName, b);
}

TEST_F(PlaylistCommandTest, AddFilesLeavesOutDvdEntriesAndReadsPlaylists)
{
    const QString list = folder.write(u"l.m3u"_s, "/m/from_list.avi\n");
    model.AddEntry(u"/m/old.avi"_s);
    const PlaylistOutcome outcome = AddFilesCommand(
        model, {u"/m/new.avi"_s, u"/dvd/VIDEO_TS/video_ts.ifo"_s, list, u"/m/list.M3U"_s});
    EXPECT_EQ(outcome.action, Action::None);
    EXPECT_EQ(outcome.statusText, u"Файл(ы) добавлены"_s);
    EXPECT_EQ(outcome.statusTenths, 2);
    EXPECT_EQ(outcome.added, (QStringList{u"/m/new.avi"_s, list}));
    // A playlist file that is missing reads as nothing, like a cancelled dialog.
    EXPECT_EQ(fileNames(model),
              (QStringList{u"/m/old.avi"_s, u"/m/new.avi"_s, u"/m/from_list.avi"_s}));
}

TEST_F(PlaylistCommandTest, OpenReplacesTheListUnlessADvdWasChosen)
{
    const QString a = folder.write(u"a.avi"_s);
    model.AddEntry(u"/m/old.avi"_s);
    PlaylistOutcome dvd = OpenFilesCommand(model, {a, u"/d/VIDEO_TS/VIDEO_TS.IFO"_s});
    EXPECT_EQ(dvd.action, Action::OpenDvd);
    EXPECT_EQ(dvd.fileName, u"/d/VIDEO_TS/VIDEO_TS.IFO"_s);
    EXPECT_EQ(model.Count(), 1);

    PlaylistOutcome opened = OpenFilesCommand(model, {folder.path(u"gone.avi"_s), a});
    EXPECT_EQ(opened.action, Action::OpenFile);
    EXPECT_EQ(opened.fileName, a);
    EXPECT_EQ(fileNames(model), (QStringList{folder.path(u"gone.avi"_s), a}));
}

class DropTest : public PlaylistCommandTest
{
protected:
    void SetUp() override
    {
        film = folder.write(u"films/a.avi"_s);
        other = folder.write(u"films/b.avi"_s);
        model.AddEntry(u"/m/old.avi"_s);
    }
    QString film, other;
};

TEST_F(DropTest, InsideTheShowingWindowAppendsWithoutPlaying)
{
    const PlaylistOutcome outcome = DropFiles(model, {film, other}, true, true);
    EXPECT_EQ(outcome.action, Action::None);
    EXPECT_EQ(fileNames(model), (QStringList{u"/m/old.avi"_s, film, other}));
}

TEST_F(DropTest, OutsideTheWindowReplacesTheListAndPlays)
{
    for (const bool windowShowing : {true, false}) {
        const PlaylistOutcome outcome = DropFiles(model, {film, other}, windowShowing, false);
        EXPECT_EQ(outcome.action, Action::OpenFile);
        EXPECT_EQ(outcome.fileName, film);
        EXPECT_EQ(fileNames(model), (QStringList{film, other}));
        EXPECT_EQ(model.CurrentIndex(), 0);
    }
}

TEST_F(DropTest, DriveRootWithADvdPlaysTheDvd)
{
    const QString ifo = folder.write(u"disc/video_ts/Video_TS.ifo"_s);
    const PlaylistOutcome outcome = DropFiles(model, {film, folder.path(u"disc/"_s)}, false, false);
    EXPECT_EQ(outcome.action, Action::OpenDvd);
    EXPECT_EQ(QFileInfo(outcome.fileName).canonicalFilePath(), QFileInfo(ifo).canonicalFilePath());
    EXPECT_EQ(fileNames(model), QStringList{u"/m/old.avi"_s});
}

TEST_F(DropTest, OrdinaryFolderIsAnEntryThatNavigationSkips)
{
    folder.write(u"disc/VIDEO_TS/VIDEO_TS.IFO"_s);
    const QString plainFolder = folder.path(u"disc"_s); // no separator: not a drive root
    const PlaylistOutcome outcome = DropFiles(model, {plainFolder, film}, false, false);
    EXPECT_EQ(outcome.action, Action::OpenFile);
    EXPECT_EQ(outcome.fileName, film);
    EXPECT_EQ(fileNames(model), (QStringList{plainFolder, film}));
    EXPECT_EQ(model.Next(), film);
}

TEST_F(DropTest, DroppedPlaylistIsAnEntryNotRead)
{
    const QString list = folder.write(u"l.m3u"_s, "/m/inner.avi\n");
    DropFiles(model, {list}, true, true);
    EXPECT_EQ(fileNames(model), (QStringList{u"/m/old.avi"_s, list}));
}

TEST_F(DropTest, ShortcutWithoutTargetStandsForItself)
{
    const QString shortcut = folder.write(u"film.LNK"_s, "not a shortcut");
    DropFiles(model, {shortcut}, true, true);
    EXPECT_EQ(fileNames(model), (QStringList{u"/m/old.avi"_s, shortcut}));
}

} // namespace
