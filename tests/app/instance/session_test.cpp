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

    bool storedFileParses()
    {
        QSettings stored(home.filePath(QStringLiteral("config/Quenfold/Tavrel.conf")),
                         QSettings::IniFormat);
        return stored.status() == QSettings::NoError;
    }

    // Waits until the player starts writing its settings (the store's lock file or the
    // atomic write's temporary file appears beside the file); false when no write started.
    bool waitForAWrite(int timeoutMs = 5000)
    {
        const QDir folder(home.filePath(QStringLiteral("config/Quenfold")));
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < timeoutMs) {
            const QStringList names = folder.entryList(QDir::Files | QDir::Hidden);
            for (const QString &name : names) {
                if (name != u"Tavrel.conf")
                    return true;
            }
            QThread::usleep(200);
        }
        return false;
    }

    // The list a start without arguments comes up with, as it stores it at its exit.
    QString listAfterARestart()
    {
        startFirst({});
        QElapsedTimer timer;
        timer.start();
        while (command({QStringLiteral("309")}).first != 0 && timer.elapsed() < 20000)
            QThread::msleep(100);
        EXPECT_EQ(command({QStringLiteral("75")}).first, 0);
        EXPECT_TRUE(first.waitForFinished(10000));
        return storedPlayList();
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

TEST_F(SessionTest, AKillWhileTheSettingsAreWrittenLeavesAReadableFileAndAList)
{
    // Each round hands over another film and kills the player the moment the write that
    // follows has begun; the file must then hold either the old list or the new one.
    const char *films[] = {"keyframes-250.avi", "long-120s.mp4"};
    startFirst({media(films[1])});
    ASSERT_TRUE(waitForAnswer({QStringLiteral("309")}, QStringLiteral("2")));
    ASSERT_TRUE(waitForStoredList(QStringLiteral("long-120s.mp4")));
    int killedInAWrite = 0;
    for (int round = 0; round < 4; ++round) {
        ASSERT_EQ(run({media(films[round % 2])}).first, 0);
        killedInAWrite += waitForAWrite() ? 1 : 0;
        ::kill(static_cast<pid_t>(first.processId()), SIGKILL);
        ASSERT_TRUE(first.waitForFinished(5000));
        ASSERT_TRUE(storedFileParses()) << round;
        const QString list = storedPlayList();
        EXPECT_TRUE(list.contains(QString::fromLatin1(films[0]))
                    || list.contains(QString::fromLatin1(films[1])))
            << round << ": " << list.toStdString();
        const QString restored = listAfterARestart();
        EXPECT_EQ(restored, list) << round;
        startFirst({media(films[(round + 1) % 2])});
        ASSERT_TRUE(waitForAnswer({QStringLiteral("309")}, QStringLiteral("2"))) << round;
    }
    EXPECT_GT(killedInAWrite, 0);
}

TEST_F(SessionTest, ASecondStartWhileTheFirstExitsLosesNothing)
{
    // The hand-off may reach the exiting player or start a player of its own: either
    // way the handed film is in the list stored last, whatever the timing.
    for (const int delayMs : {0, 20, 80, 250}) {
        startFirst({media("long-120s.mp4")});
        ASSERT_TRUE(waitForAnswer({QStringLiteral("309")}, QStringLiteral("2"))) << delayMs;
        QProcess exiting;
        exiting.setProcessEnvironment(env);
        exiting.start(QStringLiteral(TAVREL_BINARY),
                      {QStringLiteral("--command"), QStringLiteral("75")});
        QThread::msleep(static_cast<unsigned long>(delayMs));
        QProcess second;
        second.setProcessEnvironment(env);
        second.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        second.start(QStringLiteral(TAVREL_BINARY), {media("keyframes-250.avi")});
        ASSERT_TRUE(exiting.waitForFinished(10000));
        ASSERT_TRUE(first.waitForFinished(10000)) << delayMs;
        // When the second start became a player of its own, it is the one to close now.
        if (!second.waitForFinished(3000)) {
            EXPECT_TRUE(waitForAnswer({QStringLiteral("322")}, QStringLiteral("36"))) << delayMs;
            command({QStringLiteral("75")});
            ASSERT_TRUE(second.waitForFinished(10000)) << delayMs;
        }
        EXPECT_EQ(second.exitCode(), 0) << delayMs;
        EXPECT_TRUE(storedPlayList().contains(QStringLiteral("keyframes-250.avi")))
            << delayMs << ": " << storedPlayList().toStdString();
    }
}

TEST_F(SessionTest, ASettingsFolderThatCannotBeWrittenDoesNotStopThePlayer)
{
    // A file where the settings folder belongs fails every write, for the superuser too.
    QDir().mkpath(home.filePath(QStringLiteral("config")));
    QFile blocker(home.filePath(QStringLiteral("config/Quenfold")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    startFirst({media("long-120s.mp4")});
    ASSERT_TRUE(waitForAnswer({QStringLiteral("309")}, QStringLiteral("2")));
    // Past the first deferred write, which fails and is told.
    QThread::msleep(2 * 1000);
    // A file is handed over through the settings, so a hand-off cannot work now: the
    // second start says so by its exit status, and the player is still there.
    EXPECT_EQ(run({media("keyframes-250.avi")}).first, 1);
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_EQ(command({QStringLiteral("322")}).first, 0);
    EXPECT_EQ(command({QStringLiteral("75")}).first, 0);
    ASSERT_TRUE(first.waitForFinished(10000));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first.exitCode(), 0);
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
