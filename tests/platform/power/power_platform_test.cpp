// The power-off and keep-awake seams against services of the test's own on a private bus:
// nothing here can reach the machine's real logind.
#include "fakeservices.h"
#include "logindpowercontrol.h"
#include "privatebus.h"
#include "screensaverinhibitor.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>

namespace {

QCoreApplication &application()
{
    static int argc = 1;
    static char name[] = "platform_power_tests";
    static char *argv[] = {name, nullptr};
    static auto *app = new QCoreApplication(argc, argv);
    return *app;
}

bool waitFor(const std::function<bool()> &condition, int timeoutMs = 5000)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return true;
}

class PowerSeams : public ::testing::Test
{
protected:
    void SetUp() override
    {
        application();
        if (!bus.Started())
            GTEST_SKIP() << "dbus-daemon could not be started";
    }

    TPrivateBus bus;
    TServiceThread services;
};

const QString kLogin = QStringLiteral("org.freedesktop.login1");
const QString kLoginPath = QStringLiteral("/org/freedesktop/login1");
const QString kScreenSaver = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kScreenSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");

} // namespace

TEST_F(PowerSeams, PowerOffAsksLogindOnceAndNotTheFallback)
{
    auto *login = new TFakeLogin;
    ASSERT_TRUE(services.Offer(login, bus.Connect(QStringLiteral("service")), kLogin, kLoginPath));
    int fallbacks = 0;
    TLogindPowerControl control(bus.Connect(QStringLiteral("player")), [&] { ++fallbacks; });
    control.PowerOff();
    EXPECT_EQ(login->PowerOffs(), 1);
    EXPECT_EQ(login->Calls(), QStringList{QStringLiteral("PowerOff false")});
    EXPECT_EQ(fallbacks, 0);
}

TEST_F(PowerSeams, PowerOffFallsBackWithoutLogind)
{
    int fallbacks = 0;
    TLogindPowerControl control(bus.Connect(QStringLiteral("player")), [&] { ++fallbacks; });
    control.PowerOff();
    EXPECT_EQ(fallbacks, 1);

    TLogindPowerControl noBus(QDBusConnection(QStringLiteral("never-connected")),
                              [&] { ++fallbacks; });
    noBus.PowerOff();
    EXPECT_EQ(fallbacks, 2);
}

TEST_F(PowerSeams, ScreenSaverHoldIsTakenOnceAndGivenBack)
{
    auto *saver = new TFakeScreenSaver;
    ASSERT_TRUE(services.Offer(saver, bus.Connect(QStringLiteral("service")), kScreenSaver,
                               kScreenSaverPath));
    const QDBusConnection player = bus.Connect(QStringLiteral("player"));
    TScreenSaverInhibitor inhibitor(player, QDBusConnection(QStringLiteral("no-system-bus")));
    EXPECT_FALSE(inhibitor.Held());
    inhibitor.Hold();
    inhibitor.Hold(); // a second ask while the first is on its way takes nothing more
    EXPECT_TRUE(inhibitor.Held());
    ASSERT_TRUE(waitFor([&] { return saver->Holds() == 1; }));
    inhibitor.Hold();
    QCoreApplication::processEvents();
    inhibitor.Release();
    ASSERT_TRUE(waitFor([&] { return saver->Holds() == 0; }));
    EXPECT_FALSE(inhibitor.Held());
    EXPECT_EQ(saver->Calls(),
              (QStringList{QStringLiteral("Inhibit Tavrel"), QStringLiteral("UnInhibit 7")}));
    inhibitor.Release();
    QCoreApplication::processEvents();
    EXPECT_EQ(saver->Calls().size(), 2);
}

TEST_F(PowerSeams, HoldGivenBackBeforeItsAnswerIsHandedBackOnArrival)
{
    auto *saver = new TFakeScreenSaver;
    ASSERT_TRUE(services.Offer(saver, bus.Connect(QStringLiteral("service")), kScreenSaver,
                               kScreenSaverPath));
    TScreenSaverInhibitor inhibitor(bus.Connect(QStringLiteral("player")),
                                    QDBusConnection(QStringLiteral("no-system-bus")));
    inhibitor.Hold();
    inhibitor.Release();
    ASSERT_TRUE(waitFor([&] { return saver->Calls().size() == 2; }));
    EXPECT_EQ(saver->Holds(), 0);
    EXPECT_FALSE(inhibitor.Held());
}

TEST_F(PowerSeams, IdleInhibitionOfLogindWhereNoScreenSaverRuns)
{
    auto *login = new TFakeLogin;
    const QDBusConnection system = bus.Connect(QStringLiteral("system-service"));
    ASSERT_TRUE(services.Offer(login, system, kLogin, kLoginPath));
    TScreenSaverInhibitor inhibitor(bus.Connect(QStringLiteral("session-player")),
                                    bus.Connect(QStringLiteral("system-player")));
    inhibitor.Hold();
    ASSERT_TRUE(waitFor([&] { return login->InhibitionHeld(); }));
    EXPECT_EQ(login->Calls(), QStringList{QStringLiteral("Inhibit idle Tavrel block")});
    inhibitor.Release();
    EXPECT_FALSE(inhibitor.Held());
    // The answer that carried the descriptor goes with the event loop's next turn.
    EXPECT_TRUE(waitFor([&] { return !login->InhibitionHeld(); }));
}

TEST(PowerSeamsWithoutBus, NothingHappens)
{
    application();
    TScreenSaverInhibitor inhibitor(QDBusConnection(QStringLiteral("none-1")),
                                    QDBusConnection(QStringLiteral("none-2")));
    inhibitor.Hold();
    EXPECT_FALSE(inhibitor.Held());
    inhibitor.Release();
    EXPECT_FALSE(inhibitor.Held());
}
