#include "playlist/entryline.h"
#include "playlisttestsupport.h"

namespace {

using namespace Qt::Literals::StringLiterals;

const QString kApp = QStringLiteral("/opt/tavrel/");

struct EntryCase
{
    const char *name;
    QString line;
    QString givenTitle;
    QString path; // empty: the line is dropped
    QString title;
};

void PrintTo(const EntryCase &c, std::ostream *os)
{
    *os << c.name;
}

class MakeEntryTest : public ::testing::TestWithParam<EntryCase>
{
};

TEST_P(MakeEntryTest, SplitsPathAndTitle)
{
    const EntryCase &c = GetParam();
    const std::optional<TPlayListEntry> entry = EntryLine::makeEntry(c.line, c.givenTitle, kApp);
    if (c.path.isEmpty()) {
        EXPECT_FALSE(entry.has_value());
        return;
    }
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->Info.FileName, c.path);
    EXPECT_EQ(entry->Title, c.title);
    EXPECT_EQ(entry->Info.IsCurrent, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, MakeEntryTest,
    ::testing::Values(
        EntryCase{"pathCommaQuotedTitle",
                  u"/films/a.avi, \"The Film\""_s,
                  {},
                  u"/films/a.avi"_s,
                  u"The Film"_s},
        EntryCase{"lineTitleBeatsGivenTitle", u"/films/a.avi, \"Line\""_s, u"Given"_s,
                  u"/films/a.avi"_s, u"Line"_s},
        EntryCase{"givenTitleWhenLineHasNone", u"/films/a.avi"_s, u"Given"_s, u"/films/a.avi"_s,
                  u"Given"_s},
        EntryCase{"commaWithoutQuotesIsTakenWhole",
                  u"/films/a, b.avi"_s,
                  {},
                  u"/films/a, b.avi"_s,
                  u"a, b"_s},
        EntryCase{"oneQuoteAfterCommaIsTakenWhole",
                  u"/films/a,\"b.avi"_s,
                  {},
                  u"/films/a,\"b.avi"_s,
                  u"a,\"b"_s},
        EntryCase{"bareNameGoesToAppFolder",
                  u"My_Holiday.avi"_s,
                  {},
                  u"/opt/tavrel/My_Holiday.avi"_s,
                  u"My Holiday"_s},
        EntryCase{"streamAddressKeptWhole",
                  u"http://host:8080/a/Live_One.mp4"_s,
                  {},
                  u"http://host:8080/a/Live_One.mp4"_s,
                  u"Live One"_s},
        EntryCase{"streamAddressWithTitle",
                  u"rtmp://host/app/key, \"Cam\""_s,
                  {},
                  u"rtmp://host/app/key"_s,
                  u"Cam"_s},
        EntryCase{
            "relativeWithTitle", u"clips/x.avi, \"X\""_s, {}, u"/opt/tavrel/clips/x.avi"_s, u"X"_s},
        EntryCase{"surroundingBlanksAndControls",
                  u"\t /films/a.avi \x01\r"_s,
                  {},
                  u"/films/a.avi"_s,
                  u"a"_s},
        EntryCase{"titleStopsAtItsFirstInnerQuote",
                  u"/f/a.avi, \"Say \"Hi\"\""_s,
                  {},
                  u"/f/a.avi"_s,
                  u"Say "_s},
        EntryCase{"emptyQuotedTitleStaysEmpty", u"/f/a.avi, \"\""_s, {}, u"/f/a.avi"_s, {}},
        EntryCase{"onlyLastExtensionRemoved",
                  u"/f/my.film_1.mkv"_s,
                  {},
                  u"/f/my.film_1.mkv"_s,
                  u"my.film 1"_s},
        EntryCase{"noExtension", u"/f/README"_s, {}, u"/f/README"_s, u"README"_s},
        EntryCase{
            "nonAsciiPath", u"/фильмы/Ёлка_2.avi"_s, {}, u"/фильмы/Ёлка_2.avi"_s, u"Ёлка 2"_s},
        EntryCase{"emptyLineDropped", u"  \t "_s, {}, {}, {}},
        EntryCase{"nothingBeforeTheQuoteDropped", u"/\", \"t\""_s, {}, {}, {}},
        EntryCase{"nulInPathDropped", QString(u"/f/a"_s + QChar(0) + u"b.avi"_s), {}, {}, {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(EntryLine, FormatKeepsOneEntryOnOneLine)
{
    TPlayListEntry entry;
    entry.Info.FileName = u"/f/a.avi"_s;
    entry.Title = QString(u"two\r\nlines"_s + QChar(0x1A));
    EXPECT_EQ(EntryLine::format(entry), u"/f/a.avi, \"two  lines \""_s);
}

} // namespace
