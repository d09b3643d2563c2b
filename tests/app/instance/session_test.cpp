// What the player keeps when it does not reach its own exit: a kill loses at most the last
// moment's changes, and the termination signals end it through its orderly exit.
#include "playerprocess.h"

#include <csignal>

namespace {

class SessionTest : public PlayerProcessTest
{
protected:
    QString storedPlayList()
    {
        QSettings stored(home.filePath(QStringLiteral("config/Quenfold/Tavrel.conf")),
                         QSettings::IniFormat);
        return stored.value(QStringLiteral("PlayList")).toString();
    }

    bool waitForStoredList(const QString &containing, int timeoutMs = 10000)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < timeoutMs) {
            if (storedPlayList().contains(containing))
                return true;
            QThread::msleep(100);
        }
        return false;
    }
};

TEST_F(SessionTest, AKilledPlayerKeepsTheListItWasHanded)
{
    startFirst({media("long-120s.mp4")});
    ASSERT_TRUE(waitForAnswer({QStringLiteral("309")}, QStringLiteral("2")));
    ASSERT_EQ(run({media("keyframes-250.avi")}).first, 0);
    // Written soon after the change, long before any exit.
    EXPECT_TRUE(waitForStoredList(QStringLiteral("keyframes-250.avi")));
    first.kill();
    ASSERT_TRUE(first.waitForFinished(5000));
    EXPECT_TRUE(storedPlayList().contains(QStringLiteral("keyframes-250.avi")));
    EXPECT_FALSE(storedPlayList().contains(QStringLiteral("long-120s.mp4")));
}

struct SignalCase
{
    int signalNumber;
    const char *name;
};

class TerminationTest : public SessionTest, public ::testing::WithParamInterface<SignalCase>
{
};

TEST_P(TerminationTest, EndsThePlayerThroughItsOrderlyExit)
{
    startFirst({media("long-120s.mp4")});
    ASSERT_TRUE(waitForAnswer({QStringLiteral("309")}, QStringLiteral("2")));
    ::kill(static_cast<pid_t>(first.processId()), GetParam().signalNumber);
    ASSERT_TRUE(first.waitForFinished(10000));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first.exitCode(), 0);
    EXPECT_TRUE(storedPlayList().contains(QStringLiteral("long-120s.mp4")));
    QSettings stored(home.filePath(QStringLiteral("config/Quenfold/Tavrel.conf")),
                     QSettings::IniFormat);
    EXPECT_TRUE(stored.contains(QStringLiteral("RestSize")));
    // The endpoint went with the process: nobody answers.
    EXPECT_EQ(command({QStringLiteral("309")}).first, 1);
}

INSTANTIATE_TEST_SUITE_P(Signals, TerminationTest,
                         ::testing::Values(SignalCase{SIGTERM, "TERM"}, SignalCase{SIGINT, "INT"},
                                           SignalCase{SIGHUP, "HUP"}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
