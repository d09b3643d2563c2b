#pragma once

#include <QApplication>
#include <functional>

// The application object. Any exception that leaves an event handler (a
// command, a click, a timer) is caught here and handed to the error
// reporter; the event loop goes on.
class TTavrelApplication : public QApplication
{
    Q_OBJECT

public:
    using FaultHandler = std::function<void(const QObject *sender, const QString &message)>;

    TTavrelApplication(int &argc, char **argv);

    void SetFaultHandler(FaultHandler handler) { m_onFault = std::move(handler); }

    bool notify(QObject *receiver, QEvent *event) override;

private:
    void Fault(const QObject *receiver, const QString &message);

    FaultHandler m_onFault;
};
