#include "text/legacytext.h"

#include <gtest/gtest.h>

namespace {

struct DecodeCase
{
    const char *name;
    QByteArray bytes;
    QString expected;
};

void PrintTo(const DecodeCase &c, std::ostream *os)
{
    *os << c.name;
}

class DecodeTest : public ::testing::TestWithParam<DecodeCase>
{};

TEST_P(DecodeTest, PicksEncodingAndKeepsEveryCharacter)
{
    EXPECT_EQ(LegacyText::decode(GetParam().bytes), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DecodeTest,
    ::testing::Values(
        DecodeCase{"empty", QByteArray(), QString()},
        DecodeCase{"ascii", QByteArray("Play list"), QStringLiteral("Play list")},
        DecodeCase{"utf8", QByteArray("\xD0\x92\xD1\x8B\xD1\x85\xD0\xBE\xD0\xB4"),
                   QStringLiteral(u"Выход")},
        DecodeCase{"utf8WithBom", QByteArray("\xEF\xBB\xBF\xD0\xAF"), QStringLiteral(u"Я")},
        DecodeCase{"cp1251", QByteArray("\xC2\xFB\xF5\xEE\xE4"), QStringLiteral(u"Выход")},
        DecodeCase{"cp1251YoAndNumero", QByteArray("\xA8\xB8\xB9"), QStringLiteral(u"Ёё№")},
        DecodeCase{"truncatedUtf8FallsBack", QByteArray("\xD0"), QStringLiteral(u"Р")},
        DecodeCase{"nulBytesKept", QByteArray("a\0b", 3), QString(QStringLiteral("a")
                                                                 + QChar(0) + QStringLiteral("b"))}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(LegacyText, EveryCp1251ByteMapsToOneCharacter)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = LegacyText::fromCp1251(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(text.at(0xC0), QChar(0x0410));
    EXPECT_EQ(text.at(0xFF), QChar(0x044F));
    EXPECT_EQ(text.at(0x88), QChar(0x20AC));
}

TEST(LegacyText, ValidityCheck)
{
    EXPECT_TRUE(LegacyText::isValidUtf8(QByteArray()));
    EXPECT_TRUE(LegacyText::isValidUtf8(QByteArray("\xE2\x82\xAC")));
    EXPECT_FALSE(LegacyText::isValidUtf8(QByteArray("\xE2\x82")));
    EXPECT_FALSE(LegacyText::isValidUtf8(QByteArray("\xFF")));
}

} // namespace
