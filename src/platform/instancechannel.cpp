#include "instancechannel.h"

#include <QDir>
#include <QStandardPaths>
#include <QtEndian>

namespace {

constexpr quint32 kMagic = 0x314C5654; // "TVL1" read as little-endian

} // namespace

namespace InstanceChannel {

QString endpointName(const QString &className, const QString &caption)
{
    // The runtime location is created with mode 0700 for the current user.
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return QDir(dir).filePath(className + QLatin1Char('-') + caption);
}

QByteArray encodeFrame(const TInstanceFrame &frame)
{
    QByteArray bytes(kFrameSize, Qt::Uninitialized);
    uchar *p = reinterpret_cast<uchar *>(bytes.data());
    qToLittleEndian<quint32>(kMagic, p);
    qToLittleEndian<quint32>(frame.message, p + 4);
    qToLittleEndian<qint32>(frame.code, p + 8);
    qToLittleEndian<qint32>(frame.param, p + 12);
    return bytes;
}

std::optional<TInstanceFrame> decodeFrame(const QByteArray &bytes)
{
    if (bytes.size() != kFrameSize)
        return std::nullopt;
    const uchar *p = reinterpret_cast<const uchar *>(bytes.constData());
    if (qFromLittleEndian<quint32>(p) != kMagic)
        return std::nullopt;
    TInstanceFrame frame;
    frame.message = qFromLittleEndian<quint32>(p + 4);
    frame.code = qFromLittleEndian<qint32>(p + 8);
    frame.param = qFromLittleEndian<qint32>(p + 12);
    return frame;
}

QByteArray encodeAnswer(qint32 answer)
{
    QByteArray bytes(kAnswerSize, Qt::Uninitialized);
    qToLittleEndian<qint32>(answer, reinterpret_cast<uchar *>(bytes.data()));
    return bytes;
}

qint32 decodeAnswer(const QByteArray &bytes)
{
    if (bytes.size() != kAnswerSize)
        return 0;
    return qFromLittleEndian<qint32>(reinterpret_cast<const uchar *>(bytes.constData()));
}

} // namespace InstanceChannel
