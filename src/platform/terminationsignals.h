#pragma once

#include <QObject>

class QSocketNotifier;

// Turns the requests to end the program that arrive as signals (SIGTERM from a logout or
// `kill`, SIGINT from a terminal, SIGHUP when the terminal goes) into a Qt signal on the
// user-interface thread, so that they end it through its orderly exit. One at a time; the
// default handlers come back when it is destroyed.
class TTerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TTerminationSignals(QObject *parent = nullptr);
    ~TTerminationSignals() override;

    bool Installed() const { return m_notifier != nullptr; }

signals:
    void Requested(int signalNumber);

private:
    void readPending();

    QSocketNotifier *m_notifier = nullptr;
};
