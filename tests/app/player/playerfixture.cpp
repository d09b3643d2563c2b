#include "playerfixture.h"

#include "ipowercontrol.h"
#include "settings/settingsstore.h"
#include "ttavrelapplication.h"
#include "ttavrelplayer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QThread>

namespace {

TTavrelApplication &application()
{
    static int argc = 1;
    static char name[] = "app_player_tests";
    static char *argv[] = {name, nullptr};
    // Never destroyed: a static application object would be torn down after
    // the platform plug-in it depends on.
    static auto *app = new TTavrelApplication(argc, argv);
    return *app;
}

class TPowerOffRecorder : public IPowerControl
{
public:
    explicit TPowerOffRecorder(int &count)
        : m_count(count)
    {}
    void PowerOff() override { ++m_count; }

private:
    int &m_count;
};

class TQuietKeepAwake : public IKeepAwake
{
public:
    void Hold() override { m_held = true; }
    void Release() override { m_held = false; }
    bool Held() const override { return m_held; }

private:
    bool m_held = false;
};

} // namespace

QString PlayerTest::Media(const char *name)
{
    return QDir(qEnvironmentVariable("TAVREL_TEST_MEDIA")).filePath(QString::fromLatin1(name));
}

void PlayerTest::SetUp()
{
    application();
    settingsFile = dir.filePath(QStringLiteral("Tavrel.conf"));
    presets = std::make_unique<QSettings>(settingsFile, QSettings::IniFormat);
}

void PlayerTest::TearDown()
{
    if (player)
        player->CloseMedia();
    player.reset();
    Pump(10);
}

void PlayerTest::Preset(const QString &key, const QVariant &value)
{
    presets->setValue(key, value);
    presets->sync();
}

void PlayerTest::Start(const QStringList &arguments)
{
    presets->sync();
    auto settings = std::make_unique<QSettings>(settingsFile, QSettings::IniFormat);
    player = std::make_unique<TTavrelApp>(arguments,
                                          std::make_unique<TSettingsStore>(std::move(settings)));
    player->SetPowerControl(std::make_unique<TPowerOffRecorder>(powerOffs));
    player->SetKeepAwake(keepAwake ? std::move(keepAwake) : std::make_unique<TQuietKeepAwake>());
    player->FormCreate();
    ASSERT_TRUE(WaitFor([this] { return player->MainWindow()->FirstPaintDone(); }));
    Pump(20);
}

QSettings &PlayerTest::Stored()
{
    presets->sync();
    return *presets;
}

bool PlayerTest::WaitFor(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

void PlayerTest::Pump(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
}
