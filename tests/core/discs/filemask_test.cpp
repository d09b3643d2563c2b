#include "discs/filemask.h"

#include <gtest/gtest.h>

namespace {

TEST(FileMask, MatchesLikeTheOpenDialog)
{
    struct Case
    {
        const char16_t *name;
        const char16_t *mask;
        bool matches;
    };
    const Case cases[] = {
        {u"FILM.avi", u"*.AVI", true},
        {u"film.avi.txt", u"*.AVI", false},
        {u"film.mpeg", u"*.MPE", false},
        {u"a.rmvb", u"*.RM", false},
        {u"video_ts.ifo", u"VIDEO_TS.IFO", true},
        {u"VTS_01_0.IFO", u"VIDEO_TS.IFO", false},
        {u"x1.dat", u"x?.DAT", true},
        {u"x.dat", u"x?.DAT", false},
        {u"abcabcd", u"*abcd", true},
        {u"noext", u"*.*", true},
        {u"anything", u"", true},
        {u"фильм.AVI", u"ФИЛЬМ.avi", true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(MatchesFileMask(QStringView(c.name), QStringView(c.mask)), c.matches)
            << QString::fromUtf16(c.name).toStdString() << " / "
            << QString::fromUtf16(c.mask).toStdString();
}

TEST(FileMask, LastMaskCountsWithOrWithoutSemicolon)
{
    const QStringList expected{QStringLiteral("*.AVI"), QStringLiteral("*.MKV")};
    EXPECT_EQ(SplitMaskList(QStringLiteral("*.AVI;*.MKV")), expected);
    EXPECT_EQ(SplitMaskList(QStringLiteral(";*.AVI;;*.MKV;")), expected);
}

} // namespace
