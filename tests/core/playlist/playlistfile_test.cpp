#include "playlist/playlistfile.h"
#include "playlisttestsupport.h"

namespace {

using namespace Qt::Literals::StringLiterals;

struct FormatCase
{
    const char *name;
    const char *fileName;
    QByteArray content;
    // Expected entries as "path|title"; a path starting with "./" is relative to
    // the playlist's folder.
    QStringList expected;
};

void PrintTo(const FormatCase &c, std::ostream *os)
{
    *os << c.name;
}

class PlaylistFormatTest : public ::testing::TestWithParam<FormatCase>
{
};

TEST_P(PlaylistFormatTest, ReadsTheDocumentedLines)
{
    const FormatCase &c = GetParam();
    PlaylistFolder folder;
    const QString file = folder.write(u"lists/"_s + QString::fromLatin1(c.fileName), c.content);
    TPlayListModel model(folder.appFolder());
    ASSERT_EQ(LoadPlaylistFile(model, true, file), PlaylistFileStatus::Done);

    QStringList got;
    for (int i = 0; i < model.Count(); ++i)
        got.append(model.FileNameAt(i) + u'|' + model.TitleAt(i));
    QStringList expected;
    for (const QString &entry : c.expected) {
        expected.append(entry.startsWith(u"./") ? folder.path(u"lists/"_s + entry.sliced(2))
                                                : entry);
    }
    EXPECT_EQ(got, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, PlaylistFormatTest,
    ::testing::Values(
        FormatCase{"pls",
                   "list.pls",
                   "[playlist]\r\nNumberOfEntries=2\r\nFile1=/m/First_Film.avi\r\n"
                   "Title1=First\r\nLength1=-1\r\nFile2=rel/second.avi\r\nTitle2=Second\r\n"
                   "Length2=123\r\nVersion=2\r\n",
                   {u"/m/First_Film.avi|First Film"_s, u"./rel/second.avi|second"_s}},
        FormatCase{"plsKeysIgnoreCase",
                   "list.pls",
                   "file1=/m/a.avi\ntitle1=A\nLENGTH1=3\n",
                   {u"/m/a.avi|a"_s}},
        FormatCase{"titleAndLengthWithoutEqualsAreKept",
                   "list.pls",
                   "Title\nLength_of_day.avi\n",
                   {u"./Title|Title"_s, u"./Length_of_day.avi|Length of day"_s}},
        FormatCase{"m3uExtendedInfoTitlesIgnored",
                   "list.m3u",
                   "#EXTM3U\n#EXTINF:123,Some Title\n/m/a.avi\n\n#EXTINF:-1,Other\nb.avi\n",
                   {u"/m/a.avi|a"_s, u"./b.avi|b"_s}},
        FormatCase{
            "lstAsM3u", "list.lst", "# comment\n  /m/spaced.avi  \n", {u"/m/spaced.avi|spaced"_s}},
        FormatCase{"asxReferenceForms",
                   "list.asx",
                   "<ASX version=\"3.0\">\n<Entry>\n<ref href = \"/m/one.avi\"/>\n</Entry>\n"
                   "<ENTRY><REF HREF=\"/m/two.avi\"/></ENTRY>\n"
                   "<Abstract></Abstract>\n<Copyright></Copyright>\n<Author>nope</Author>\n"
                   "</ASX>\n",
                   {u"/m/one.avi|one"_s, u"/m/two.avi|two"_s}},
        FormatCase{"asxSpaceBeforeCloseKeepsAQuote",
                   "list.asx",
                   "<ASX VERSION = \"3.0\">\n<REF HREF = \"/m/three.avi\" />\n",
                   {u"/m/three.avi\"|three"_s}},
        FormatCase{"asxOtherMarkupIsAnEntry",
                   "list.asx",
                   "<title>Show</title>\n",
                   {u"./<title>Show</title>|title>"_s}},
        FormatCase{"bslOpenStringAndMarkers",
                   "list.bsl",
                   ">N Name\r\n>B 1\r\n#OPENSTRING=/m/open.avi\r\n#other\r\n/m/plain.avi\r\n",
                   {u"/m/open.avi|open"_s, u"/m/plain.avi|plain"_s}},
        FormatCase{"lap", "list.lap", "#OPENSTRING=rel/x_y.avi\n", {u"./rel/x_y.avi|x y"_s}},
        FormatCase{"mlsTitles",
                   "list.mls",
                   "/m/a.avi, \"Title A\"\r\n/m/b.avi\r\n/m/c.avi, \"Cut \"here\" title\"\r\n",
                   {u"/m/a.avi|Title A"_s, u"/m/b.avi|b"_s, u"/m/c.avi|Cut "_s}},
        FormatCase{"quotedPathUnquoted", "list.m3u", "\"/m/q.avi\"\n", {u"/m/q.avi|q"_s}},
        FormatCase{"quotedPathWithCommaKeepsQuotes",
                   "list.m3u",
                   "\"/m/a,b.avi\"\n",
                   {u"./\"/m/a,b.avi\"|a,b"_s}},
        FormatCase{"urlIsKeptWhole", "list.m3u", "http://host/v.avi\n", {u"http://host/v.avi|v"_s}},
        FormatCase{"plsStreamEntries",
                   "list.pls",
                   "[playlist]\nFile1=HTTPS://host/a/film.mp4\nFile2=rtsp://cam:554/live\n"
                   "File3=mms://host/s.asf\nFile4=file:///m/local.avi\n",
                   {u"HTTPS://host/a/film.mp4|film"_s, u"rtsp://cam:554/live|live"_s,
                    u"mms://host/s.asf|s"_s, u"file:///m/local.avi|local"_s}},
        FormatCase{"unknownSchemesStayRelative",
                   "list.m3u",
                   "gopher://host/v.avi\nhttp:/one-slash.avi\nhttpx://host/w.avi\n",
                   {u"./gopher://host/v.avi|v"_s, u"./http:/one-slash.avi|one-slash"_s,
                    u"./httpx://host/w.avi|w"_s}},
        FormatCase{"fileKeyReplacesTheWholeLine", "list.m3u", "Files/a=b.avi\n", {u"./b.avi|b"_s}},
        FormatCase{"endOfFileMark",
                   "list.m3u",
                   QByteArray("/m/a.avi\n/m/b\x1a.avi\n/m/c.avi\n"),
                   {u"/m/a.avi|a"_s, u"/m/b|b"_s}},
        FormatCase{"crOnlyLineEnds",
                   "list.m3u",
                   "/m/a.avi\r/m/b.avi\r\r/m/c.avi",
                   {u"/m/a.avi|a"_s, u"/m/b.avi|b"_s, u"/m/c.avi|c"_s}},
        FormatCase{
            "windows1251", "list.m3u", "/m/\xD4\xE8\xEB\xFC\xEC.avi\n", {u"/m/Фильм.avi|Фильм"_s}},
        FormatCase{"utf8WithByteOrderMark",
                   "list.m3u",
                   "\xEF\xBB\xBF/m/\xD0\xA4\xD0\xB8\xD0\xBB\xD1\x8C\xD0\xBC.avi\n",
                   {u"/m/Фильм.avi|Фильм"_s}},
        FormatCase{"m3u8IsAlwaysUtf8",
                   "list.m3u8",
                   "/m/\xD0\xA4.avi\n/m/\xC4.avi\n",
                   {u"/m/Ф.avi|Ф"_s, u"/m/\uFFFD.avi|\uFFFD"_s}},
        FormatCase{"emptyFile", "list.mls", "", {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PlaylistFile, ExtensionsThatArePlaylists)
{
    for (const char *name :
         {"a.mls", "a.BSL", "b.lap", "/x/y.M3u", "c.m3u8", "d.lst", "e.pls", "f.asx"})
        EXPECT_TRUE(IsPlaylistFile(QString::fromLatin1(name))) << name;
    for (const char *name : {"a.avi", "a", "a.m", "a.ls", "a.m3u;", "mls", "/x.mls/film.avi"})
        EXPECT_FALSE(IsPlaylistFile(QString::fromLatin1(name))) << name;
    EXPECT_EQ(PlaylistFileMasks(), u"*.MLS;*.BSL;*.LAP;*.M3U;*.LST;*.PLS;*.ASX;*.M3U8"_s);
}

TEST(PlaylistFile, MissingFileLeavesTheListEvenWithClearing)
{
    PlaylistFolder folder;
    TPlayListModel model(folder.appFolder());
    model.AddEntry(u"/m/kept.avi"_s);
    EXPECT_EQ(LoadPlaylistFile(model, true, folder.path(u"none.m3u"_s)),
              PlaylistFileStatus::NotFound);
    EXPECT_EQ(LoadPlaylistFile(model, true, folder.path(QString())), PlaylistFileStatus::NotFound);
    EXPECT_EQ(fileNames(model), QStringList{u"/m/kept.avi"_s});
}

TEST(PlaylistFile, LoadingWithoutClearingAppends)
{
    PlaylistFolder folder;
    const QString file = folder.write(u"l.m3u"_s, "/m/new.avi\n");
    TPlayListModel model(folder.appFolder());
    model.AddEntry(u"/m/old.avi"_s);
    model.SetCurrent(0);
    ASSERT_EQ(LoadPlaylistFile(model, false, file), PlaylistFileStatus::Done);
    EXPECT_EQ(fileNames(model), (QStringList{u"/m/old.avi"_s, u"/m/new.avi"_s}));
    EXPECT_EQ(model.CurrentIndex(), 0);
}

TEST(PlaylistFile, SavedListReadsBackTheSame)
{
    PlaylistFolder folder;
    TPlayListModel model(folder.appFolder());
    const QStringList lines = {
        u"/m/with, comma.avi"_s,
        u"/m/with spaces/and, \"title, with comma\""_s,
        u"/фильмы/Ёлка_и_ёж.mkv"_s,
        u"/m/plain.avi, \"Заголовок\""_s,
        u"/m/q.avi, \"said \"hi\" twice\""_s,
    };
    for (const QString &line : lines)
        model.AddEntry(line);
    const QString file = folder.path(u"out.mls"_s);
    ASSERT_EQ(SavePlaylistFile(model, file), PlaylistFileStatus::Done);

    TPlayListModel back(folder.appFolder());
    ASSERT_EQ(LoadPlaylistFile(back, true, file), PlaylistFileStatus::Done);
    EXPECT_EQ(fileNames(back), fileNames(model));
    EXPECT_EQ(titles(back), titles(model));
    EXPECT_EQ(titles(back).at(4), u"said "_s); // cut at the first quote when first added

    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    EXPECT_TRUE(bytes.startsWith("/m/with, comma.avi, \"with, comma\"\r\n"));
    EXPECT_TRUE(bytes.contains("/\xD1\x84\xD0\xB8")); // UTF-8, no byte-order mark
    EXPECT_EQ(bytes.count("\r\n"), 5);
}

TEST(PlaylistFile, EmptyListWritesAnEmptyFile)
{
    PlaylistFolder folder;
    const QString file = folder.write(u"old.mls"_s, "/m/previous.avi\r\n");
    TPlayListModel model(folder.appFolder());
    ASSERT_EQ(SavePlaylistFile(model, file), PlaylistFileStatus::Done);
    EXPECT_EQ(QFileInfo(file).size(), 0);
}

TEST(PlaylistFile, UnwritableTargetReportsAndKeepsTheOldFile)
{
    PlaylistFolder folder;
    TPlayListModel model(folder.appFolder());
    model.AddEntry(u"/m/a.avi"_s);
    EXPECT_EQ(SavePlaylistFile(model, folder.path(u"no/such/folder/x.mls"_s)),
              PlaylistFileStatus::WriteError);
}

} // namespace
