#include "discs/filemask.h"

#include <gtest/gtest.h>

namespace {

struct MaskCase
{
    const char16_t *name;
    const char16_t *mask;
    bool matches;
};

class FileMaskTest : public ::testing::TestWithParam<MaskCase>
{
};

TEST_P(FileMaskTest, Matches)
{
    const MaskCase &c = GetParam();
    EXPECT_EQ(MatchesFileMask(QStringView(c.name), QStringView(c.mask)), c.matches)
        << QString::fromUtf16(c.name).toStdString() << " vs "
        << QString::fromUtf16(c.mask).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Masks, FileMaskTest,
    ::testing::Values(
        MaskCase{u"film.avi", u"*.AVI", true}, MaskCase{u"FILM.AVI", u"*.avi", true},
        MaskCase{u"film.avi.txt", u"*.AVI", false}, MaskCase{u"film.mpeg", u"*.MPE", false},
        MaskCase{u"film.mpe", u"*.MPEG", false}, MaskCase{u"video_ts.ifo", u"VIDEO_TS.IFO", true},
        MaskCase{u"VTS_01_0.IFO", u"VIDEO_TS.IFO", false}, MaskCase{u"a.rm", u"*.RM", true},
        MaskCase{u"a.rmvb", u"*.RM", false}, MaskCase{u"x1.dat", u"x?.DAT", true},
        MaskCase{u"x.dat", u"x?.DAT", false}, MaskCase{u"abcabcd", u"*abcd", true},
        MaskCase{u"abc", u"a*b*c*", true}, MaskCase{u"noext", u"*.*", true},
        MaskCase{u"anything", u"", true}, MaskCase{u"", u"*", true}, MaskCase{u"", u"?", false},
        MaskCase{u"фильм.AVI", u"ФИЛЬМ.avi", true}));

TEST(MaskList, LastMaskCountsWithOrWithoutSemicolon)
{
    const QStringList expected{QStringLiteral("*.AVI"), QStringLiteral("*.MKV")};
    EXPECT_EQ(SplitMaskList(QStringLiteral("*.AVI;*.MKV")), expected);
    EXPECT_EQ(SplitMaskList(QStringLiteral("*.AVI;*.MKV;")), expected);
    EXPECT_EQ(SplitMaskList(QStringLiteral(";*.AVI;;*.MKV")), expected);
}

} // namespace
