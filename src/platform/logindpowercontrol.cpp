#include "logindpowercontrol.h"

#include <QDBusMessage>
#include <QProcess>

namespace {

constexpr int kReplyTimeoutMs = 5000;

void systemctlPowerOff()
{
    QProcess::startDetached(QStringLiteral("systemctl"), {QStringLiteral("poweroff")});
}

} // namespace

TLogindPowerControl::TLogindPowerControl()
    : TLogindPowerControl(QDBusConnection::systemBus(), systemctlPowerOff)
{}

TLogindPowerControl::TLogindPowerControl(const QDBusConnection &systemBus, TFallback fallback)
    : m_bus(systemBus)
    , m_fallback(std::move(fallback))
{}

void TLogindPowerControl::PowerOff()
{
    if (m_bus.isConnected()) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PowerOff"));
        // Not interactive: the player asks for no password; a refusal goes to the fallback.
        call << false;
        const QDBusMessage reply = m_bus.call(call, QDBus::Block, kReplyTimeoutMs);
        if (reply.type() == QDBusMessage::ReplyMessage)
            return;
    }
    if (m_fallback)
        m_fallback();
}
