#include "instanceclient.h"

bool TInstanceClient::connectTo(const QString &endpoint, int timeoutMs)
{
    m_socket.connectToServer(endpoint);
    return m_socket.waitForConnected(timeoutMs);
}

bool TInstanceClient::isConnected() const
{
    return m_socket.state() == QLocalSocket::ConnectedState;
}

std::optional<qint32> TInstanceClient::send(const TInstanceFrame &frame, int timeoutMs)
{
    if (!isConnected())
        return std::nullopt;
    m_socket.write(InstanceChannel::encodeFrame(frame));
    if (!m_socket.waitForBytesWritten(timeoutMs))
        return std::nullopt;
    while (m_socket.bytesAvailable() < InstanceChannel::kAnswerSize) {
        if (!m_socket.waitForReadyRead(timeoutMs))
            return std::nullopt;
    }
    return InstanceChannel::decodeAnswer(m_socket.read(InstanceChannel::kAnswerSize));
}
