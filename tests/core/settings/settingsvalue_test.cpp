#include "settings/settingsvalue.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>

namespace {

QByteArray doubleBytes(double d)
{
    QByteArray bytes(8, '\0');
    std::memcpy(bytes.data(), &d, 8); // the test machines are little-endian
    return bytes;
}

TEST(RectLayout, FourLittleEndianSignedNumbersLeftTopWidthHeight)
{
    const QByteArray bytes = SettingsValue::packRect(QRect(-2, 258, 640, 480));
    const QByteArray expected("\xFE\xFF\xFF\xFF"
                              "\x02\x01\x00\x00"
                              "\x80\x02\x00\x00"
                              "\xE0\x01\x00\x00",
                              16);
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(SettingsValue::unpackRect(expected), QRect(-2, 258, 640, 480));
}

TEST(RectLayout, ZeroAndNegativeSizesSurviveARoundTrip)
{
    for (const QRect &r : {QRect(0, 0, 0, 0), QRect(10, 20, 0, 300), QRect(5, 5, -3, 7)}) {
        const auto back = SettingsValue::unpackRect(SettingsValue::packRect(r));
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(back->left(), r.left());
        EXPECT_EQ(back->top(), r.top());
        EXPECT_EQ(back->width(), r.width());
        EXPECT_EQ(back->height(), r.height());
    }
}

TEST(RectLayout, UnusableStoredFormsGiveNothing)
{
    const QByteArray good = SettingsValue::packRect(QRect(1, 2, 3, 4));
    const QByteArray overflowing("\xFF\xFF\xFF\x7F"
                                 "\x00\x00\x00\x00"
                                 "\xFF\xFF\xFF\x7F"
                                 "\x01\x00\x00\x00",
                                 16);
    const QVariant cases[] = {QVariant(),
                              QVariant(good.left(15)),
                              QVariant(good + QByteArray(1, '\0')),
                              QVariant(QString::fromLatin1(good.toHex())),
                              QVariant(42),
                              QVariant(overflowing)};
    for (const QVariant &v : cases)
        EXPECT_FALSE(SettingsValue::unpackRect(v).has_value()) << v.typeName();
}

struct DaysCase
{
    double days;
    QDateTime time;
};

class TimeLayout : public ::testing::TestWithParam<DaysCase>
{
};

TEST_P(TimeLayout, DaysSince1899WithTimeOfDayAsFraction)
{
    const DaysCase &c = GetParam();
    EXPECT_DOUBLE_EQ(SettingsValue::toDays(c.time), c.days);
    EXPECT_EQ(SettingsValue::fromDays(c.days), c.time);
    EXPECT_EQ(SettingsValue::packTime(c.time), doubleBytes(c.days));
    EXPECT_EQ(SettingsValue::unpackTime(doubleBytes(c.days)), c.time);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, TimeLayout,
    ::testing::Values(DaysCase{0.0, QDateTime(QDate(1899, 12, 30), QTime(0, 0))},
                      DaysCase{2.0, QDateTime(QDate(1900, 1, 1), QTime(0, 0))},
                      DaysCase{36526.5, QDateTime(QDate(2000, 1, 1), QTime(12, 0))},
                      DaysCase{45000.25, QDateTime(QDate(2023, 3, 15), QTime(6, 0))},
                      // Before the epoch the fraction still counts forward from midnight.
                      DaysCase{-1.25, QDateTime(QDate(1899, 12, 29), QTime(6, 0))},
                      DaysCase{-693593.0, QDateTime(QDate(1, 1, 1), QTime(0, 0))}));

TEST(TimeLayout, MillisecondsSurviveARoundTrip)
{
    const QDateTime t(QDate(2026, 12, 8), QTime(23, 59, 59, 999));
    EXPECT_EQ(SettingsValue::unpackTime(SettingsValue::packTime(t)), t);
}

TEST(TimeLayout, UnusableStoredFormsGiveNothing)
{
    const QVariant cases[] = {QVariant(),
                              QVariant(doubleBytes(1.0).left(7)),
                              QVariant(QStringLiteral("45000.5")),
                              QVariant(45000),
                              QVariant(doubleBytes(std::numeric_limits<double>::quiet_NaN())),
                              QVariant(doubleBytes(std::numeric_limits<double>::infinity())),
                              QVariant(doubleBytes(1e300)),
                              QVariant(doubleBytes(-1e9)),
                              QVariant(doubleBytes(2958466.0))};
    for (const QVariant &v : cases)
        EXPECT_FALSE(SettingsValue::unpackTime(v).has_value()) << v.toByteArray().toHex().data();
}

struct NumberCase
{
    const char *name;
    QVariant stored;
    std::optional<qint32> asInt;
    std::optional<bool> asBool;
};

void PrintTo(const NumberCase &c, std::ostream *os)
{
    *os << c.name;
}

class NumberReading : public ::testing::TestWithParam<NumberCase>
{
};

TEST_P(NumberReading, AcceptsOnlyWholeThirtyTwoBitNumbers)
{
    EXPECT_EQ(SettingsValue::toInt(GetParam().stored), GetParam().asInt);
    EXPECT_EQ(SettingsValue::toBool(GetParam().stored), GetParam().asBool);
}

INSTANTIATE_TEST_SUITE_P(
    Stored, NumberReading,
    ::testing::Values(
        NumberCase{"absent", QVariant(), std::nullopt, std::nullopt},
        NumberCase{"number", QVariant(7), 7, true}, NumberCase{"zero", QVariant(0), 0, false},
        NumberCase{"text", QVariant(QStringLiteral("-12")), -12, true},
        NumberCase{"paddedText", QVariant(QStringLiteral(" 30 ")), 30, true},
        NumberCase{"dwordBits", QVariant(QStringLiteral("4294967295")), -1, true},
        NumberCase{"unsigned", QVariant(3000000000u), static_cast<qint32>(3000000000u), true},
        NumberCase{"tooLarge", QVariant(QStringLiteral("4294967296")), std::nullopt, std::nullopt},
        NumberCase{"tooSmall", QVariant(qint64(-2147483649LL)), std::nullopt, std::nullopt},
        NumberCase{"word", QVariant(QStringLiteral("abc")), std::nullopt, std::nullopt},
        NumberCase{"fraction", QVariant(QStringLiteral("1.5")), std::nullopt, std::nullopt},
        NumberCase{"empty", QVariant(QString()), std::nullopt, std::nullopt},
        NumberCase{"bytes", QVariant(QByteArray("\x01\x00\x00\x00", 4)), std::nullopt,
                   std::nullopt},
        NumberCase{"list", QVariant(QStringList{QStringLiteral("1"), QStringLiteral("2")}),
                   std::nullopt, std::nullopt},
        NumberCase{"trueWord", QVariant(QStringLiteral("True")), std::nullopt, true},
        NumberCase{"falseWord", QVariant(QStringLiteral("false")), std::nullopt, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(TextReading, OnlyTextIsText)
{
    EXPECT_EQ(SettingsValue::toText(QVariant(QStringLiteral("Default"))),
              QStringLiteral("Default"));
    EXPECT_EQ(SettingsValue::toText(QVariant(QString())), QString());
    EXPECT_FALSE(SettingsValue::toText(QVariant()).has_value());
    EXPECT_FALSE(SettingsValue::toText(QVariant(QByteArray("abc"))).has_value());
    EXPECT_FALSE(SettingsValue::toText(QVariant(QStringList{QStringLiteral("a")})).has_value());
}

} // namespace
