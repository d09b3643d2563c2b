#include "mprisservice.h"

#include "commands/commandcodes.h"
#include "mprisplayeradaptor.h"
#include "mprisrootadaptor.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <limits>

namespace {

// Often enough that a widget's play button follows a key press without a visible lag.
constexpr int kPollMs = 250;
constexpr const char *kPlayerInterface = "org.mpris.MediaPlayer2.Player";

// The relative seeks take a distance in milliseconds.
qint32 distanceMs(qlonglong offsetUs)
{
    const qlonglong most = std::numeric_limits<qint32>::max();
    return static_cast<qint32>(qBound<qlonglong>(0, qAbs(offsetUs / 1000), most));
}

} // namespace

TMprisService::TMprisService(TMprisHooks hooks, QObject *parent)
    : QObject(parent)
    , m_hooks(std::move(hooks))
    , m_bus(QString())
{
    new TMprisRootAdaptor(this);
    m_player = new TMprisPlayerAdaptor(this);
    m_poll.setInterval(kPollMs);
    connect(&m_poll, &QTimer::timeout, this, &TMprisService::Refresh);
}

TMprisService::~TMprisService()
{
    if (m_serviceName.isEmpty())
        return;
    m_bus.unregisterObject(QString::fromLatin1(kObjectPath));
    m_bus.unregisterService(m_serviceName);
}

bool TMprisService::Register(const QDBusConnection &bus)
{
    if (!bus.isConnected())
        return false;
    m_bus = bus;
    if (!m_bus.registerObject(QString::fromLatin1(kObjectPath), this,
                              QDBusConnection::ExportAdaptors))
        return false;
    QString name = QString::fromLatin1(kServiceName);
    if (!m_bus.registerService(name)) {
        name += QStringLiteral(".instance%1").arg(QCoreApplication::applicationPid());
        if (!m_bus.registerService(name)) {
            m_bus.unregisterObject(QString::fromLatin1(kObjectPath));
            return false;
        }
    }
    m_serviceName = name;
    m_last = m_hooks.state();
    m_sinceLast.start();
    m_poll.start();
    return true;
}

void TMprisService::Refresh()
{
    const TMprisState now = m_hooks.state();
    const qint64 elapsed = m_sinceLast.isValid() ? m_sinceLast.restart() : 0;
    const TMprisState before = std::exchange(m_last, now);
    if (now.url != before.url && now.HasMedium())
        ++m_trackNumber;
    const QStringList changed = MprisRules::ChangedProperties(before, now);
    if (!changed.isEmpty() && !m_serviceName.isEmpty()) {
        QVariantMap values;
        for (const QString &name : changed)
            values.insert(name, PropertyValue(name));
        QDBusMessage signal = QDBusMessage::createSignal(
            QString::fromLatin1(kObjectPath), QStringLiteral("org.freedesktop.DBus.Properties"),
            QStringLiteral("PropertiesChanged"));
        signal << QString::fromLatin1(kPlayerInterface) << values << QStringList();
        m_bus.send(signal);
    }
    if (MprisRules::PositionJumped(before, now, elapsed))
        emit m_player->Seeked(now.positionUs);
}

QVariant TMprisService::PropertyValue(const QString &name) const
{
    if (name == QLatin1StringView("PlaybackStatus"))
        return PlaybackStatus();
    if (name == QLatin1StringView("Metadata"))
        return Metadata();
    if (name == QLatin1StringView("Volume"))
        return Volume();
    if (name == QLatin1StringView("CanGoNext"))
        return CanGoNext();
    if (name == QLatin1StringView("CanGoPrevious"))
        return CanGoPrevious();
    if (name == QLatin1StringView("CanSeek"))
        return CanSeek();
    return CanPlay(); // CanPlay and CanPause go together
}

void TMprisService::Raise()
{
    m_hooks.send(Cmd::Activate, 0);
}

void TMprisService::Quit()
{
    m_hooks.send(Cmd::Exit, 0);
}

void TMprisService::Play()
{
    const int status = m_hooks.state().status;
    // Stopped means nothing is open: the play key starts the list as it does in the window.
    if (status == TMprisState::Stopped)
        m_hooks.send(Cmd::PlayPause, 0);
    else if (status == TMprisState::Paused)
        m_hooks.send(Cmd::Play, 0);
    Refresh();
}

void TMprisService::Pause()
{
    if (m_hooks.state().status == TMprisState::Playing)
        m_hooks.send(Cmd::Pause, 0);
    Refresh();
}

void TMprisService::PlayPause()
{
    m_hooks.send(Cmd::PlayPause, 0);
    Refresh();
}

void TMprisService::Stop()
{
    m_hooks.send(Cmd::Close, 0);
    Refresh();
}

void TMprisService::Next()
{
    m_hooks.send(Cmd::Next, 0);
    Refresh();
}

void TMprisService::Previous()
{
    m_hooks.send(Cmd::Previous, 0);
    Refresh();
}

void TMprisService::Seek(qlonglong offsetUs)
{
    const TMprisState now = m_hooks.state();
    if (!now.canSeek || offsetUs == 0)
        return;
    if (offsetUs > 0 && now.lengthUs > 0 && now.positionUs + offsetUs > now.lengthUs) {
        Next();
        return;
    }
    if (offsetUs > 0)
        m_hooks.send(Cmd::SeekForward, distanceMs(offsetUs));
    else
        m_hooks.send(Cmd::SeekBack, distanceMs(offsetUs));
}

void TMprisService::SetPosition(const QDBusObjectPath &trackId, qlonglong positionUs)
{
    Refresh();
    const TMprisState &now = m_last;
    // A request for another (older) track or beyond the end is ignored, as listeners expect.
    if (!now.canSeek || trackId != TrackId() || positionUs < 0 || positionUs > now.lengthUs)
        return;
    m_hooks.send(Cmd::SeekTo, static_cast<qint32>(positionUs / 1'000'000));
}

void TMprisService::OpenUri(const QString &uri)
{
    if (!uri.trimmed().isEmpty())
        m_hooks.openUri(uri);
}

QString TMprisService::PlaybackStatus() const
{
    return MprisRules::PlaybackStatus(m_hooks.state().status);
}

QVariantMap TMprisService::Metadata() const
{
    QVariantMap map;
    map.insert(QStringLiteral("mpris:trackid"), QVariant::fromValue(TrackId()));
    if (!m_last.HasMedium())
        return map;
    map.insert(QStringLiteral("xesam:title"), m_last.title);
    map.insert(QStringLiteral("xesam:url"), m_last.url);
    if (m_last.lengthUs > 0)
        map.insert(QStringLiteral("mpris:length"), qlonglong(m_last.lengthUs));
    return map;
}

qlonglong TMprisService::Position() const
{
    return m_hooks.state().positionUs;
}

double TMprisService::Volume() const
{
    return MprisRules::VolumeOf(m_hooks.state().volumeBar);
}

void TMprisService::SetVolume(double volume)
{
    if (const auto bar = MprisRules::VolumeBarOf(volume)) {
        m_hooks.setVolumeBar(*bar);
        Refresh();
    }
}

QDBusObjectPath TMprisService::TrackId() const
{
    if (!m_last.HasMedium())
        return QDBusObjectPath(QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack"));
    return QDBusObjectPath(QStringLiteral("/org/tavrel/track/%1").arg(m_trackNumber));
}
