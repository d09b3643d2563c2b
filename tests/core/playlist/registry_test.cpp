#include "playlist/playlistregistry.h"
#include "playlisttestsupport.h"
#include "settings/settingsstore.h"

#include <QSettings>

namespace {

using namespace Qt::Literals::StringLiterals;

class StoredPlaylistTest : public ::testing::Test
{
protected:
    StoredPlaylistTest()
        : store(std::make_unique<QSettings>(folder.path(u"Tavrel.conf"_s), QSettings::IniFormat))
    {}

    PlaylistFolder folder;
    TSettingsStore store;
    TPlayListModel model{folder.appFolder()};
};

TEST_F(StoredPlaylistTest, StoreWritesTitledLinesEndedByCrLf)
{
    model.AddEntry(u"/m/a.avi"_s);
    model.AddEntry(u"/m/b, c.avi, \"Bee\""_s);
    StoreToRegistry(model, store);
    EXPECT_EQ(store.value(&TSettingsRecord::PlayList),
              u"/m/a.avi, \"a\"\r\n/m/b, c.avi, \"Bee\"\r\n"_s);

    TPlayListModel back(folder.appFolder());
    RestoreFromRegistry(back, store);
    EXPECT_EQ(fileNames(back), fileNames(model));
    EXPECT_EQ(titles(back), titles(model));
}

TEST_F(StoredPlaylistTest, EmptyLinesProduceNoEntries)
{
    store.setValue(&TSettingsRecord::PlayList, u"\r\n/m/a.avi\r\n\r\n\n/m/b.avi\n\r\n"_s);
    RestoreFromRegistry(model, store);
    EXPECT_EQ(fileNames(model), (QStringList{u"/m/a.avi"_s, u"/m/b.avi"_s}));
}

struct ExitCase
{
    const char *name;
    bool exitNoSaveOne;
    int storedEntries;
    int currentEntries;
    bool rewritten;
};

void PrintTo(const ExitCase &c, std::ostream *os)
{
    *os << c.name;
}

class ExitStoreTest : public StoredPlaylistTest, public ::testing::WithParamInterface<ExitCase>
{
};

// The exit sequence as the program runs it: the list as stored text, handed to the
// settings store with the number of entries.
TEST_P(ExitStoreTest, SingleFileKeepsALongerStoredListOnlyWhenAsked)
{
    const ExitCase &c = GetParam();
    QString before;
    for (int i = 0; i < c.storedEntries; ++i)
        before += u"/m/stored%1.avi, \"s\"\r\n"_s.arg(i);
    store.setValue(&TSettingsRecord::PlayList, before);
    store.setValue(&TSettingsRecord::ExitNoSaveOne, c.exitNoSaveOne);
    for (int i = 0; i < c.currentEntries; ++i)
        model.AddEntry(u"/m/now%1.avi"_s.arg(i));

    TSettingsRecord record;
    record.PlayList = PlaylistToStoredText(model);
    store.saveAtExit(record, model.Count());
    EXPECT_EQ(store.value(&TSettingsRecord::PlayList), c.rewritten ? record.PlayList : before);
}

INSTANTIATE_TEST_SUITE_P(Exit, ExitStoreTest,
                         ::testing::Values(ExitCase{"fiveStoredOneNowKept", true, 5, 1, false},
                                           ExitCase{"fiveStoredTwoNowRewritten", true, 5, 2, true},
                                           ExitCase{"oneStoredOneNowRewritten", true, 1, 1, true},
                                           ExitCase{"settingOffRewrites", false, 5, 1, true},
                                           ExitCase{"emptyListIsStoredToo", true, 5, 0, true}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(StoredPlaylistTest, StartupReadsTheStoredListOnlyWithoutArguments)
{
    store.setValue(&TSettingsRecord::PlayList, u"/m/a.avi\r\n/m/b.avi\r\n"_s);
    EXPECT_FALSE(RestorePlaylistAtStartup(model, store, true));
    EXPECT_EQ(model.Count(), 0);
    EXPECT_TRUE(RestorePlaylistAtStartup(model, store, false));
    EXPECT_EQ(model.Count(), 2);
    EXPECT_EQ(model.CurrentIndex(), -1);
}

} // namespace
