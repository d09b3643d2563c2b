#include "lang/langfile.h"

#include <gtest/gtest.h>

namespace {

struct ParseCase
{
    const char *name;
    QByteArray file;
    int index;
    const char16_t *expected; // empty: the file gives no text for the index
};

void PrintTo(const ParseCase &c, std::ostream *os)
{
    *os << c.name;
}

class LangFileParse : public ::testing::TestWithParam<ParseCase>
{
};

TEST_P(LangFileParse, GivesTextOfIndex)
{
    EXPECT_EQ(LangFile::parse(GetParam().file).text(GetParam().index),
              QString::fromUtf16(GetParam().expected));
}

const QByteArray kLongText(LangFile::kMaxTextLength, 'x');
const std::u16string kLongExpected(LangFile::kMaxTextLength, u'x');

INSTANTIATE_TEST_SUITE_P(
    Rules, LangFileParse,
    ::testing::Values(
        ParseCase{"plainKey", "[recal]\n0=Open...\n", 0, u"Open..."},
        ParseCase{"otherIndexUntouched", "[recal]\n0=Open...\n", 1, u""},
        ParseCase{"firstKeyWins", "[recal]\n5=First\n5=Second\n", 5, u"First"},
        ParseCase{"firstEmptyKeyStillWins", "[recal]\n5=\n5=Second\n", 5, u""},
        ParseCase{"blankValue", "[recal]\n5= \t \x01\n", 5, u""},
        ParseCase{"trimsKeyAndValue", "[recal]\n\t 7 \t=\t Next \x01\r\n", 7, u"Next"},
        ParseCase{"innerSpacesKept", "[recal]\n7=Next  track\n", 7, u"Next  track"},
        ParseCase{"valueKeepsLaterEquals", "[recal]\n3=a=b\n", 3, u"a=b"},
        ParseCase{"valueKeepsQuotes", "[recal]\n64=\"Playback\"\n", 64, u"\"Playback\""},
        ParseCase{"lastIndex", "[recal]\n198=File types\n", 198, u"File types"},
        ParseCase{"leadingZeroIsAnotherKey", "[recal]\n05=X\n", 5, u""},
        ParseCase{"signIsAnotherKey", "[recal]\n+5=X\n", 5, u""},
        ParseCase{"keyNeverTruncated", "[recal]\n1000=X\n", 100, u""},
        ParseCase{"lineWithoutEquals", "[recal]\n5\n", 5, u""},
        ParseCase{"otherSection", "[other]\n0=X\n", 0, u""},
        ParseCase{"keysBeforeAnySection", "0=X\n[recal]\n", 0, u""},
        ParseCase{"sectionNameIgnoresCase", "[ReCaL]\n0=X\n", 0, u"X"},
        ParseCase{"sectionNameTrimmed", "  [ recal ]  \n0=X\n", 0, u"X"},
        ParseCase{"sectionEndsAtNext", "[recal]\n[other]\n0=X\n", 0, u""},
        ParseCase{"unclosedBracketIsNoSection", "[other]\n[recal\n0=X\n", 0, u""},
        ParseCase{"repeatedSectionAddsKeys", "[recal]\n0=A\n[x]\n[recal]\n1=B\n", 1, u"B"},
        ParseCase{"repeatedSectionFirstWins", "[recal]\n0=A\n[recal]\n0=B\n", 0, u"A"},
        ParseCase{"comment", "[recal]\n;0=X\n", 0, u""},
        ParseCase{"indentedComment", "[recal]\n  ;0=X\n", 0, u""},
        ParseCase{"carriageReturnsOnly", "[recal]\r0=A\r1=B", 1, u"B"},
        ParseCase{"cp1251", "[recal]\n0=\xCE\xF2\xEA\xF0\xFB\xF2\xFC\n", 0, u"Открыть"},
        ParseCase{"utf8",
                  "[recal]\n0=\xC3\x96"
                  "ffnen\n",
                  0, u"Öffnen"},
        ParseCase{"utf8ByteOrderMark", "\xEF\xBB\xBF[recal]\n0=X\n", 0, u"X"},
        ParseCase{"longestText", "[recal]\n0=" + kLongText, 0, kLongExpected.c_str()},
        ParseCase{"overlongText", "[recal]\n0=x" + kLongText, 0, u""},
        ParseCase{"nulBytesAroundLine", QByteArray("\0[recal]\0\n0=X\0", 14), 0, u"X"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(LangFile, IndicesOutsideTableGiveNothing)
{
    const LangFile file = LangFile::parse(QByteArray("[recal]\n205=X\n250=Y\n-1=Z\n"));
    for (const int index : {-1, 205, 250})
        EXPECT_TRUE(file.text(index).isEmpty()) << index;
}

} // namespace
