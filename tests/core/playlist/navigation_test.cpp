#include "playlist/playlistcommands.h"
#include "playlisttestsupport.h"

namespace {

using namespace Qt::Literals::StringLiterals;

// A list described as a string: one character per entry, 'p' for a playable file,
// 'm' for a missing one, 'd' for a folder (never playable).
struct NavigationCase
{
    const char *name;
    const char *entries;
    int current;  // before the call, -1 for none
    char call;    // 'F' First, 'N' Next, 'P' Previous
    int expected; // index whose path is returned and which is current; -1: empty, none current
};

void PrintTo(const NavigationCase &c, std::ostream *os)
{
    *os << c.name;
}

class NavigationTest : public ::testing::TestWithParam<NavigationCase>
{
};

TEST_P(NavigationTest, MovesTheMarkToTheRightEntry)
{
    const NavigationCase &c = GetParam();
    PlaylistFolder folder;
    TPlayListModel model(folder.appFolder());
    const QString kinds = QString::fromLatin1(c.entries);
    for (qsizetype i = 0; i < kinds.size(); ++i) {
        const QString name = u"media/%1.avi"_s.arg(i);
        if (kinds[i] == u'p')
            folder.write(name);
        else if (kinds[i] == u'd')
            QDir().mkpath(folder.path(name));
        model.AddEntry(folder.path(name));
    }
    model.SetCurrent(c.current);

    QString result;
    switch (c.call) {
    case 'F':
        result = model.First();
        break;
    case 'N':
        result = model.Next();
        break;
    default:
        result = model.Previous();
        break;
    }
    EXPECT_EQ(result, c.expected < 0 ? QString() : model.FileNameAt(c.expected));
    EXPECT_EQ(model.CurrentIndex(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, NavigationTest,
    ::testing::Values(NavigationCase{"emptyFirst", "", -1, 'F', -1},
                      NavigationCase{"onePlayableNextReturnsIt", "p", 0, 'N', 0},
                      NavigationCase{"onePlayablePreviousReturnsIt", "p", 0, 'P', 0},
                      NavigationCase{"allMissingFirst", "mmm", 1, 'F', -1},
                      NavigationCase{"allMissingNext", "mmm", 1, 'N', -1},
                      NavigationCase{"noCurrentNextStartsAtOne", "ppp", -1, 'N', 1},
                      NavigationCase{"noCurrentPreviousStartsAtLast", "ppp", -1, 'P', 2},
                      NavigationCase{"noCurrentNextTriesEntryZeroLast", "pmm", -1, 'N', 0},
                      NavigationCase{"nextSkipsMissing", "pmmp", 0, 'N', 3},
                      NavigationCase{"nextWraps", "pmp", 2, 'N', 0},
                      NavigationCase{"folderIsSkipped", "dp", 1, 'N', 1},
                      NavigationCase{"firstGoesOnWhenZeroIsMissing", "mmp", -1, 'F', 2},
                      NavigationCase{"nextBackToTheStartWhenOnlyItPlays", "mpm", 1, 'N', 1}),
    [](const auto &info) { return std::string(info.param.name); });

struct LastPlayableCase
{
    const char *name;
    const char *entries;
    int current;
    bool expected;
};

void PrintTo(const LastPlayableCase &c, std::ostream *os)
{
    *os << c.name;
}

class LastPlayableTest : public ::testing::TestWithParam<LastPlayableCase>
{
};

TEST_P(LastPlayableTest, LooksOnlyAfterTheCurrentEntry)
{
    const LastPlayableCase &c = GetParam();
    PlaylistFolder folder;
    TPlayListModel model(folder.appFolder());
    for (int i = 0; c.entries[i] != 0; ++i) {
        const QString name = u"%1.avi"_s.arg(i);
        model.AddEntry(c.entries[i] == 'p' ? folder.write(name) : folder.path(name));
    }
    model.SetCurrent(c.current);
    EXPECT_EQ(model.IsLastPlayable(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Lists, LastPlayableTest,
                         ::testing::Values(LastPlayableCase{"lastIndexEvenWithEarlierPlayable",
                                                            "ppp", 2, true},
                                           LastPlayableCase{"laterEntryPlayable", "mmp", 0, false},
                                           LastPlayableCase{"onlyMissingAfter", "ppm", 1, true},
                                           LastPlayableCase{"noCurrent", "ppp", -1, true},
                                           LastPlayableCase{"emptyList", "", -1, true}),
                         [](const auto &info) { return std::string(info.param.name); });

class PlaySelectedTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        a = folder.write(u"a.avi"_s);
        b = folder.path(u"b.avi"_s); // missing
        c = folder.write(u"c.avi"_s);
        for (const QString &name : {a, b, c})
            model.AddEntry(name);
    }

    PlaylistFolder folder;
    TPlayListModel model{folder.appFolder()};
    QString a, b, c;
};

TEST_F(PlaySelectedTest, MissingFocusedFileGoesOnToTheNextPlayable)
{
    model.SetItemIndex(1);
    EXPECT_EQ(model.PlaySelected(true), c);
    EXPECT_EQ(model.CurrentIndex(), 2);
}

TEST_F(PlaySelectedTest, EntryAlreadyPlayingIsNotReopened)
{
    model.SetItemIndex(2);
    model.SetCurrent(2);
    EXPECT_EQ(model.PlaySelected(true), QString());
    // Stopped, the same entry opens again.
    EXPECT_EQ(model.PlaySelected(false), c);
}

} // namespace
