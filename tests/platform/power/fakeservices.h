#pragma once

#include <QDBusUnixFileDescriptor>
#include <QMutex>
#include <QObject>
#include <QStringList>
#include <atomic>

// The session's screen-saver service as far as the player uses it: every call is written
// down ("Inhibit Tavrel", "UnInhibit 7").
class TFakeScreenSaver : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

public:
    QStringList Calls() const;
    int Holds() const { return m_holds; }

public slots:
    uint Inhibit(const QString &application, const QString &reason);
    void UnInhibit(uint cookie);

private:
    mutable QMutex m_mutex;
    QStringList m_calls;
    uint m_nextCookie = 7;
    std::atomic<int> m_holds{0};
};

// logind's manager: power-off requests are only counted, and an idle inhibition hands out
// the reading end of a pipe whose closing the test can see.
class TFakeLogin : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")

public:
    TFakeLogin();
    ~TFakeLogin() override;
    int PowerOffs() const { return m_powerOffs; }
    QStringList Calls() const;
    // The inhibition handed out is still held by someone (its pipe has a reader).
    bool InhibitionHeld() const;

public slots:
    void PowerOff(bool interactive);
    QDBusUnixFileDescriptor Inhibit(const QString &what, const QString &who, const QString &why,
                                    const QString &mode);

private:
    mutable QMutex m_mutex;
    QStringList m_calls;
    std::atomic<int> m_powerOffs{0};
    int m_writeEnd = -1;
};
