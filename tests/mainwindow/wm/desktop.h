#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

// A desktop of our own for window-manager tests: Xvfb on a free display, openbox managing it
// and a dock along the top edge (trayer, with its strut), so that the tests see what a user's
// desktop does to the window. Everything started is stopped with the desktop.
class TestDesktop
{
public:
    static constexpr int kDockHeight = 30;

    TestDesktop() = default;
    ~TestDesktop();
    TestDesktop(const TestDesktop &) = delete;
    TestDesktop &operator=(const TestDesktop &) = delete;

    // Starts it; false (with Reason()) when a program is missing or does not come up.
    bool Start(int width, int height);
    QString Reason() const { return m_reason; }
    QString Display() const { return m_display; }

    // Runs an X client of the desktop and returns its standard output.
    QString Run(const QString &program, const QStringList &arguments) const;
    // The atoms of _NET_WM_STATE of a window.
    QStringList WindowState(unsigned long window) const;
    // The managed windows, bottom first.
    QList<unsigned long> StackingOrder() const;
    unsigned long DockWindow() const;

private:
    QProcess *Launch(const QString &program, const QStringList &arguments);
    bool WaitFor(const std::function<bool()> &condition, int timeoutMs) const;

    std::vector<std::unique_ptr<QProcess>> m_processes;
    QString m_display;
    QString m_reason;
};
