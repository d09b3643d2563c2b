#include "ttavrelapplication.h"

#include "media/mediaexception.h"

#include <exception>

TTavrelApplication::TTavrelApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{}

bool TTavrelApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const EMediaException &error) {
        Fault(receiver, error.Message());
    } catch (const std::exception &error) {
        Fault(receiver, QString::fromLocal8Bit(error.what()));
    } catch (...) {
        Fault(receiver, QStringLiteral("Unknown exception"));
    }
    return false;
}

void TTavrelApplication::Fault(const QObject *receiver, const QString &message)
{
    if (m_onFault)
        m_onFault(receiver, message);
    else
        qWarning("tavrel: %s", qPrintable(message));
}
