// Drives the real program as separate processes: the first start plays, later
// starts hand their file over, and outside callers query it by command code.
#include "playerprocess.h"

namespace {

using HandOffTest = PlayerProcessTest;

TEST_F(HandOffTest, NoInstanceMeansNoAnswer)
{
    const auto [code, out] = command({QStringLiteral("309")});
    EXPECT_EQ(code, 1);
    EXPECT_TRUE(out.isEmpty());
    EXPECT_EQ(command({QStringLiteral("no-such-command")}).first, 2);
}

TEST_F(HandOffTest, PlaysThenTakesOverAHandedFile)
{
    // Films long enough to be still playing when asked, even on a busy machine.
    startFirst({media("long-120s.mp4")});
    ASSERT_TRUE(waitForAnswer({QStringLiteral("309")}, QStringLiteral("2")));
    ASSERT_TRUE(waitForAnswer({QStringLiteral("duration")}, QStringLiteral("120")));

    // A second start hands over its file and ends at once, successfully.
    QElapsedTimer timer;
    timer.start();
    const auto [code, out] = run({media("keyframes-250.avi"), QStringLiteral("-FS")});
    EXPECT_EQ(code, 0);
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_TRUE(waitForAnswer({QStringLiteral("322")}, QStringLiteral("36")));
    EXPECT_EQ(command({QStringLiteral("309")}).second, QStringLiteral("2"));

    QSettings stored(home.filePath(QStringLiteral("config/Quenfold/Tavrel.conf")),
                     QSettings::IniFormat);
    EXPECT_EQ(stored.value(QStringLiteral("ThisFile/Path")).toString(), media("keyframes-250.avi"));

    // A start without arguments hands nothing over and leaves the film alone.
    EXPECT_EQ(run({}).first, 0);
    EXPECT_EQ(command({QStringLiteral("322")}).second, QStringLiteral("36"));

    // Exit leaves no endpoint behind.
    command({QStringLiteral("exit")});
    ASSERT_TRUE(first.waitForFinished(5000));
    EXPECT_EQ(first.exitCode(), 0);
    EXPECT_TRUE(QDir(runtimeDir()).entryList(QDir::System | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(HandOffTest, TheFirstStartWithoutAPlugInCachePlays)
{
    // A new plug-in cache is built while the window comes up (a first start, or
    // after the media framework was updated); the film must still open.
    env.insert(QStringLiteral("GST_REGISTRY"), home.filePath(QStringLiteral("registry.bin")));
    startFirst({media("long-120s.mp4")});
    EXPECT_TRUE(waitForAnswer({QStringLiteral("309")}, QStringLiteral("2")));
    EXPECT_TRUE(QFileInfo::exists(home.filePath(QStringLiteral("registry.bin"))));
}

TEST_F(HandOffTest, BadFilesLeaveThePlayerIdleAndResponsive)
{
    startFirst({});
    ASSERT_TRUE(waitForAnswer({QStringLiteral("309")}, QStringLiteral("0")));
    const QStringList bad = {media("not-a-film.mp4"), media("empty.mp4"), media("truncated.mp4"),
                             home.path(), home.filePath(QStringLiteral("missing.mp4"))};
    for (const QString &file : bad) {
        EXPECT_EQ(run({file}).first, 0) << file.toStdString();
        EXPECT_EQ(command({QStringLiteral("309")}).second, QStringLiteral("0"))
            << file.toStdString();
    }
}

TEST_F(HandOffTest, RapidSecondStartsAreAllServed)
{
    startFirst({});
    ASSERT_TRUE(waitForAnswer({QStringLiteral("309")}, QStringLiteral("0")));
    for (int i = 0; i < 20; ++i)
        ASSERT_EQ(run({media("long-120s.mp4")}).first, 0) << i;
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_TRUE(waitForAnswer({QStringLiteral("309")}, QStringLiteral("2")));
}

TEST_F(HandOffTest, StaleEndpointDoesNotStopTheNextStart)
{
    startFirst({});
    ASSERT_TRUE(waitForAnswer({QStringLiteral("309")}, QStringLiteral("0")));
    first.kill();
    first.waitForFinished();
    startFirst({});
    EXPECT_TRUE(waitForAnswer({QStringLiteral("309")}, QStringLiteral("0")));
}

} // namespace
