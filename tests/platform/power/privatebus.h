#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QThread>
#include <memory>

// A bus daemon of the test's own (`dbus-daemon --session`), gone with the object.
class TPrivateBus
{
public:
    TPrivateBus();
    ~TPrivateBus();

    bool Started() const { return !m_address.isEmpty(); }
    const QString &Address() const { return m_address; }
    // A new connection to the bus under a name of the caller's choosing.
    QDBusConnection Connect(const QString &name) const;

private:
    QProcess m_daemon;
    QString m_address;
    QStringList m_connections;
};

// Services of the test's own answer on their own thread, so that a blocking call from the
// test's thread is answered.
class TServiceThread
{
public:
    TServiceThread();
    ~TServiceThread();
    // Moves the service there and offers its slots at `path` under `serviceName`.
    bool Offer(QObject *service, const QDBusConnection &bus, const QString &serviceName,
               const QString &path);

private:
    QThread m_thread;
    std::vector<std::unique_ptr<QObject>> m_services;
};
