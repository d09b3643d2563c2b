#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

// The wire format between a second start of the player (or any outside
// program) and the running instance: one request frame, one 32-bit answer.
// Every frame starts with a magic word so that a stray client that writes
// garbage is recognised and dropped instead of being taken for a command.
struct TInstanceFrame
{
    quint32 message = 0; // 1224 command, 1324 deferred command, 1424 busy query
    qint32 code = 0;
    qint32 param = 0;
};

namespace InstanceChannel {

constexpr int kFrameSize = 16;
constexpr int kAnswerSize = 4;

// The endpoint is named after the main window's class name and caption, and it
// lives in the user's private runtime folder, so only that user reaches it.
QString endpointName(const QString &className = QStringLiteral("TTavrelPlayer"),
                     const QString &caption = QStringLiteral("Tavrel"));

QByteArray encodeFrame(const TInstanceFrame &frame);
std::optional<TInstanceFrame> decodeFrame(const QByteArray &bytes);

QByteArray encodeAnswer(qint32 answer);
qint32 decodeAnswer(const QByteArray &bytes);

} // namespace InstanceChannel
