#include "mediadialogs/audiotrackchoice.h"

#include <gtest/gtest.h>

namespace {

struct StepCase
{
    const char *name;
    int startDvdStream; // -1: a file
    int streams;
    const char *keys; // R next, L previous
    int track;
};

class TrackSteps : public ::testing::TestWithParam<StepCase>
{
};

TEST_P(TrackSteps, StayWithinTheStreams)
{
    const StepCase c = GetParam();
    TAudioTrackChoice choice;
    if (c.startDvdStream < 0)
        choice.StartFile();
    else
        choice.StartDvd(c.startDvdStream);
    for (const char *key = c.keys; *key; ++key) {
        if (*key == 'R')
            choice.Next(c.streams);
        else
            choice.Previous();
    }
    EXPECT_EQ(choice.Track(), c.track);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TrackSteps,
    ::testing::Values(StepCase{"FiveRightsOnThreeStopAtThree", -1, 3, "RRRRR", 3},
                      StepCase{"LeftFromOneStaysAtOne", -1, 3, "LL", 1},
                      StepCase{"RightThenLeftComesBack", -1, 3, "RRL", 2},
                      StepCase{"OneStreamNeverMoves", -1, 1, "RRR", 1},
                      StepCase{"DvdStartsAtTheNavigatorsStream", 1, 3, "", 2},
                      StepCase{"DvdLastStreamCannotGoFurther", 2, 3, "R", 3},
                      StepCase{"TitleWithFewerStreamsKeepsTheTrack", 3, 2, "R", 4},
                      StepCase{"NegativeNavigatorStreamStartsAtOne", -5, 2, "", 1}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(TrackSteps, ReportWhetherTheTrackMoved)
{
    TAudioTrackChoice choice;
    EXPECT_FALSE(choice.Previous());
    EXPECT_TRUE(choice.Next(2));
    EXPECT_FALSE(choice.Next(2));
    EXPECT_TRUE(choice.Previous());
}

struct CaptionCase
{
    const char *systemName;
    int track;
    const char *caption;
};

class DvdCaptions : public ::testing::TestWithParam<CaptionCase>
{
};

TEST_P(DvdCaptions, CutTheNameBeforeItsBracket)
{
    const CaptionCase c = GetParam();
    EXPECT_EQ(AudioTrackText::DvdCaption(c.track, QString::fromUtf8(c.systemName)),
              QString::fromUtf8(c.caption));
}

INSTANTIATE_TEST_SUITE_P(Cases, DvdCaptions,
                         ::testing::Values(CaptionCase{"English (United States)", 2, "2-English "},
                                           CaptionCase{"Deutsch", 1, "1-Deutsch"},
                                           CaptionCase{"A (b) (c)", 3, "3-A "},
                                           CaptionCase{"(x)", 1, "1-"}, CaptionCase{"", 4, "4-"}));

TEST(AudioTrackText, FileCaptionJoinsWordAndNumber)
{
    EXPECT_EQ(AudioTrackText::FileCaption(QStringLiteral("Дорожка"), 2),
              QStringLiteral("Дорожка - 2"));
}

TEST(AudioTrackText, SystemNamesOfDiscLanguageCodes)
{
    EXPECT_EQ(AudioTrackText::SystemLanguageName(QStringLiteral("en")),
              QStringLiteral("English (United States)"));
    EXPECT_EQ(AudioTrackText::SystemLanguageName(QStringLiteral("eng")),
              QStringLiteral("English (United States)"));
    EXPECT_EQ(AudioTrackText::SystemLanguageName(QStringLiteral("ru")),
              QStringLiteral("Russian (Russia)"));
    EXPECT_EQ(AudioTrackText::SystemLanguageName(QString()), QString());
    EXPECT_EQ(AudioTrackText::SystemLanguageName(QStringLiteral("zz9")), QString());
    // The caption of a DVD's English track, as the window shows it.
    EXPECT_EQ(
        AudioTrackText::DvdCaption(2, AudioTrackText::SystemLanguageName(QStringLiteral("en"))),
        QStringLiteral("2-English "));
}

} // namespace
