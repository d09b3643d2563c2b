#include "dvd/tdvdlanguagetable.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

TEST(DvdLanguageTable, EveryIdentifierOnceWithANameAndATwoLetterCode)
{
    const auto all = TDvdLanguageTable::All();
    ASSERT_EQ(static_cast<int>(all.size()), 104);
    QSet<int> ids;
    for (const TDvdLanguage &language : all) {
        EXPECT_FALSE(ids.contains(language.Id)) << std::hex << language.Id;
        ids.insert(language.Id);
        EXPECT_FALSE(language.Name.empty());
        EXPECT_EQ(TDvdLanguageTable::IsoCode(language.Id).size(), 2) << std::hex << language.Id;
        // The primary language (low ten bits) decides the code, so all its regional
        // variants agree; Croatian/Serbian and the two Norwegians share a primary number.
        const int primary = language.Id & 0x3FF;
        if (primary == 0x1A || primary == 0x14)
            continue;
        for (const TDvdLanguage &other : all) {
            if ((other.Id & 0x3FF) == primary) {
                EXPECT_EQ(TDvdLanguageTable::IsoCode(other.Id),
                          TDvdLanguageTable::IsoCode(language.Id))
                    << std::hex << other.Id << " " << language.Id;
            }
        }
    }
    EXPECT_EQ(all.front().Id, 0x401);
    EXPECT_EQ(all.back().Id, 0x438);
}

TEST(DvdLanguageTable, UnknownIdentifiersHaveNoEntry)
{
    EXPECT_EQ(TDvdLanguageTable::Find(0), nullptr);
    EXPECT_EQ(TDvdLanguageTable::Find(0x7FFF), nullptr);
    EXPECT_TRUE(TDvdLanguageTable::IsoCode(0).isEmpty());
    EXPECT_TRUE(TDvdLanguageTable::DisplayName(0x999).isEmpty());
    EXPECT_EQ(TDvdLanguageTable::DisplayName(0x419), QStringLiteral("Russian"));
    EXPECT_EQ(TDvdLanguageTable::IsoCode(0x807), QStringLiteral("de"));
}

struct MatchCase
{
    int id;
    const char16_t *stream;
    bool matches;
};

class DvdLanguageMatchTest : public ::testing::TestWithParam<MatchCase>
{
};

TEST_P(DvdLanguageMatchTest, Matches)
{
    const MatchCase &c = GetParam();
    EXPECT_EQ(TDvdLanguageTable::Matches(c.id, QStringView(c.stream)), c.matches)
        << std::hex << c.id << " " << QString::fromUtf16(c.stream).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Streams, DvdLanguageMatchTest,
    ::testing::Values(MatchCase{0x419, u"ru", true}, MatchCase{0x419, u"RUS", true},
                      MatchCase{0x809, u"en", true}, MatchCase{0x409, u"en-US", true},
                      MatchCase{0x409, u"en_GB", true}, MatchCase{0x407, u"ger", true},
                      MatchCase{0x407, u"deu", true}, MatchCase{0x40D, u"iw", true},
                      MatchCase{0x414, u"no", true}, MatchCase{0x814, u"no", true},
                      MatchCase{0x414, u"nn", false}, MatchCase{0x419, u"en", false},
                      MatchCase{0x419, u"", false}, MatchCase{0x419, u"r", false},
                      MatchCase{0x419, u"rusx", false}, MatchCase{0, u"ru", false},
                      MatchCase{0x1234, u"ru", false}));

TEST(DvdLanguageTable, PreferredStreamIsTheLastMatchAmongTheFirstTen)
{
    const int russian = 0x419;
    EXPECT_EQ(
        TDvdLanguageTable::PreferredStream(russian, {QStringLiteral("en"), QStringLiteral("ru")}),
        1);
    EXPECT_EQ(TDvdLanguageTable::PreferredStream(
                  russian, {QStringLiteral("ru"), QStringLiteral("en"), QStringLiteral("rus")}),
              2);
    EXPECT_EQ(TDvdLanguageTable::PreferredStream(russian, {QStringLiteral("ru")}), -1);
    EXPECT_EQ(TDvdLanguageTable::PreferredStream(0, {QStringLiteral("ru"), QStringLiteral("ru")}),
              -1);
    EXPECT_EQ(
        TDvdLanguageTable::PreferredStream(russian, {QStringLiteral("en"), QStringLiteral("fr")}),
        -1);
    QStringList eleven(10, QStringLiteral("en"));
    eleven.append(QStringLiteral("ru"));
    EXPECT_EQ(TDvdLanguageTable::PreferredStream(russian, eleven), -1);
    eleven[9] = QStringLiteral("ru");
    EXPECT_EQ(TDvdLanguageTable::PreferredStream(russian, eleven), 9);
}

} // namespace
