#pragma once

#include "instancechannel.h"

#include <QObject>
#include <QPointer>
#include <functional>

class QLocalServer;
class QLocalSocket;

// The running instance's end of the channel. Requests are answered on the
// thread that owns the server (the user-interface thread), one at a time per
// connection and in the order they arrived, so a sender that waits for each
// answer sees its commands run strictly in sequence.
class TInstanceServer : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<qint32(const TInstanceFrame &)>;

    explicit TInstanceServer(Handler handler, QObject *parent = nullptr);
    ~TInstanceServer() override;

    // Starts listening; a socket left behind by an instance that was killed is
    // removed first. False when another live instance already listens.
    bool listen(const QString &endpoint);
    void close();
    QString endpoint() const;

private:
    void acceptConnections();
    void serve(QLocalSocket *socket);

    Handler m_handler;
    QLocalServer *m_server = nullptr;
};
