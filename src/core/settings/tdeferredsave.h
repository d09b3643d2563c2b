#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

// Saves what changed soon after the first change, so that a killed program loses at most
// that moment's changes: the first poke arms the timer, later pokes ride along with it (a
// stream of changes cannot put the save off for ever), and Flush saves what is pending now.
class TDeferredSave : public QObject
{
    Q_OBJECT

public:
    static constexpr int kDelayMs = 1000;

    explicit TDeferredSave(std::function<void()> save, int delayMs = kDelayMs,
                           QObject *parent = nullptr);

    void Poke();
    // Saves at once when something is pending; otherwise does nothing.
    void Flush();
    // Drops what is pending (the program's own exit saves everything).
    void Cancel() { m_timer.stop(); }
    bool Pending() const { return m_timer.isActive(); }
    // Moving, resizing, showing or hiding the object (a window) counts as a change.
    void Watch(QObject *object);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> m_save;
    QTimer m_timer;
};
