#include "playback/resumerule.h"
#include "playback/tresumepositions.h"
#include "settings/settingsstore.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ThresholdCase
{
    const char *name;
    TResumeCandidate candidate;
    TResumeThresholds thresholds;
    bool kept;
};

TResumeCandidate playing(qint64 position, qint64 duration)
{
    return {true, false, position, duration};
}

class ResumeThresholdTest : public ::testing::TestWithParam<ThresholdCase>
{
};

TEST_P(ResumeThresholdTest, DecidesInWholeMinutes)
{
    EXPECT_EQ(ResumeRule::WorthKeeping(GetParam().candidate, GetParam().thresholds),
              GetParam().kept);
}

const TResumeThresholds kDefaults{30, 10, 2};

INSTANTIATE_TEST_SUITE_P(
    Boundaries, ResumeThresholdTest,
    ::testing::Values(
        ThresholdCase{"AllAtTheirLimits", playing(600, 1800), kDefaults, true},
        ThresholdCase{"FilmOneSecondShort", playing(600, 1799), kDefaults, false},
        ThresholdCase{"StartOneSecondShort", playing(599, 1800), kDefaults, false},
        ThresholdCase{"EndExactlyTwoMinutes", playing(1680, 1800), kDefaults, true},
        ThresholdCase{"EndOneSecondShort", playing(1681, 1800), kDefaults, false},
        ThresholdCase{"PositionZeroNeverKept", playing(0, 1800), TResumeThresholds{0, 0, 0}, false},
        ThresholdCase{"ZeroThresholds", playing(1, 1), TResumeThresholds{0, 0, 0}, true},
        ThresholdCase{"NoMedium", TResumeCandidate{false, false, 600, 7200}, kDefaults, false},
        ThresholdCase{"Dvd", TResumeCandidate{true, true, 600, 7200}, kDefaults, false},
        ThresholdCase{"NegativePosition", playing(-1, 7200), TResumeThresholds{0, 0, 0}, false},
        // Sixteen bits hold the position: beyond them it would come back as another place.
        ThresholdCase{"LargestStorable", playing(0xFFFF, 100000), kDefaults, true},
        ThresholdCase{"BeyondSixteenBits", playing(0x10000, 100000), kDefaults, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ResumeValue, PositionInLowHalfSaltInHighHalf)
{
    EXPECT_EQ(ResumeRule::Pack(600, 0), 600u);
    EXPECT_EQ(ResumeRule::Pack(600, 65534), 0xFFFE0258u);
    EXPECT_EQ(ResumeRule::Pack(600, 65535), 600u); // the salt never reaches 65535
    EXPECT_EQ(ResumeRule::Unpack(0xFFFE0258u), 600);
    EXPECT_EQ(ResumeRule::Unpack(0x0001FFFFu), 0xFFFF);
}

class ResumePositionsTest : public ::testing::Test
{
protected:
    ResumePositionsTest()
        : m_store(std::make_unique<QSettings>(confPath(), QSettings::IniFormat))
        , m_positions(m_store, [] { return 0x1234u; })
    {}

    QString confPath() const { return m_dir.filePath(QStringLiteral("Tavrel.conf")); }

    QString film(const QString &name, char fill = 'f', qsizetype size = 4000)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        QByteArray bytes(size, fill);
        bytes[size / 2] = 'x';
        file.write(bytes);
        return path;
    }

    QStringList storedNames() const
    {
        QSettings raw(confPath(), QSettings::IniFormat);
        raw.beginGroup(QStringLiteral("files"));
        return raw.childKeys();
    }

    QVariant storedValue(const QString &name) const
    {
        return QSettings(confPath(), QSettings::IniFormat).value(QStringLiteral("files/") + name);
    }

    QTemporaryDir m_dir;
    TSettingsStore m_store;
    TResumePositions m_positions;
};

TEST_F(ResumePositionsTest, StoredOnceTakenOnce)
{
    const QString path = film(QStringLiteral("a.avi"));
    ASSERT_TRUE(m_positions.Store(path, playing(1234, 7200), kDefaults));
    ASSERT_EQ(storedNames().size(), 1);
    EXPECT_EQ(storedValue(storedNames().first()).toUInt(), 0x123404D2u);

    EXPECT_EQ(m_positions.Take(path), 1234);
    EXPECT_EQ(m_positions.Take(path), std::nullopt);
    EXPECT_TRUE(storedNames().isEmpty());
}

TEST_F(ResumePositionsTest, CopiesWithTheSameMiddleShareThePosition)
{
    ASSERT_TRUE(m_positions.Store(film(QStringLiteral("a.avi")), playing(900, 7200), kDefaults));
    EXPECT_EQ(m_positions.Take(film(QStringLiteral("copy.avi"))), 900);
}

TEST_F(ResumePositionsTest, NothingWrittenWhenNotWorthKeeping)
{
    EXPECT_FALSE(m_positions.Store(film(QStringLiteral("a.avi")), playing(60, 7200), kDefaults));
    // Too short from its middle to have a fingerprint.
    EXPECT_FALSE(
        m_positions.Store(film(QStringLiteral("b.avi"), 'b', 1500), playing(900, 7200), kDefaults));
    EXPECT_FALSE(m_positions.Store(m_dir.filePath(QStringLiteral("gone.avi")), playing(900, 7200),
                                   kDefaults));
    EXPECT_TRUE(storedNames().isEmpty());
}

TEST_F(ResumePositionsTest, ForgetRemovesOnlyThatFilm)
{
    const QString a = film(QStringLiteral("a.avi"), 'a');
    const QString b = film(QStringLiteral("b.avi"), 'b');
    ASSERT_TRUE(m_positions.Store(a, playing(900, 7200), kDefaults));
    ASSERT_TRUE(m_positions.Store(b, playing(1000, 7200), kDefaults));
    m_positions.Forget(a);
    EXPECT_EQ(m_positions.Take(a), std::nullopt);
    EXPECT_EQ(m_positions.Take(b), 1000);
}

// Values written by hand or by something else are used up without harm.
TEST_F(ResumePositionsTest, UnusableStoredValuesAreDropped)
{
    const QString path = film(QStringLiteral("a.avi"));
    ASSERT_TRUE(m_positions.Store(path, playing(900, 7200), kDefaults));
    const QString name = storedNames().first();
    const QVariant unusable[]
        = {QStringLiteral("soon"), QByteArray("\x01\x02", 2), QVariant(0x00050000u)};
    for (const QVariant &value : unusable) {
        {
            QSettings raw(confPath(), QSettings::IniFormat);
            raw.setValue(QStringLiteral("files/") + name, value);
        }
        EXPECT_EQ(m_positions.Take(path), std::nullopt) << value.toString().toStdString();
        EXPECT_TRUE(storedNames().isEmpty());
    }
}

} // namespace
