#include "discs/disclayout.h"
#include "disctestsupport.h"

namespace {

struct LayoutCase
{
    const char *label;
    std::vector<std::pair<const char16_t *, const char *>> files;
    TDiscLayout expected;
};

class DiscLayoutTest : public ::testing::TestWithParam<LayoutCase>
{
};

TEST_P(DiscLayoutTest, Detects)
{
    TestDisc disc;
    for (const auto &[name, contents] : GetParam().files)
        disc.write(QString::fromUtf16(name), QByteArray(contents));
    EXPECT_EQ(DetectDiscLayout(disc.root()), GetParam().expected) << GetParam().label;
}

const char kAutorun[]
    = "[autorun]\r\nopen=x.exe\r\n  [Configuration]  \r\n  infofilename=i.txt\r\n";

INSTANTIATE_TEST_SUITE_P(
    Markers, DiscLayoutTest,
    ::testing::Values(
        LayoutCase{"fly vcd", {{u"FlyVCD.exe", ""}, {u"VIDEOCD.MLS", ""}}, TDiscLayout::FlyVcd},
        LayoutCase{"fly vcd, other case",
                   {{u"flyvcd.EXE", ""}, {u"videocd.mls", ""}},
                   TDiscLayout::FlyVcd},
        LayoutCase{"fly vcd, one marker", {{u"FlyVCD.exe", ""}}, TDiscLayout::None},
        LayoutCase{"divx player",
                   {{u"DivX_Player.exe", ""}, {u"data/ALL.DAT", ""}},
                   TDiscLayout::DivXPlayer},
        LayoutCase{"readme", {{u"MOVIE.AVI", ""}, {u"readme.txt", ""}}, TDiscLayout::MovieReadme},
        LayoutCase{"autorun", {{u"AUTORUN.INF", kAutorun}}, TDiscLayout::AutorunInfo},
        LayoutCase{"autorun, key before section",
                   {{u"AUTORUN.INF", "InfoFileName=i.txt\n[CONFIGURATION]\n"}},
                   TDiscLayout::None},
        LayoutCase{"autorun, key in another section only",
                   {{u"AUTORUN.INF", "[autorun]\nInfoFileName=i.txt\n"}},
                   TDiscLayout::None},
        LayoutCase{
            "autorun, binary", {{u"AUTORUN.INF", "\x01\x02\xff\xfe\x00[CON"}}, TDiscLayout::None},
        LayoutCase{"movie machine",
                   {{u"Mmach32.exe", ""}, {u"MMACHINE.INI", ""}},
                   TDiscLayout::MovieMachine},
        LayoutCase{"first rule wins",
                   {{u"Mmach32.exe", ""},
                    {u"mmachine.ini", ""},
                    {u"FlyVCD.exe", ""},
                    {u"VIDEOCD.MLS", ""}},
                   TDiscLayout::FlyVcd},
        LayoutCase{"marker that is a folder",
                   {{u"movie.avi/x", ""}, {u"README.TXT", ""}},
                   TDiscLayout::None}));

TEST(DiscLayout, NoRootFolderIsNoLayout)
{
    EXPECT_EQ(DetectDiscLayout(QString()), TDiscLayout::None);
    EXPECT_EQ(DetectDiscLayout(QStringLiteral("/nonexistent/disc")), TDiscLayout::None);
}

} // namespace
