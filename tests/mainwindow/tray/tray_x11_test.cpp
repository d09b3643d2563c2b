// Real clicks on the icon in a real notification area: `trayer` is the tray host on the X
// server of the run. Without a display or without trayer the tests are skipped.
#include "commands/commandcodes.h"
#include "iplayerhost.h"
#include "settings/settingsrecord.h"
#include "tlextrayicon.h"
#include "ttavrelplayer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

// The answers a window needs, nothing more.
class Host : public IPlayerHost
{
public:
    TSettingsRecord settings;
    std::vector<qint32> sent;

    bool IsMediaActive() const override { return true; }
    bool IsMediaOpening() const override { return false; }
    bool IsDvdMode() const override { return false; }
    bool IsDvdMenuShowing() const override { return false; }
    QSize DvdAspect() const override { return {}; }
    int AudioStreamCount() const override { return 1; }
    bool IsStillPicture() const override { return false; }
    qint32 SendCommand(qint32 code, qint32) override
    {
        if (code != Cmd::QueryState && code != Cmd::QueryPlaylistVisible)
            sent.push_back(code);
        return 0;
    }
    TFilterGraph *Graph() const override { return nullptr; }
    const TSettingsRecord &Settings() const override { return settings; }
    TSettingsRecord &MutableSettings() override { return settings; }
    QString Text(int index) const override { return QStringLiteral("text%1").arg(index); }
    void QuickVolumeClick() override {}
    qint32 RunAction(const TAction &) override { return 0; }
    QStringList DriveCaptions() const override { return {}; }
};

bool waitFor(const std::function<bool()> &condition, int timeoutMs = 5000)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QTest::qWait(20);
    }
    return true;
}

void xdotool(const QStringList &arguments)
{
    QProcess::execute(QStringLiteral("xdotool"), arguments);
}

class TrayX11Test : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY")
            || QStandardPaths::findExecutable(QStringLiteral("trayer")).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            return;
        // The other tests of the suite run offscreen; these need the X server itself.
        qputenv("QT_QPA_PLATFORM", "xcb");
        static int argc = 1;
        static char name[] = "mainwindow_tray_x11";
        static char *argv[] = {name, nullptr};
        new QApplication(argc, argv);
        s_trayer = new QProcess;
        s_trayer->start(QStringLiteral("trayer"),
                        {QStringLiteral("--edge"), QStringLiteral("top"), QStringLiteral("--align"),
                         QStringLiteral("right"), QStringLiteral("--widthtype"),
                         QStringLiteral("pixel"), QStringLiteral("--width"), QStringLiteral("120"),
                         QStringLiteral("--height"), QStringLiteral("32")});
        waitFor([] { return TLexTrayIcon::Available(); });
    }
    static void TearDownTestSuite()
    {
        if (s_trayer) {
            s_trayer->terminate();
            s_trayer->waitForFinished(3000);
            delete s_trayer;
            s_trayer = nullptr;
        }
    }
    void SetUp() override
    {
        if (!QApplication::instance() || !TLexTrayIcon::Available())
            GTEST_SKIP() << "no X server with a tray host (trayer)";
        window = std::make_unique<TTavrelPlayer>();
        window->SetHost(&host);
        window->resize(600, 450);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        ASSERT_TRUE(window->TrayIcon->Active());
        ASSERT_TRUE(waitFor([this] { return window->TrayIcon->Geometry().width() > 0; }));
        QTest::qWait(300);
    }
    void TearDown() override
    {
        if (window)
            window->TrayPopup->hide();
        window.reset();
    }

    void clickIcon(int button, int repeat = 1)
    {
        const QPoint centre = window->TrayIcon->Geometry().center();
        xdotool({QStringLiteral("mousemove"), QString::number(centre.x()),
                 QString::number(centre.y())});
        QTest::qWait(100);
        xdotool({QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(repeat),
                 QStringLiteral("--delay"), QStringLiteral("60"), QString::number(button)});
    }
    int sentCount(qint32 code) const
    {
        return int(std::count(host.sent.begin(), host.sent.end(), code));
    }

    static inline QProcess *s_trayer = nullptr;
    Host host;
    std::unique_ptr<TTavrelPlayer> window;
};

} // namespace

TEST_F(TrayX11Test, ClickPlaysOrPausesInTheSecondMode)
{
    host.settings.LeftMouseModeTray = 2;
    clickIcon(1);
    EXPECT_TRUE(waitFor([this] { return sentCount(Cmd::PlayPause) == 1; }, 3000));
    QTest::qWait(400);
    EXPECT_EQ(sentCount(Cmd::PlayPause), 1);
}

TEST_F(TrayX11Test, DoubleClickRestoresFromTheTray)
{
    host.settings.LeftMouseModeTray = 2;
    host.settings.MinimizeToTray = true;
    window->showMinimized();
    ASSERT_TRUE(waitFor([this] { return window->isHidden(); })) << "minimised into the tray";
    clickIcon(1, 2);
    EXPECT_TRUE(waitFor([this] { return window->isVisible() && !window->isMinimized(); }));
    QTest::qWait(400);
    EXPECT_EQ(sentCount(Cmd::PlayPause), 0);
}

TEST_F(TrayX11Test, FirstModeClickRestoresAndRightClickOpensTheMenu)
{
    host.settings.LeftMouseModeTray = 1;
    host.settings.MinimizeToTray = true;
    window->showMinimized();
    ASSERT_TRUE(waitFor([this] { return window->isHidden(); }));
    clickIcon(1);
    EXPECT_TRUE(waitFor([this] { return window->isVisible(); }));
    clickIcon(3);
    EXPECT_TRUE(waitFor([this] { return window->TrayPopup->isVisible(); }));
}
