#include "cmdline/caseinsensitivepath.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(CaseInsensitivePath, FindsWhateverTheCase)
{
    QTemporaryDir root;
    touch(root.filePath(QStringLiteral("video_ts/Video_Ts.ifo")));
    const QString found
        = findPathIgnoringCase(root.path(), QStringLiteral("VIDEO_TS\\VIDEO_TS.IFO"));
    EXPECT_EQ(found, root.filePath(QStringLiteral("video_ts/Video_Ts.ifo")));
    EXPECT_EQ(findPathIgnoringCase(root.path(), QStringLiteral("VIDEO_TS/VIDEO_TS.IFO")), found);
}

TEST(CaseInsensitivePath, MissingPiecesGiveNothing)
{
    QTemporaryDir root;
    touch(root.filePath(QStringLiteral("VIDEO_TS/VTS_01_0.IFO")));
    EXPECT_TRUE(
        findPathIgnoringCase(root.path(), QStringLiteral("VIDEO_TS/VIDEO_TS.IFO")).isEmpty());
    EXPECT_TRUE(findPathIgnoringCase(root.path(), QString()).isEmpty());
    EXPECT_TRUE(findPathIgnoringCase(QString(), QStringLiteral("VIDEO_TS")).isEmpty());
    EXPECT_TRUE(findPathIgnoringCase(root.filePath(QStringLiteral("nowhere")), QStringLiteral("x"))
                    .isEmpty());
}

} // namespace
