// The example plug-ins inside the running player: the events of a real start-up and of a
// real medium, and what the plug-ins' answers do to the player.
#include "commands/commandcodes.h"
#include "input/virtualkey.h"
#include "playerfixture.h"
#include "ttavrelplayer.h"
#include "tvideoarea.h"

#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

class PluginPlayerTest : public PlayerTest
{
protected:
    void SetUp() override
    {
        PlayerTest::SetUp();
        qputenv("TAVREL_EVENTLOG_FILE", LogFile().toLocal8Bit());
    }
    void TearDown() override
    {
        PlayerTest::TearDown();
        for (const char *name :
             {"TAVREL_EVENTLOG_FILE", "TAVREL_EVENTLOG_PAUSE", "TAVREL_INPUTFILTER_ZERO_KEY",
              "TAVREL_INPUTFILTER_CONSUME", "TAVREL_INPUTFILTER_CURSOR"})
            qunsetenv(name);
    }
    QString LogFile() const { return dir.filePath(QStringLiteral("events.log")); }
    QStringList Log() const
    {
        QFile file(LogFile());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    void MoveMouse(QPoint inGlob)
    {
        TVideoArea *glob = player->MainWindow()->Glob;
        QMouseEvent move(QEvent::MouseMove, inGlob, glob->mapToGlobal(inGlob), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(glob, &move);
    }
};

TEST_F(PluginPlayerTest, ACommandFromInsideTheStartEventPausesTheFilm)
{
    qputenv("TAVREL_EVENTLOG_PAUSE", "sample-720p");
    Start({Media("sample-720p.mp4")});
    ASSERT_TRUE(WaitFor([this] { return Log().contains(QStringLiteral("1 1")); }));
    EXPECT_EQ(Send(Cmd::QueryState), 1);
    Pump(300);
    EXPECT_EQ(Send(Cmd::QueryState), 1) << "the film went on playing";

    QStringList log = Log();
    ASSERT_GE(log.size(), 6);
    EXPECT_EQ(log[0], QStringLiteral("start version=0.6.1 beta 2"));
    EXPECT_EQ(log[1], QStringLiteral("5 0"));
    // The graph event has the pipeline itself, the one the graph service hands out.
    EXPECT_EQ(log[2], QStringLiteral("14 playbin same=1"));
    EXPECT_EQ(log[3], QStringLiteral("1 1"));
    // The pause runs inside the start event: its own event comes before the answer.
    EXPECT_EQ(log[4], QStringLiteral("4 0"));
    EXPECT_TRUE(log[5].startsWith(QStringLiteral("sent 21 answer"))) << log[5].toStdString();

    player.reset();
    EXPECT_EQ(Log().last(), QStringLiteral("stop"));
}

TEST_F(PluginPlayerTest, AKeyThePluginZeroesRunsNoCommand)
{
    struct TCase
    {
        const char *zeroKey;
        int stateAfterSpace;
        const char *logged;
    };
    for (const TCase &c :
         {TCase{"32", 2, "11 key=0 shift=0"}, TCase{"13", 1, "11 key=32 shift=0"}}) {
        qputenv("TAVREL_INPUTFILTER_ZERO_KEY", c.zeroKey);
        Start({Media("sample-720p.mp4")});
        ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryState) == 2; }));
        QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QCoreApplication::sendEvent(player->MainWindow(), &space);
        Pump(50);
        EXPECT_EQ(Send(Cmd::QueryState), c.stateAfterSpace) << c.zeroKey;
        EXPECT_TRUE(Log().contains(QString::fromLatin1(c.logged))) << c.zeroKey;
        player->CloseMedia();
        player.reset();
        QFile::remove(LogFile());
    }
}

TEST_F(PluginPlayerTest, TheCursorAPluginPicksIsTheCursorOverThePicture)
{
    qputenv("TAVREL_INPUTFILTER_CURSOR", "10");
    Start();
    TTavrelPlayer *window = player->MainWindow();
    MoveMouse(QPoint(40, 30));
    EXPECT_EQ(window->Glob->cursor().shape(), Qt::BlankCursor);
    EXPECT_EQ(window->cursor().shape(), Qt::BlankCursor);
    EXPECT_TRUE(Log().contains(QStringLiteral("10 x=40 y=30 shift=0 cursor=10")));

    // Back to the default as soon as no plug-in asks for one.
    qputenv("TAVREL_INPUTFILTER_CURSOR", "0");
    player.reset();
    Start();
    window = player->MainWindow();
    MoveMouse(QPoint(41, 30));
    EXPECT_EQ(window->Glob->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(PluginPlayerTest, WindowStateChangesReachThePlugins)
{
    Start();
    TTavrelPlayer *window = player->MainWindow();
    window->setWindowState(Qt::WindowMaximized);
    window->setWindowState(Qt::WindowNoState);
    window->setWindowState(Qt::WindowMinimized);
    window->setWindowState(Qt::WindowNoState);
    const QStringList log = Log();
    EXPECT_EQ(log.mid(log.indexOf(QStringLiteral("5 0")) + 1), QStringList({"7 0", "8 0", "12 0"}));
}

} // namespace
