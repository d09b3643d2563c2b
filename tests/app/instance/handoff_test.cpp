// Drives the real program as separate processes: the first start plays, later
// starts hand their file over, and outside callers query it by command code.
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

QString media(const char *name)
{
    return QDir(qEnvironmentVariable("TAVREL_TEST_MEDIA")).filePath(QString::fromLatin1(name));
}

class HandOffTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        // Settings and the command endpoint live in this test's own folders; the
        // home folder stays, so the media framework's plug-in cache is not
        // rebuilt (seconds under load) for every test.
        env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir());
        if (!env.contains(QStringLiteral("DISPLAY")))
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    }

    void TearDown() override
    {
        if (first.state() != QProcess::NotRunning) {
            command({QStringLiteral("75")});
            if (!first.waitForFinished(5000))
                first.kill();
            first.waitForFinished(2000);
        }
    }

    QString runtimeDir()
    {
        const QString dir = home.filePath(QStringLiteral("runtime"));
        QDir().mkpath(dir);
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return dir;
    }

    void startFirst(const QStringList &arguments)
    {
        first.setProcessEnvironment(env);
        first.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        first.start(QStringLiteral(TAVREL_BINARY), arguments);
        ASSERT_TRUE(first.waitForStarted(5000));
    }

    // Runs `tavrel` to the end and returns (exit code, standard output).
    std::pair<int, QString> run(const QStringList &arguments, int timeoutMs = 10000)
    {
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(TAVREL_BINARY), arguments);
        if (!process.waitForFinished(timeoutMs)) {
            process.kill();
            process.waitForFinished();
            return {-1, {}};
        }
        return {process.exitCode(),
                QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed()};
    }

    std::pair<int, QString> command(QStringList arguments)
    {
        arguments.prepend(QStringLiteral("--command"));
        return run(arguments);
    }

    // Polls a query until it gives the expected answer or time runs out.
    bool waitForAnswer(const QStringList &query, const QString &expected, int timeoutMs = 20000)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < timeoutMs) {
            if (command(query).second == expected)
                return true;
            QThread::msleep(100);
        }
        return false;
    }

    QTemporaryDir home;
    QProcessEnvironment env;
    QProcess first;
};

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
