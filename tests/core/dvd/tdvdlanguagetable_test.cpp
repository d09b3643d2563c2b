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

TEST(DvdLanguageTable, StreamLanguagesMatchEveryVariantOfTheirLanguage)
{
    struct Case
    {
        int id;
        const char16_t *stream;
        bool matches;
    };
    const Case cases[] = {
        {0x419, u"RUS", true},   {0x809, u"en", true},   {0x409, u"en-US", true},
        {0x409, u"en_GB", true}, {0x407, u"ger", true},  {0x407, u"deu", true},
        {0x40D, u"iw", true},    {0x814, u"no", true},   {0x414, u"nn", false},
        {0x419, u"en", false},   {0x419, u"", false},    {0x419, u"rusx", false},
        {0, u"ru", false},       {0x1234, u"ru", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(TDvdLanguageTable::Matches(c.id, QStringView(c.stream)), c.matches)
            << std::hex << c.id << " " << QString::fromUtf16(c.stream).toStdString();
}

TEST(DvdLanguageTable, PreferredStreamIsTheLastMatchAmongTheFirstTen)
{
    const auto preferred = [](int id, const char *languages) {
        return TDvdLanguageTable::PreferredStream(
            id, QString::fromLatin1(languages).split(u' ', Qt::SkipEmptyParts));
    };
    EXPECT_EQ(preferred(0x419, "ru en rus"), 2);
    EXPECT_EQ(preferred(0x419, "ru"), -1); // a single stream is never switched
    EXPECT_EQ(preferred(0, "ru ru"), -1);
    EXPECT_EQ(preferred(0x419, "en fr"), -1);
    EXPECT_EQ(preferred(0x419, "en en en en en en en en en en ru"), -1);
    EXPECT_EQ(preferred(0x419, "en en en en en en en en en ru ru"), 9);
}

} // namespace
