#include "playback/filefingerprint.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace {

constexpr qint64 kSampleBytes = 1000;

// Reads until the buffer is full or the file ends; a single read may return less.
qint64 readFully(QFile &file, char *buffer, qint64 size)
{
    qint64 total = 0;
    while (total < size) {
        const qint64 got = file.read(buffer + total, size - total);
        if (got <= 0)
            break;
        total += got;
    }
    return total;
}

} // namespace

QString FileFingerprint(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return {};
    // QFile opens without locking: other programs may keep reading and writing the film.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(file.size() / 2))
        return {};
    char sample[kSampleBytes];
    if (readFully(file, sample, kSampleBytes) != kSampleBytes)
        return {};
    quint32 folded = 0;
    for (qint64 offset = 0; offset < kSampleBytes; offset += 4)
        folded ^= qFromLittleEndian<quint32>(sample + offset);
    return QString::number(folded, 16).toUpper();
}
