#pragma once

#include "ikeepawake.h"

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <optional>

class QDBusPendingCallWatcher;

// Keeps the desktop awake through the session's screen-saver service
// (org.freedesktop.ScreenSaver Inhibit / UnInhibit) and, where no such service runs,
// through logind's idle inhibition on the system bus (a descriptor held open). Without
// either bus nothing happens. Calls never block: the answers arrive on the event loop, and a
// hold given back before its answer came is handed back as soon as it comes.
class TScreenSaverInhibitor : public QObject, public IKeepAwake
{
    Q_OBJECT

public:
    explicit TScreenSaverInhibitor(QObject *parent = nullptr);
    // Tests point both at private buses.
    TScreenSaverInhibitor(const QDBusConnection &sessionBus, const QDBusConnection &systemBus,
                          QObject *parent = nullptr);
    ~TScreenSaverInhibitor() override;

    void Hold() override;
    void Release() override;
    bool Held() const override;

private:
    void screenSaverAnswered(QDBusPendingCallWatcher *watcher);
    void logindAnswered(QDBusPendingCallWatcher *watcher);
    void unInhibit(quint32 cookie);

    QDBusConnection m_session;
    QDBusConnection m_system;
    bool m_wanted = false;
    bool m_pending = false;
    std::optional<quint32> m_cookie;
    QDBusUnixFileDescriptor m_idleLock;
};
