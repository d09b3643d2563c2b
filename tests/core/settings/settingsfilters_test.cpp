#include "settings/openplaces.h"
#include "settings/settingsfilters.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace SettingsFilters;

TEST(SettingsFilters, NumbersFallBackWhenTheTextIsNoWholeNumber)
{
    const struct
    {
        const char *text;
        int fallback;
        int expected;
    } cases[] = {{"", 10, 10},   {"12", 10, 12}, {" 7 ", 0, 7},
                 {"1x", 60, 60}, {"-3", 0, -3},  {"99999999999", 30, 30}};
    for (const auto &c : cases)
        EXPECT_EQ(NumberOr(QString::fromUtf8(c.text), c.fallback), c.expected) << c.text;
}

TEST(SettingsFilters, QuickVolumeIsHeldToAPercent)
{
    const struct
    {
        const char *typed;
        const char *shown;
    } cases[] = {{"", "100"}, {"abc", "100"}, {"101", "100"}, {"999", "100"},
                 {"-1", "0"}, {"0", "0"},     {"55", "55"},   {"100", "100"}};
    for (const auto &c : cases)
        EXPECT_EQ(PercentText(QString::fromUtf8(c.typed)), QString::fromUtf8(c.shown)) << c.typed;
}

TEST(SettingsFilters, AnAspectSideIsNeverZeroOrNegative)
{
    const struct
    {
        const char *typed;
        const char *shown;
    } cases[] = {{"0", "1"}, {"", "1"}, {"-", "1"}, {"-9", "9"}, {"16", "16"}, {"00", "1"}};
    for (const auto &c : cases)
        EXPECT_EQ(AspectText(QString::fromUtf8(c.typed)), QString::fromUtf8(c.shown)) << c.typed;
}

TEST(SettingsFilters, DriveKeysBecomeTheLatinLetterOfTheSameKey)
{
    const struct
    {
        char16_t typed;
        char16_t letter; // 0: dropped
    } cases[] = {{u'п', u'G'}, {u'П', u'G'}, {u'й', u'Q'}, {u'ь', u'M'}, {u'g', u'G'},
                 {u'Z', u'Z'}, {u'1', 0},    {u'ё', 0},    {u':', 0},    {u'х', 0}};
    for (const auto &c : cases) {
        const auto letter = DriveKey(QChar(c.typed));
        if (c.letter == 0)
            EXPECT_FALSE(letter.has_value()) << QString(QChar(c.typed)).toStdString();
        else
            EXPECT_EQ(letter, QChar(c.letter)) << QString(QChar(c.typed)).toStdString();
    }
}

TEST(SettingsFilters, DriveLettersKeepOnlyOpticalDrivesEachOnce)
{
    const struct
    {
        const char *text;
        const char *optical;
        const char *kept;
        int caret;
        int caretAfter;
    } cases[] = {
        {"G", "DG", "G", 1, 1},     {"GG", "DG", "G", 2, 1}, {"CG", "DG", "G", 1, 0},
        {"DGCD", "DG", "DG", 3, 2}, {"", "DG", "", 0, 0},    {"GD", "", "", 2, 0},
        {"DCG", "DG", "DG", 3, 2},
    };
    for (const auto &c : cases) {
        const QString text = QString::fromUtf8(c.text);
        const QString optical = QString::fromUtf8(c.optical);
        EXPECT_EQ(DriveLetters(text, optical), QString::fromUtf8(c.kept)) << c.text;
        EXPECT_EQ(CaretAfterFilter(text, c.caret, optical), c.caretAfter) << c.text;
    }
}

TEST(SettingsFilters, SplitListKeepsTrimmedNonEmptyParts)
{
    EXPECT_EQ(SplitList(QStringLiteral(" avi; ;mkv ;;  mp4 ;"), QLatin1Char(';')),
              QStringList({QStringLiteral("avi"), QStringLiteral("mkv"), QStringLiteral("mp4")}));
    EXPECT_TRUE(SplitList(QStringLiteral(" ; ; "), QLatin1Char(';')).isEmpty());
    EXPECT_TRUE(SplitList(QString(), QLatin1Char(';')).isEmpty());
}

TEST(OpenPlaces, AStoredFolderReplacesOnlyItsOwnPlace)
{
    const QString stored = OpenPlaces::WithPlace(QString(), 2, QStringLiteral("/films"));
    EXPECT_EQ(stored, QStringLiteral("\n\n/films\n\n"));
    const QList<QUrl> urls = OpenPlaces::SidebarUrls(stored);
    ASSERT_GE(urls.size(), 3);
    EXPECT_EQ(urls.at(0), QUrl::fromLocalFile(QDir::homePath()));
    EXPECT_TRUE(urls.contains(QUrl::fromLocalFile(QStringLiteral("/films"))));
    EXPECT_TRUE(urls.contains(QUrl::fromLocalFile(QDir::rootPath())));
    // A place out of range changes nothing; the network place has no default folder.
    EXPECT_EQ(OpenPlaces::WithPlace(stored, 7, QStringLiteral("/x")), stored);
    const QString network = OpenPlaces::WithPlace(QString(), 4, QStringLiteral("/net"));
    EXPECT_EQ(OpenPlaces::SidebarUrls(network).constLast(),
              QUrl::fromLocalFile(QStringLiteral("/net")));
}
