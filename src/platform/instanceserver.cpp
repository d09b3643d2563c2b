#include "instanceserver.h"

#include "instanceclient.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QVariant>

namespace {

// Set while a request of that connection is being answered: a handler that runs
// a nested event loop (a modal box) must not start the next request early.
const char kBusyProperty[] = "tavrelBusy";

} // namespace

TInstanceServer::TInstanceServer(Handler handler, QObject *parent)
    : QObject(parent)
    , m_handler(std::move(handler))
    , m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &TInstanceServer::acceptConnections);
}

TInstanceServer::~TInstanceServer()
{
    close();
}

bool TInstanceServer::listen(const QString &endpoint)
{
    // Listening with access options replaces an existing socket file, so a
    // live instance must be asked first or its endpoint would be taken over.
    TInstanceClient probe;
    if (probe.connectTo(endpoint, 300))
        return false;
    QLocalServer::removeServer(endpoint);
    return m_server->listen(endpoint);
}

void TInstanceServer::close()
{
    if (m_server->isListening())
        m_server->close();
}

QString TInstanceServer::endpoint() const
{
    return m_server->fullServerName();
}

void TInstanceServer::acceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { serve(socket); });
        serve(socket);
    }
}

void TInstanceServer::serve(QLocalSocket *socket)
{
    if (socket->property(kBusyProperty).toBool())
        return;
    QPointer<QLocalSocket> guard(socket);
    socket->setProperty(kBusyProperty, true);
    while (guard && guard->bytesAvailable() >= InstanceChannel::kFrameSize) {
        const auto frame = InstanceChannel::decodeFrame(guard->read(InstanceChannel::kFrameSize));
        if (!frame) {
            guard->abort();
            break;
        }
        const qint32 answer = m_handler ? m_handler(*frame) : 0;
        if (guard)
            guard->write(InstanceChannel::encodeAnswer(answer));
    }
    if (guard) {
        guard->setProperty(kBusyProperty, false);
        guard->flush();
    }
}
