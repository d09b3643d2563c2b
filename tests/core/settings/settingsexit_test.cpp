#include "playlist/playlistregistry.h"
#include "playlist/tplaylistmodel.h"
#include "storefixture.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

using R = TSettingsRecord;

struct LinesCase
{
    const char *text;
    int lines;
};

class PlaylistLines : public ::testing::TestWithParam<LinesCase>
{
};

TEST_P(PlaylistLines, CountsLinesNotLineBreaks)
{
    EXPECT_EQ(TSettingsStore::countPlaylistLines(QString::fromUtf8(GetParam().text)),
              GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Texts, PlaylistLines,
                         ::testing::Values(LinesCase{"", 0}, LinesCase{"a.avi", 1},
                                           LinesCase{"a.avi\r\n", 1},
                                           LinesCase{"a.avi\r\nb.avi", 2},
                                           LinesCase{"a.avi\nb.avi\n", 2},
                                           LinesCase{"a\r\n\r\nc\r\n", 2}, LinesCase{"a\rb", 2},
                                           LinesCase{"\r\n\r\n", 0},
                                           LinesCase{"\n\na.avi\n\n", 1}));

// The count decides whether a stored list is worth keeping, so it must see the entries the
// restore makes of the same text.
TEST_P(PlaylistLines, AgreesWithTheRestore)
{
    TPlayListModel model(QDir::tempPath() + QLatin1Char('/'));
    RestorePlaylistFromText(model, QString::fromUtf8(GetParam().text));
    EXPECT_EQ(TSettingsStore::countPlaylistLines(QString::fromUtf8(GetParam().text)),
              model.Count());
}

struct ExitCase
{
    const char *name;
    bool exitNoSaveOne;
    const char *storedList; // nullptr: none stored
    int currentEntries;
    bool listOverwritten;
};

void PrintTo(const ExitCase &c, std::ostream *os)
{
    *os << c.name;
}

class ExitPlaylist : public StoreTest, public ::testing::WithParamInterface<ExitCase>
{
};

TEST_P(ExitPlaylist, KeepsALongerStoredListOnlyWhenAsked)
{
    const ExitCase &c = GetParam();
    TSettingsRecord setup;
    setup.ExitNoSaveOne = c.exitNoSaveOne;
    store().save(setup, &R::ExitNoSaveOne);
    if (c.storedList != nullptr) {
        setup.PlayList = QString::fromUtf8(c.storedList);
        store().save(setup, &R::PlayList);
    }

    TSettingsRecord current;
    // The record in memory says nothing about the choice: it is read at exit.
    current.ExitNoSaveOne = !c.exitNoSaveOne;
    current.PlayList = QStringLiteral("/films/one.avi");
    store().saveAtExit(current, c.currentEntries);

    const QString after = TSettingsStore(openRaw()).value(&R::PlayList);
    EXPECT_EQ(after == current.PlayList, c.listOverwritten) << after.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExitPlaylist,
    ::testing::Values(ExitCase{"flagOffOverwrites", false, "a\r\nb\r\nc\r\nd\r\ne", 1, true},
                      ExitCase{"fiveStoredOneCurrentSurvives", true, "a\r\nb\r\nc\r\nd\r\ne", 1,
                               false},
                      ExitCase{"twoCurrentOverwrite", true, "a\r\nb\r\nc\r\nd\r\ne", 2, true},
                      ExitCase{"oneStoredIsReplaced", true, "a", 1, true},
                      ExitCase{"nothingStored", true, nullptr, 1, true},
                      ExitCase{"emptyCurrentOverwrites", true, "a\r\nb", 0, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(StoreTest, ExitWritesTheWindowStateAndNothingElse)
{
    TSettingsRecord record;
    record.Volume = 4321;
    record.TOPMOST = true;
    record.StatrShPL = true;
    record.PlayListParentYes = true;
    record.StartShowPlayPanel = true;
    record.ShowCurent = false;
    record.RestSize = QRect(10, 20, 800, 600);
    record.PlayListRestSize = QRect(900, 20, 300, 500);
    record.PlayList = QStringLiteral("/films/a.avi, \"A\"\r\n/films/b.avi");
    record.LockZoom = true; // not part of the exit set
    store().saveAtExit(record, 2);

    TSettingsStore fresh(openRaw());
    TSettingsRecord read;
    fresh.loadGroup(read, TLoadGroup::Creation);
    fresh.loadGroup(read, TLoadGroup::FirstPaint);
    fresh.loadGroup(read, TLoadGroup::OnDemand);
    EXPECT_EQ(read.Volume, 4321);
    EXPECT_TRUE(read.TOPMOST);
    EXPECT_TRUE(read.StatrShPL);
    EXPECT_TRUE(read.PlayListParentYes);
    EXPECT_TRUE(read.StartShowPlayPanel);
    EXPECT_FALSE(read.ShowCurent);
    EXPECT_EQ(read.RestSize, record.RestSize);
    EXPECT_EQ(read.PlayListRestSize, record.PlayListRestSize);
    EXPECT_EQ(read.PlayList, record.PlayList);
    EXPECT_FALSE(read.LockZoom);
    EXPECT_EQ(openRaw()->allKeys().size(), 9);
}

} // namespace
