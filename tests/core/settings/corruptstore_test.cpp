#include "storefixture.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

using R = TSettingsRecord;

struct CorruptCase
{
    const char *name;
    QByteArray bytes;
};

void PrintTo(const CorruptCase &c, std::ostream *os)
{
    *os << c.name;
}

QByteArray noise(int size)
{
    QByteArray bytes(size, '\0');
    QRandomGenerator gen(1224);
    for (char &c : bytes)
        c = static_cast<char>(gen.bounded(256));
    return bytes;
}

class CorruptStore : public StoreTest, public ::testing::WithParamInterface<CorruptCase>
{
};

TEST_P(CorruptStore, ReadsDefaultsAndStillStoresWhatIsWritten)
{
    writeFile(GetParam().bytes);
    TSettingsRecord record;
    for (TLoadGroup g : {TLoadGroup::Creation, TLoadGroup::FirstPaint,
                         TLoadGroup::StartupBookkeeping, TLoadGroup::OnDemand})
        store().loadGroup(record, g);
    store().loadAspectPairs(record);
    EXPECT_EQ(record.Volume, 10000);
    EXPECT_EQ(record.RestSize, QRect());
    EXPECT_DOUBLE_EQ(record.AspectPairs[1].ratio(), 9.0 / 16.0);
    EXPECT_EQ(record.StartDate.date(), QDate::currentDate());

    record.Volume = 1234;
    record.RestSize = QRect(1, 2, 300, 400);
    store().saveAtExit(record, 2);

    TSettingsStore fresh(openRaw());
    TSettingsRecord read;
    fresh.loadGroup(read, TLoadGroup::Creation);
    fresh.loadGroup(read, TLoadGroup::FirstPaint);
    EXPECT_EQ(read.Volume, 1234);
    EXPECT_EQ(read.RestSize, QRect(1, 2, 300, 400));
}

INSTANTIATE_TEST_SUITE_P(
    Files, CorruptStore,
    ::testing::Values(
        CorruptCase{"noise", noise(4096)}, CorruptCase{"nulBytes", QByteArray(512, '\0')},
        CorruptCase{"truncatedByteArray", QByteArray("[General]\nRestSize=@ByteArray(\x01\x02")},
        CorruptCase{"wrongTypes",
                    QByteArrayLiteral("[General]\nVolume=@ByteArray(abc)\nRestSize=12\n"
                                      "StartDate=@Variant(\x00\x00\x00\x7f)\n"
                                      "[ar]\ny2=@Rect(1 2 3 4)\n")},
        CorruptCase{"brokenSections", QByteArray("[General\nVolume=77777\n[[ar]]]\n=\n==\n[")},
        CorruptCase{"longLine", QByteArray("[General]\nVolume=") + QByteArray(1 << 20, '9')},
        CorruptCase{"utf16", QByteArray("\xFF\xFE[\0G\0e\0n\0", 10)}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(StoreTest, ValuesBesideBrokenOnesAreStillRead)
{
    writeFile("[General]\nRestSize=@ByteArray(\x01)\nVolume=2500\n%%%\nTOPMOST=1\n");
    TSettingsRecord record;
    store().loadGroup(record, TLoadGroup::Creation);
    store().loadGroup(record, TLoadGroup::FirstPaint);
    EXPECT_EQ(record.RestSize, QRect());
    EXPECT_EQ(record.Volume, 2500);
    EXPECT_TRUE(record.TOPMOST);
}

} // namespace

namespace {

TEST_F(StoreTest, AFileThatDoesNotParseIsKeptAsideBeforeItIsRewritten)
{
    const QByteArray broken("[General\nVolume=77777\n[[ar]]]\n=\n==\n[");
    writeFile(broken);
    store().setValue(&TSettingsRecord::Volume, 50);
    QFile copy(confPath() + QStringLiteral(".broken"));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), broken);
    EXPECT_EQ(TSettingsStore(openRaw()).value(&TSettingsRecord::Volume), 50);
}

TEST_F(StoreTest, AFileThatParsesIsNotCopied)
{
    writeFile("[General]\nVolume=70\n");
    store().setValue(&TSettingsRecord::Volume, 50);
    EXPECT_FALSE(QFile::exists(confPath() + QStringLiteral(".broken")));
}

} // namespace
