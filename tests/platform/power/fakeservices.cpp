#include "fakeservices.h"

#include <QMutexLocker>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

QStringList TFakeScreenSaver::Calls() const
{
    QMutexLocker lock(&m_mutex);
    return m_calls;
}

uint TFakeScreenSaver::Inhibit(const QString &application, const QString &)
{
    QMutexLocker lock(&m_mutex);
    m_calls << QStringLiteral("Inhibit ") + application;
    ++m_holds;
    return m_nextCookie++;
}

void TFakeScreenSaver::UnInhibit(uint cookie)
{
    QMutexLocker lock(&m_mutex);
    m_calls << QStringLiteral("UnInhibit ") + QString::number(cookie);
    --m_holds;
}

TFakeLogin::TFakeLogin() = default;

TFakeLogin::~TFakeLogin()
{
    if (m_writeEnd >= 0)
        close(m_writeEnd);
}

QStringList TFakeLogin::Calls() const
{
    QMutexLocker lock(&m_mutex);
    return m_calls;
}

void TFakeLogin::PowerOff(bool interactive)
{
    QMutexLocker lock(&m_mutex);
    m_calls << (interactive ? QStringLiteral("PowerOff true") : QStringLiteral("PowerOff false"));
    ++m_powerOffs;
}

QDBusUnixFileDescriptor TFakeLogin::Inhibit(const QString &what, const QString &who,
                                            const QString &, const QString &mode)
{
    QMutexLocker lock(&m_mutex);
    m_calls << QStringLiteral("Inhibit ") + what + u' ' + who + u' ' + mode;
    int ends[2] = {-1, -1};
    if (pipe(ends) != 0)
        return {};
    if (m_writeEnd >= 0)
        close(m_writeEnd);
    m_writeEnd = ends[1];
    // The descriptor is duplicated into the message; ours is closed.
    QDBusUnixFileDescriptor handed(ends[0]);
    close(ends[0]);
    return handed;
}

bool TFakeLogin::InhibitionHeld() const
{
    QMutexLocker lock(&m_mutex);
    if (m_writeEnd < 0)
        return false;
    // With every reading end closed, the writing end reports an error (POLLERR).
    pollfd probe{m_writeEnd, POLLOUT, 0};
    return poll(&probe, 1, 0) == 1 && !(probe.revents & POLLERR);
}
