#include "cmdline/tcommandline.h"

#include <gtest/gtest.h>

namespace {

struct SwitchCase
{
    const char *name;
    QStringList arguments;
    bool fullScreen, showPlaylist, exitAtEnd, rememberPositions, pan;
    int startSeconds, audioStream;
    std::optional<int> zoom;
};

void PrintTo(const SwitchCase &c, std::ostream *os)
{
    *os << c.name;
}

class SwitchTest : public ::testing::TestWithParam<SwitchCase>
{
};

TEST_P(SwitchTest, Parses)
{
    const SwitchCase &c = GetParam();
    const TCommandLine line = TCommandLine::parse(c.arguments);
    EXPECT_EQ(line.fullScreen, c.fullScreen);
    EXPECT_EQ(line.showPlaylist, c.showPlaylist);
    EXPECT_EQ(line.exitAtEnd, c.exitAtEnd);
    EXPECT_EQ(line.rememberPositions, c.rememberPositions);
    EXPECT_EQ(line.pan, c.pan);
    EXPECT_EQ(line.startSeconds, c.startSeconds);
    EXPECT_EQ(line.audioStream, c.audioStream);
    EXPECT_EQ(line.zoom, c.zoom);
    EXPECT_EQ(line.firstArgument(), c.arguments.value(0));
}

using L = QStringList;
INSTANTIATE_TEST_SUITE_P(
    CommandLine, SwitchTest,
    ::testing::Values(
        SwitchCase{"none", L{}, false, false, false, false, false, 0, 1, std::nullopt},
        SwitchCase{"fileOnly", L{"film.avi"}, false, false, false, false, false, 0, 1, {}},
        SwitchCase{"allFlags",
                   L{"f.avi", "-fs", " -SP ", "-EEnd", "-mp", "-Pan"},
                   true,
                   true,
                   true,
                   true,
                   true,
                   0,
                   1,
                   {}},
        SwitchCase{
            "startTime", L{"f.avi", "-STIME=90"}, false, false, false, false, false, 90, 1, {}},
        SwitchCase{"startTimeNotNumber",
                   L{"f.avi", "-STIME=1:30"},
                   false,
                   false,
                   false,
                   false,
                   false,
                   0,
                   1,
                   {}},
        SwitchCase{
            "startTimeEmpty", L{"f.avi", "-stime="}, false, false, false, false, false, 0, 1, {}},
        SwitchCase{"audioStream", L{"f.avi", "-AS2"}, false, false, false, false, false, 0, 2, {}},
        SwitchCase{
            "audioStreamAlone", L{"f.avi", "-AS"}, false, false, false, false, false, 0, 1, {}},
        SwitchCase{"zoom", L{"-ZOOM=40", "f.avi"}, false, false, false, false, false, 0, 1, 40},
        SwitchCase{"lastValueWins",
                   L{"f.avi", "-AS3", "-AS2", "-STIME=5", "-STIME=7"},
                   false,
                   false,
                   false,
                   false,
                   false,
                   7,
                   2,
                   {}},
        // Only whole words are flags; a prefix of a flag or extra letters is nothing.
        SwitchCase{
            "notFlags", L{"-F", "-FSX", "-S", "FS"}, false, false, false, false, false, 0, 1, {}},
        // Prefix switches match at the first character only.
        SwitchCase{
            "prefixInside", L{"x-STIME=5", "a-AS2"}, false, false, false, false, false, 0, 1, {}}));

TEST(WholeNumber, AcceptsSignsAndSpacesOnly)
{
    EXPECT_EQ(parseWholeNumber(QStringLiteral(" 42 ")), 42);
    EXPECT_EQ(parseWholeNumber(QStringLiteral("-7")), -7);
    EXPECT_EQ(parseWholeNumber(QStringLiteral("+7")), 7);
    EXPECT_EQ(parseWholeNumber(QStringLiteral("7s")), std::nullopt);
    EXPECT_EQ(parseWholeNumber(QString()), std::nullopt);
    EXPECT_EQ(parseWholeNumber(QStringLiteral("99999999999")), std::nullopt);
}

} // namespace
