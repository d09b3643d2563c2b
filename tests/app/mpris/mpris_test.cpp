// Media keys, desktop widgets and playerctl reach the player over the session bus: a whole
// player on the real engine, a private bus daemon, and a client connection of the test's own.
#include "commands/commandcodes.h"
#include "playerfixture.h"
#include "privatebus.h"

#include <QDBusArgument>
#include <QDBusInterface>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QUrl>
#include <algorithm>

namespace {

const QString kService = QStringLiteral("org.mpris.MediaPlayer2.tavrel");
const QString kPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kPlayer = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString kRoot = QStringLiteral("org.mpris.MediaPlayer2");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

} // namespace

// What the player announced on the bus.
class TAnnouncements : public QObject
{
    Q_OBJECT

public:
    QList<qlonglong> seeked;
    QList<QVariantMap> changed;

public slots:
    void Seeked(qlonglong position) { seeked << position; }
    void PropertiesChanged(const QString &, const QVariantMap &values, const QStringList &)
    {
        changed << values;
    }
};

namespace {

class MprisTest : public PlayerTest
{
protected:
    static TPrivateBus &Bus()
    {
        // One daemon for the whole run: the player's session connection is made once per
        // process and must find the same bus in every test.
        static auto *bus = [] {
            auto *daemon = new TPrivateBus;
            qputenv("DBUS_SESSION_BUS_ADDRESS", daemon->Address().toUtf8());
            return daemon;
        }();
        return *bus;
    }

    void SetUp() override
    {
        PlayerTest::SetUp();
        ASSERT_TRUE(Bus().Started()) << "dbus-daemon did not start";
        static int connections = 0;
        client = std::make_unique<QDBusConnection>(
            Bus().Connect(QStringLiteral("mpris-client-%1").arg(++connections)));
        ASSERT_TRUE(client->isConnected());
    }

    void TearDown() override
    {
        client.reset();
        PlayerTest::TearDown();
    }

    // The call's reply, with the event loop running so that the player in this thread answers.
    QDBusMessage Call(const QString &interface, const QString &method,
                      const QVariantList &arguments = {})
    {
        QDBusMessage message = QDBusMessage::createMethodCall(kService, kPath, interface, method);
        message.setArguments(arguments);
        QDBusPendingCall pending = client->asyncCall(message);
        WaitFor([&pending] { return pending.isFinished(); }, 5000);
        return pending.reply();
    }

    QVariant Get(const QString &interface, const QString &name)
    {
        const QDBusMessage reply = Call(kProperties, QStringLiteral("Get"), {interface, name});
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return {};
        return reply.arguments().first().value<QDBusVariant>().variant();
    }

    QVariantMap Metadata()
    {
        const QVariant value = Get(kPlayer, QStringLiteral("Metadata"));
        QVariantMap map;
        value.value<QDBusArgument>() >> map;
        return map;
    }

    QString Status() { return Get(kPlayer, QStringLiteral("PlaybackStatus")).toString(); }
    qlonglong Position() { return Get(kPlayer, QStringLiteral("Position")).toLongLong(); }

    void StartPlaying(const char *clip = "long-120s.mp4")
    {
        Start({Media(clip)});
        ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryState) == 2; }));
        ASSERT_TRUE(WaitFor([this] { return Status() == QLatin1StringView("Playing"); }));
    }

    bool Listen(TAnnouncements &to)
    {
        return client->connect(kService, kPath, kPlayer, QStringLiteral("Seeked"), &to,
                               SLOT(Seeked(qlonglong)))
               && client->connect(kService, kPath, kProperties, QStringLiteral("PropertiesChanged"),
                                  &to, SLOT(PropertiesChanged(QString, QVariantMap, QStringList)));
    }

    std::unique_ptr<QDBusConnection> client;
};

TEST_F(MprisTest, PauseAndPlayActOnThePlayerAndReadBack)
{
    StartPlaying();
    TAnnouncements heard;
    ASSERT_TRUE(Listen(heard));

    Call(kPlayer, QStringLiteral("Pause"));
    EXPECT_TRUE(WaitFor([this] { return Send(Cmd::QueryState) == 1; }));
    EXPECT_EQ(Status(), QStringLiteral("Paused"));
    // A second Pause must not toggle back to playing.
    Call(kPlayer, QStringLiteral("Pause"));
    Pump(300);
    EXPECT_EQ(Send(Cmd::QueryState), 1);

    Call(kPlayer, QStringLiteral("Play"));
    EXPECT_TRUE(WaitFor([this] { return Send(Cmd::QueryState) == 2; }));
    EXPECT_EQ(Status(), QStringLiteral("Playing"));

    Call(kPlayer, QStringLiteral("PlayPause"));
    EXPECT_TRUE(WaitFor([this] { return Send(Cmd::QueryState) == 1; }));

    EXPECT_TRUE(WaitFor([&heard] {
        return std::any_of(heard.changed.begin(), heard.changed.end(), [](const QVariantMap &m) {
            return m.value(QStringLiteral("PlaybackStatus")) == QStringLiteral("Paused");
        });
    })) << "the pause was not announced";
}

TEST_F(MprisTest, MetadataNamesTheOpenMediumAndStopClearsIt)
{
    StartPlaying();
    const QVariantMap metadata = Metadata();
    EXPECT_EQ(metadata.value(QStringLiteral("xesam:url")).toString(),
              QUrl::fromLocalFile(Media("long-120s.mp4")).toString());
    EXPECT_EQ(metadata.value(QStringLiteral("xesam:title")).toString(),
              QStringLiteral("long-120s"));
    const qlonglong length = metadata.value(QStringLiteral("mpris:length")).toLongLong();
    EXPECT_NEAR(double(length), 120e6, 1e6);
    const auto track = metadata.value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>();
    EXPECT_TRUE(track.path().startsWith(QStringLiteral("/org/tavrel/track/")))
        << track.path().toStdString();

    Call(kPlayer, QStringLiteral("Stop"));
    EXPECT_TRUE(WaitFor([this] { return Status() == QLatin1StringView("Stopped"); }));
    EXPECT_TRUE(WaitFor([this] { return !Metadata().contains(QStringLiteral("xesam:url")); }));
    EXPECT_FALSE(Get(kPlayer, QStringLiteral("CanPlay")).toBool() && Send(Cmd::QueryState) != 0);
}

TEST_F(MprisTest, SetPositionSeeksTheCurrentTrackOnlyAndIsAnnounced)
{
    StartPlaying();
    TAnnouncements heard;
    ASSERT_TRUE(Listen(heard));
    const auto track = Metadata().value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>();

    // A request for another track, or beyond the end, leaves the film where it is.
    Call(kPlayer, QStringLiteral("SetPosition"),
         {QVariant::fromValue(QDBusObjectPath(QStringLiteral("/org/tavrel/track/999"))),
          qlonglong(60'000'000)});
    Call(kPlayer, QStringLiteral("SetPosition"),
         {QVariant::fromValue(track), qlonglong(500'000'000)});
    Pump(500);
    EXPECT_LT(Position(), 10'000'000);
    EXPECT_TRUE(heard.seeked.isEmpty());

    Call(kPlayer, QStringLiteral("SetPosition"),
         {QVariant::fromValue(track), qlonglong(60'000'000)});
    EXPECT_TRUE(WaitFor([this] { return Send(Cmd::QueryPosition) >= 60; }));
    EXPECT_LT(Position(), 63'000'000);
    ASSERT_TRUE(WaitFor([&heard] { return !heard.seeked.isEmpty(); }));
    EXPECT_NEAR(double(heard.seeked.last()), 60e6, 1.5e6);

    // Seek is relative, in microseconds: back 30 s.
    Call(kPlayer, QStringLiteral("Seek"), {qlonglong(-30'000'000)});
    EXPECT_TRUE(WaitFor([this] { return Send(Cmd::QueryPosition) < 40; }));
    EXPECT_GE(Send(Cmd::QueryPosition), 29);
}

TEST_F(MprisTest, VolumeIsTheVolumeBarBothWays)
{
    StartPlaying();
    TAnnouncements heard;
    ASSERT_TRUE(Listen(heard));
    const struct
    {
        double asked;
        int bar;
        double readBack;
    } cases[]
        = {{0.5, 5000, 0.5}, {0.0, 0, 0.0}, {1.7, 10000, 1.0}, {-0.2, 0, 0.0}, {0.25, 2500, 0.25}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.asked);
        player->SetVolumeBar(7000);
        Call(kProperties, QStringLiteral("Set"),
             {kPlayer, QStringLiteral("Volume"), QVariant::fromValue(QDBusVariant(c.asked))});
        EXPECT_EQ(player->VolumeBar(), c.bar);
        EXPECT_DOUBLE_EQ(Get(kPlayer, QStringLiteral("Volume")).toDouble(), c.readBack);
    }
    player->SetVolumeBar(8000);
    EXPECT_TRUE(WaitFor([&heard] {
        return std::any_of(heard.changed.begin(), heard.changed.end(), [](const QVariantMap &m) {
            return m.value(QStringLiteral("Volume")).toDouble() == 0.8;
        });
    })) << "a volume change made in the window was not announced";
}

TEST_F(MprisTest, OpenUriGoesThroughTheHandOffAndRaiseAndIdentityAnswer)
{
    StartPlaying();
    EXPECT_EQ(Get(kRoot, QStringLiteral("Identity")).toString(), QStringLiteral("Tavrel"));
    EXPECT_EQ(Get(kRoot, QStringLiteral("DesktopEntry")).toString(), QStringLiteral("tavrel"));
    EXPECT_TRUE(Get(kRoot, QStringLiteral("SupportedMimeTypes"))
                    .toStringList()
                    .contains(QStringLiteral("video/mp4")));
    EXPECT_TRUE(Get(kRoot, QStringLiteral("SupportedUriSchemes"))
                    .toStringList()
                    .contains(QStringLiteral("https")));

    const QString other = QUrl::fromLocalFile(Media("short.mp4")).toString();
    Call(kPlayer, QStringLiteral("OpenUri"), {other});
    EXPECT_TRUE(WaitFor([this, &other] {
        return Metadata().value(QStringLiteral("xesam:url")).toString() == other;
    }));
    EXPECT_TRUE(WaitFor([this] { return Send(Cmd::QueryState) == 2; }));
    const QDBusMessage raised = Call(kRoot, QStringLiteral("Raise"));
    EXPECT_EQ(raised.type(), QDBusMessage::ReplyMessage) << raised.errorMessage().toStdString();
}

} // namespace

#include "mpris_test.moc"
