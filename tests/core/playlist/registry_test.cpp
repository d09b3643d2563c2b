#include "playlist/playlistregistry.h"
#include "playlisttestsupport.h"

#include <QSettings>

namespace {

using namespace Qt::Literals::StringLiterals;

class StoredPlaylistTest : public ::testing::Test
{
protected:
    QSettings settings() const
    {
        return QSettings(folder.path(u"Tavrel.conf"_s), QSettings::IniFormat);
    }
    void store(const QString &value)
    {
        QSettings s = settings();
        s.setValue(u"PlayList"_s, value);
    }
    QString stored() const { return settings().value(u"PlayList"_s).toString(); }

    PlaylistFolder folder;
    TPlayListModel model{folder.appFolder()};
};

TEST_F(StoredPlaylistTest, StoreWritesTitledLinesEndedByCrLf)
{
    model.AddEntry(u"/m/a.avi"_s);
    model.AddEntry(u"/m/b, c.avi, \"Bee\""_s);
    QSettings s = settings();
    StoreToRegistry(model, s);
    s.sync();
    EXPECT_EQ(stored(), u"/m/a.avi, \"a\"\r\n/m/b, c.avi, \"Bee\"\r\n"_s);

    TPlayListModel back(folder.appFolder());
    RestoreFromRegistry(back, settings());
    EXPECT_EQ(fileNames(back), fileNames(model));
    EXPECT_EQ(titles(back), titles(model));
}

TEST_F(StoredPlaylistTest, EmptyLinesProduceNoEntries)
{
    store(u"\r\n/m/a.avi\r\n\r\n\n/m/b.avi\n\r\n"_s);
    RestoreFromRegistry(model, settings());
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

TEST_P(ExitStoreTest, SingleFileKeepsALongerStoredListOnlyWhenAsked)
{
    const ExitCase &c = GetParam();
    QString before;
    for (int i = 0; i < c.storedEntries; ++i)
        before += u"/m/stored%1.avi, \"s\"\r\n"_s.arg(i);
    store(before);
    for (int i = 0; i < c.currentEntries; ++i)
        model.AddEntry(u"/m/now%1.avi"_s.arg(i));

    QSettings s = settings();
    EXPECT_EQ(StorePlaylistAtExit(model, s, c.exitNoSaveOne), c.rewritten);
    s.sync();
    EXPECT_EQ(stored(), c.rewritten ? PlaylistToStoredText(model) : before);
}

INSTANTIATE_TEST_SUITE_P(Exit, ExitStoreTest,
                         ::testing::Values(ExitCase{"fiveStoredOneNowKept", true, 5, 1, false},
                                           ExitCase{"fiveStoredTwoNowRewritten", true, 5, 2, true},
                                           ExitCase{"oneStoredOneNowRewritten", true, 1, 1, true},
                                           ExitCase{"noneStoredOneNowRewritten", true, 0, 1, true},
                                           ExitCase{"settingOffRewrites", false, 5, 1, true},
                                           ExitCase{"emptyListIsStoredToo", true, 5, 0, true}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(StoredPlaylistTest, StartupReadsTheStoredListOnlyWithoutArguments)
{
    store(u"/m/a.avi\r\n/m/b.avi\r\n"_s);
    EXPECT_FALSE(RestorePlaylistAtStartup(model, settings(), true));
    EXPECT_EQ(model.Count(), 0);
    EXPECT_TRUE(RestorePlaylistAtStartup(model, settings(), false));
    EXPECT_EQ(model.Count(), 2);
    EXPECT_EQ(model.CurrentIndex(), -1);
}

} // namespace
