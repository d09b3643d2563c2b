#include "screensaverinhibitor.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusReply>
#include <utility>

namespace {

const QString kScreenSaver = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kScreenSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");
const QString kLogin = QStringLiteral("org.freedesktop.login1");
const QString kApplication = QStringLiteral("Tavrel");
const QString kReason = QStringLiteral("Playing a film");

bool hasService(const QDBusConnection &bus, const QString &name)
{
    if (!bus.isConnected() || !bus.interface())
        return false;
    const QDBusReply<bool> registered = bus.interface()->isServiceRegistered(name);
    return registered.isValid() && registered.value();
}

} // namespace

TScreenSaverInhibitor::TScreenSaverInhibitor(QObject *parent)
    : TScreenSaverInhibitor(QDBusConnection::sessionBus(), QDBusConnection::systemBus(), parent)
{}

TScreenSaverInhibitor::TScreenSaverInhibitor(const QDBusConnection &sessionBus,
                                             const QDBusConnection &systemBus, QObject *parent)
    : QObject(parent)
    , m_session(sessionBus)
    , m_system(systemBus)
{}

TScreenSaverInhibitor::~TScreenSaverInhibitor()
{
    Release();
}

bool TScreenSaverInhibitor::Held() const
{
    return m_wanted && (m_pending || m_cookie || m_idleLock.isValid());
}

void TScreenSaverInhibitor::Hold()
{
    m_wanted = true;
    if (Held())
        return;
    if (hasService(m_session, kScreenSaver)) {
        QDBusMessage call = QDBusMessage::createMethodCall(kScreenSaver, kScreenSaverPath,
                                                           kScreenSaver, QStringLiteral("Inhibit"));
        call << kApplication << kReason;
        auto *watcher = new QDBusPendingCallWatcher(m_session.asyncCall(call), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this,
                &TScreenSaverInhibitor::screenSaverAnswered);
        m_pending = true;
        return;
    }
    if (hasService(m_system, kLogin)) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            kLogin, QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
        call << QStringLiteral("idle") << kApplication << kReason << QStringLiteral("block");
        auto *watcher = new QDBusPendingCallWatcher(m_system.asyncCall(call), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this,
                &TScreenSaverInhibitor::logindAnswered);
        m_pending = true;
    }
}

void TScreenSaverInhibitor::Release()
{
    m_wanted = false;
    if (m_cookie)
        unInhibit(*std::exchange(m_cookie, std::nullopt));
    // Closing the descriptor ends logind's inhibition.
    m_idleLock = QDBusUnixFileDescriptor();
}

void TScreenSaverInhibitor::screenSaverAnswered(QDBusPendingCallWatcher *watcher)
{
    watcher->deleteLater();
    m_pending = false;
    const QDBusPendingReply<quint32> reply = *watcher;
    if (reply.isError())
        return;
    if (m_wanted)
        m_cookie = reply.value();
    else
        unInhibit(reply.value());
}

void TScreenSaverInhibitor::logindAnswered(QDBusPendingCallWatcher *watcher)
{
    watcher->deleteLater();
    m_pending = false;
    const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *watcher;
    if (!reply.isError() && m_wanted)
        m_idleLock = reply.value();
}

void TScreenSaverInhibitor::unInhibit(quint32 cookie)
{
    QDBusMessage call = QDBusMessage::createMethodCall(kScreenSaver, kScreenSaverPath, kScreenSaver,
                                                       QStringLiteral("UnInhibit"));
    call << cookie;
    // Nobody waits for the answer; the service forgets the cookie in any case when we go.
    m_session.send(call);
}
