#include "subtitles/subtitlefiles.h"
#include "subtitles/subtitletracks.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace Qt::Literals::StringLiterals;

class SubtitleFolder : public ::testing::Test
{
protected:
    void touch(const QString &name)
    {
        QFile file(m_dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

TEST_F(SubtitleFolder, FindsTheFilesOfTheFilmOnly)
{
    for (const QString &name :
         {u"Film.avi"_s, u"Film.srt"_s, u"film.ru.SRT"_s, u"Film.en.ass"_s, u"Film.vtt"_s,
          u"Film.sub"_s, u"Film.ssa"_s, u"Film.txt"_s, u"Film2.srt"_s, u"Film.part.two.srt"_s,
          u"Filmsrt"_s, u"Other.srt"_s, u"Film.1.srt"_s})
        touch(name);
    QDir(m_dir.path()).mkdir(u"Film.folder.srt"_s);

    QStringList found;
    for (const SubtitleFiles::File &file : SubtitleFiles::Find(path(u"Film.avi"_s)))
        found.append(QFileInfo(file.path).fileName() + u'|' + file.language);
    EXPECT_EQ(found, (QStringList{u"Film.en.ass|en"_s, u"Film.srt|"_s, u"Film.ssa|"_s,
                                  u"Film.sub|"_s, u"Film.vtt|"_s, u"film.ru.SRT|ru"_s}));
}

TEST_F(SubtitleFolder, NothingForAStreamOrAFilmWithoutFiles)
{
    touch(u"Film.avi"_s);
    EXPECT_TRUE(SubtitleFiles::Find(path(u"Film.avi"_s)).isEmpty());
    EXPECT_TRUE(SubtitleFiles::Find(u"http://h/Film.avi"_s).isEmpty());
    EXPECT_TRUE(SubtitleFiles::Find(QString()).isEmpty());
}

struct ChooseFileCase
{
    const char *name;
    QStringList languages; // of the files found, in order
    QString wanted;
    int expected; // index of the file chosen, -1 none
};

void PrintTo(const ChooseFileCase &c, std::ostream *os)
{
    *os << c.name;
}

class ChooseFileTest : public ::testing::TestWithParam<ChooseFileCase>
{
};

TEST_P(ChooseFileTest, FollowsTheLanguageSetting)
{
    const ChooseFileCase &c = GetParam();
    QList<SubtitleFiles::File> files;
    for (qsizetype i = 0; i < c.languages.size(); ++i)
        files.append({u"/m/f%1.srt"_s.arg(i), c.languages[i]});
    const QString chosen = SubtitleFiles::Choose(files, c.wanted);
    EXPECT_EQ(chosen, c.expected < 0 ? QString() : u"/m/f%1.srt"_s.arg(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChooseFileTest,
    ::testing::Values(ChooseFileCase{"noFiles", {}, u"ru"_s, -1},
                      ChooseFileCase{"emptySettingTakesTheFirst", {u"en"_s, u"ru"_s}, {}, 0},
                      ChooseFileCase{"wantedLanguage", {u"en"_s, u"ru"_s}, u"ru"_s, 1},
                      ChooseFileCase{"threeLetterSetting", {u"en"_s, u"ru"_s}, u"RUS"_s, 1},
                      ChooseFileCase{"threeLetterFile", {u""_s, u"eng"_s}, u"en"_s, 1},
                      ChooseFileCase{"otherLanguageFallsBack", {u"en"_s, u"de"_s}, u"ru"_s, 0},
                      ChooseFileCase{
                          "twoThreeLettersMustShareAStart", {u"de"_s, u"ger"_s}, u"ge"_s, 1}),
    [](const auto &info) { return std::string(info.param.name); });

struct TrackCase
{
    const char *name;
    QStringList languages;
    int fileTrack;
    QString wanted;
    int expected;
};

void PrintTo(const TrackCase &c, std::ostream *os)
{
    *os << c.name;
}

class ChooseTrackTest : public ::testing::TestWithParam<TrackCase>
{
};

TEST_P(ChooseTrackTest, PicksTheTrackShownAtTheStart)
{
    const TrackCase &c = GetParam();
    EXPECT_EQ(SubtitleTracks::Choose(c.languages, c.fileTrack, c.wanted), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChooseTrackTest,
    ::testing::Values(
        TrackCase{"noTracks", {}, 0, u"ru"_s, 0},
        TrackCase{"firstWithoutSetting", {u"en"_s, u"ru"_s}, 0, {}, 1},
        TrackCase{"fileBeatsEmbeddedWithoutSetting", {u"en"_s, u""_s}, 2, {}, 2},
        TrackCase{"embeddedInTheWantedLanguage", {u"en"_s, u"ru"_s, u"en"_s}, 3, u"ru"_s, 2},
        TrackCase{"fileInTheWantedLanguage", {u"en"_s, u"ru"_s}, 2, u"ru"_s, 2},
        TrackCase{"unmatchedSettingFallsToTheFile", {u"en"_s, u""_s}, 2, u"fr"_s, 2},
        TrackCase{"fileTrackOutOfRangeIgnored", {u"en"_s}, 4, u"fr"_s, 1}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(SubtitleKeyCycle, GoesThroughEveryTrackAndOff)
{
    EXPECT_EQ(SubtitleTracks::Next(0, 2), 1);
    EXPECT_EQ(SubtitleTracks::Next(1, 2), 2);
    EXPECT_EQ(SubtitleTracks::Next(2, 2), 0);
    EXPECT_EQ(SubtitleTracks::Next(0, 0), 0);
    EXPECT_EQ(SubtitleTracks::Next(5, 2), 0);
}

TEST(SubtitleFileNames, ExtensionsInAnyCase)
{
    EXPECT_TRUE(SubtitleFiles::IsSubtitleFile(u"/m/a.SRT"));
    EXPECT_TRUE(SubtitleFiles::IsSubtitleFile(u"/m/a.en.vtt"));
    EXPECT_FALSE(SubtitleFiles::IsSubtitleFile(u"/m/a.srt.avi"));
    EXPECT_FALSE(SubtitleFiles::IsSubtitleFile(u"/m.srt/a"));
    EXPECT_FALSE(SubtitleFiles::IsSubtitleFile(u"/m/asrt"));
}

} // namespace
