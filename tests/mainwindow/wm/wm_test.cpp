// The main window on a desktop with a window manager and a dock: full screen is the manager's
// own state and covers the dock, leaving it gives the window back its bounds, and dragging the
// picture or the frame moves and sizes the window through the manager.
#include "desktop.h"
#include "iplayerhost.h"
#include "settings/settingsrecord.h"
#include "ttavrelplayer.h"
#include "tvideoarea.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Nothing is playing; the window asks for nothing else here.
class IdleHost : public IPlayerHost
{
public:
    bool IsMediaActive() const override { return false; }
    bool IsMediaOpening() const override { return false; }
    bool IsDvdMode() const override { return false; }
    bool IsDvdMenuShowing() const override { return false; }
    QSize DvdAspect() const override { return {}; }
    int AudioStreamCount() const override { return 0; }
    bool IsStillPicture() const override { return false; }
    qint32 SendCommand(qint32, qint32) override { return 0; }
    TFilterGraph *Graph() const override { return nullptr; }
    const TSettingsRecord &Settings() const override { return settings; }
    TSettingsRecord &MutableSettings() override { return settings; }
    QString Text(int) const override { return {}; }
    void QuickVolumeClick() override {}

    TSettingsRecord settings;
};

constexpr int kScreenWidth = 1280;
constexpr int kScreenHeight = 800;

TestDesktop *g_desktop = nullptr;

// The desktop comes up before the application connects to it, and goes after it.
class DesktopEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        g_desktop = new TestDesktop;
        if (!g_desktop->Start(kScreenWidth, kScreenHeight))
            return;
        qputenv("DISPLAY", g_desktop->Display().toLocal8Bit());
        qputenv("QT_QPA_PLATFORM", "xcb");
        static int argc = 1;
        static char name[] = "mainwindow_wm";
        static char *argv[] = {name, nullptr};
        new QApplication(argc, argv);
    }
    void TearDown() override
    {
        delete QApplication::instance();
        delete g_desktop;
        g_desktop = nullptr;
    }
};

::testing::Environment *const desktopEnvironment
    = ::testing::AddGlobalTestEnvironment(new DesktopEnvironment);

std::string Text(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
}

bool WaitFor(const std::function<bool()> &condition, int timeoutMs = 3000)
{
    return QTest::qWaitFor(condition, timeoutMs);
}

class WindowManagerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!QApplication::instance())
            GTEST_SKIP() << "no desktop: " << g_desktop->Reason().toStdString();
        window = std::make_unique<TTavrelPlayer>();
        window->SetHost(&host);
        window->setGeometry(200, 150, 600, 400);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        // The manager may place a new window where it likes; this is where it stays.
        window->move(200, 150);
        ASSERT_TRUE(WaitFor([this] { return window->geometry().topLeft() == QPoint(200, 150); }));
        windowed = window->geometry();
    }

    QStringList State() const { return g_desktop->WindowState(window->winId()); }

    void Mouse(const QStringList &arguments) const
    {
        g_desktop->Run(QStringLiteral("xdotool"), arguments);
        QTest::qWait(50);
    }

    IdleHost host;
    std::unique_ptr<TTavrelPlayer> window;
    QRect windowed;
};

TEST_F(WindowManagerTest, FullScreenIsTheManagersStateAndCoversTheDock)
{
    const QString fullScreen = QStringLiteral("_NET_WM_STATE_FULLSCREEN");
    window->SetFullScreen(true);
    const QRect screen(0, 0, kScreenWidth, kScreenHeight);
    EXPECT_TRUE(WaitFor([&] { return window->geometry() == screen; })) << Text(window->geometry());
    EXPECT_TRUE(WaitFor([&] { return State().contains(fullScreen); })) << State().join(u' ').toStdString();
    EXPECT_EQ(window->Glob->size(), screen.size());
    // The manager stacks a full-screen window above the dock.
    const QList<unsigned long> stacking = g_desktop->StackingOrder();
    const unsigned long dock = g_desktop->DockWindow();
    ASSERT_TRUE(stacking.contains(dock));
    ASSERT_TRUE(stacking.contains(window->winId()));
    EXPECT_GT(stacking.indexOf(window->winId()), stacking.indexOf(dock));

    window->SetFullScreen(false);
    EXPECT_TRUE(WaitFor([&] { return !State().contains(fullScreen); })) << State().join(u' ').toStdString();
    EXPECT_TRUE(WaitFor([&] { return window->geometry() == windowed; })) << Text(window->geometry());
    EXPECT_FALSE(window->IsFullScreen());
}

TEST_F(WindowManagerTest, LeftDragOnThePictureMovesTheWindow)
{
    const QPoint start = window->Glob->mapToGlobal(window->Glob->rect().center());
    Mouse({QStringLiteral("mousemove"), QString::number(start.x()), QString::number(start.y())});
    Mouse({QStringLiteral("mousedown"), QStringLiteral("1")});
    for (int step = 1; step <= 5; ++step)
        Mouse({QStringLiteral("mousemove"), QString::number(start.x() + 20 * step),
               QString::number(start.y() + 10 * step)});
    Mouse({QStringLiteral("mouseup"), QStringLiteral("1")});
    EXPECT_TRUE(WaitFor([&] { return window->geometry().topLeft() != windowed.topLeft(); }));
    const QPoint moved = window->geometry().topLeft() - windowed.topLeft();
    EXPECT_NEAR(moved.x(), 100, 25);
    EXPECT_NEAR(moved.y(), 50, 25);
    EXPECT_EQ(window->size(), windowed.size());
}

TEST_F(WindowManagerTest, DraggingTheFrameSizesTheWindow)
{
    const QPoint corner = window->mapToGlobal(QPoint(window->width() - 2, window->height() - 2));
    Mouse({QStringLiteral("mousemove"), QString::number(corner.x()), QString::number(corner.y())});
    Mouse({QStringLiteral("mousedown"), QStringLiteral("1")});
    for (int step = 1; step <= 4; ++step)
        Mouse({QStringLiteral("mousemove"), QString::number(corner.x() + 20 * step),
               QString::number(corner.y() + 15 * step)});
    Mouse({QStringLiteral("mouseup"), QStringLiteral("1")});
    EXPECT_TRUE(WaitFor([&] { return window->size() != windowed.size(); }));
    EXPECT_NEAR(window->width() - windowed.width(), 80, 20);
    EXPECT_NEAR(window->height() - windowed.height(), 60, 20);
    EXPECT_EQ(window->geometry().topLeft(), windowed.topLeft());
}

} // namespace
