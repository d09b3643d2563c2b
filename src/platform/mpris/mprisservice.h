#pragma once

#include "mprisstate.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QVariantMap>
#include <functional>

class TMprisPlayerAdaptor;

// What the bus service asks of the player: its command codes, one reading of its state, the
// volume bar and the way a handed-over file is opened.
struct TMprisHooks
{
    std::function<qint32(qint32 code, qint32 param)> send;
    std::function<TMprisState()> state;
    std::function<void(int bar)> setVolumeBar;
    std::function<void(const QString &uri)> openUri;
    QStringList mimeTypes;
};

// The player on the session bus as an MPRIS2 media player, so that media keys, the desktop's
// media widget and playerctl reach it. Every method becomes one of the player's command
// codes; the state is read again a few times a second and what changed is announced.
class TMprisService : public QObject
{
    Q_OBJECT

public:
    static constexpr const char *kServiceName = "org.mpris.MediaPlayer2.tavrel";
    static constexpr const char *kObjectPath = "/org/mpris/MediaPlayer2";

    explicit TMprisService(TMprisHooks hooks, QObject *parent = nullptr);
    ~TMprisService() override;

    // Offers the player on `bus`; false (and nothing offered) when the bus is not there.
    // A second player already holding the name gets one with this process's id appended.
    bool Register(const QDBusConnection &bus);
    QString ServiceName() const { return m_serviceName; }

    // Reads the state and announces what changed since the last reading.
    void Refresh();

    // org.mpris.MediaPlayer2
    void Raise();
    void Quit();
    QStringList SupportedMimeTypes() const { return m_hooks.mimeTypes; }

    // org.mpris.MediaPlayer2.Player
    void Play();
    void Pause();
    void PlayPause();
    void Stop();
    void Next();
    void Previous();
    void Seek(qlonglong offsetUs);
    void SetPosition(const QDBusObjectPath &trackId, qlonglong positionUs);
    void OpenUri(const QString &uri);
    QString PlaybackStatus() const;
    QVariantMap Metadata() const;
    qlonglong Position() const;
    double Volume() const;
    void SetVolume(double volume);
    bool CanGoNext() const { return m_last.canGoNext; }
    bool CanGoPrevious() const { return m_last.canGoPrevious; }
    bool CanPlay() const { return m_last.HasMedium(); }
    bool CanPause() const { return m_last.HasMedium(); }
    bool CanSeek() const { return m_last.canSeek; }

private:
    QDBusObjectPath TrackId() const;
    QVariant PropertyValue(const QString &name) const;

    TMprisHooks m_hooks;
    TMprisState m_last;
    QElapsedTimer m_sinceLast;
    int m_trackNumber = 0;
    QDBusConnection m_bus;
    QString m_serviceName;
    QTimer m_poll;
    TMprisPlayerAdaptor *m_player = nullptr;
};
