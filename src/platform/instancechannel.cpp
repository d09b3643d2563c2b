#include "instancechannel.h"

#include <QDir>
#include <QFileInfo>
#include <QtEndian>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

constexpr quint32 kMagic = 0x314C5654; // "TVL1" read as little-endian

} // namespace

namespace InstanceChannel {

QString endpointName(const QString &className, const QString &caption)
{
    const QString name = className + QLatin1Char('-') + caption;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return QDir(runtime).filePath(name);
#ifdef Q_OS_UNIX
    // Without a runtime folder, a private folder of our own in the temporary
    // folder; one that belongs to somebody else is never used.
    const uint uid = ::getuid();
    const QString dir = QDir(QDir::tempPath()).filePath(QStringLiteral("tavrel-%1").arg(uid));
    QDir().mkpath(dir);
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QFileInfo info(dir);
    const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
                        | QFile::WriteOther | QFile::ExeOther;
    if (info.ownerId() == uid && !(info.permissions() & others))
        return QDir(dir).filePath(name);
#endif
    return name;
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
