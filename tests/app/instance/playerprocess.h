#pragma once

// The real program as separate processes, with settings and the command endpoint in the
// test's own folders.
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

inline QString media(const char *name)
{
    return QDir(qEnvironmentVariable("TAVREL_TEST_MEDIA")).filePath(QString::fromLatin1(name));
}

class PlayerProcessTest : public ::testing::Test
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
