#include "privatebus.h"

#include <QDBusConnectionInterface>

TPrivateBus::TPrivateBus()
{
    m_daemon.setProgram(QStringLiteral("dbus-daemon"));
    m_daemon.setArguments({QStringLiteral("--session"), QStringLiteral("--nofork"),
                           QStringLiteral("--print-address")});
    m_daemon.start();
    if (!m_daemon.waitForStarted(5000))
        return;
    while (m_daemon.state() == QProcess::Running && !m_daemon.canReadLine())
        m_daemon.waitForReadyRead(5000);
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
}

TPrivateBus::~TPrivateBus()
{
    for (const QString &name : m_connections)
        QDBusConnection::disconnectFromBus(name);
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.terminate();
        m_daemon.waitForFinished(5000);
    }
}

QDBusConnection TPrivateBus::Connect(const QString &name) const
{
    const_cast<QStringList &>(m_connections).append(name);
    return QDBusConnection::connectToBus(m_address, name);
}

TServiceThread::TServiceThread()
{
    m_thread.start();
}

TServiceThread::~TServiceThread()
{
    m_thread.quit();
    m_thread.wait();
}

bool TServiceThread::Offer(QObject *service, const QDBusConnection &bus, const QString &serviceName,
                           const QString &path)
{
    m_services.emplace_back(service);
    service->moveToThread(&m_thread);
    QDBusConnection connection(bus);
    return connection.registerObject(path, service, QDBusConnection::ExportAllSlots)
           && connection.registerService(serviceName);
}
