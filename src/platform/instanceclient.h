#pragma once

#include "instancechannel.h"

#include <QLocalSocket>
#include <optional>

// The sending end: a second start of the player, or `tavrel --command`.
// Every call blocks until the running instance has answered, as a synchronous
// window message would.
class TInstanceClient
{
public:
    bool connectTo(const QString &endpoint, int timeoutMs = 1000);
    bool isConnected() const;

    // The answer of the running instance, or nothing when it did not answer
    // within the time-out or the connection broke.
    std::optional<qint32> send(const TInstanceFrame &frame, int timeoutMs = 30000);

private:
    QLocalSocket m_socket;
};
