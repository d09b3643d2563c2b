#include "ttavrelapp.h"

#include <gtest/gtest.h>

namespace {

TEST(DvdTitleFromLabel, DropsStandardAndDiscWordsAndSpacesTheNumber)
{
    const std::pair<QString, QString> cases[] = {
        {"MY_FILM_NTSC", "MY FILM"},
        {"FILM_2", "FILM 2"},
        {"FILM2", "FILM 2"},
        {"film_dvd", "film"},
        {"Film_ntscDVD", "Film ntsc"},   // one round of each word, NTSC first
        {"SERIES_DVD3", "SERIES DVD 3"}, // a digit last keeps the word before it
        {"X9", "X 9"},
        {"7", "7"},
        {"NTSC", ""},
        {"", ""},
        {QStringLiteral("ABC") + QChar(0) + "junk", "ABC"},
        {"  _SPACED_  ", "SPACED"},
    };
    for (const auto &[label, title] : cases)
        EXPECT_EQ(TTavrelApp::DvdTitleFromLabel(label), title) << label.toStdString();
}

TEST(IntroductionSkipTitle, StartsTheLongestTitleOnlyWhenTheRestAreShort)
{
    const std::pair<QList<int>, int> cases[] = {
        {{}, 0},
        {{120}, 1},            // a single title always starts itself
        {{30, 5400, 40}, 2},   // short trailers around a film
        {{5400, 5400, 60}, 1}, // equal longest titles: the first is the film
        {{60, 5400, 5400}, 2},
        {{2900, 3000, 2900}, 0},     // similar lengths: an ordinary start
        {{0, 0}, 0},                 // no lengths at all
        {{30, -1, 40}, 0},           // a length unknown: nothing is skipped
        {{1400, 3000, 100, 100}, 2}, // (1600 / 4 - 1) * 100 / 3000 = 13 %
        {{1000, 752, 752}, 0},       // (1504 / 3 - 1) * 100 / 1000 = 50 %: the limit
        {{1000, 750, 750}, 1},       // (1500 / 3 - 1) * 100 / 1000 = 49 %
    };
    for (const auto &[seconds, title] : cases) {
        QStringList shown;
        for (int s : seconds)
            shown << QString::number(s);
        EXPECT_EQ(TTavrelApp::IntroductionSkipTitle(seconds), title)
            << shown.join(',').toStdString();
    }
}

} // namespace
