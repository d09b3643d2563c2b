#include "playback/avikeyframes.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <array>
#include <cstring>
#include <optional>

namespace {

constexpr qint64 kRiffHeaderBytes = 12;
constexpr qint64 kChunkHeaderBytes = 8;
constexpr qint64 kEntryBytes = 16;
constexpr qint64 kEntriesPerBlock = 4096;
constexpr quint32 kKeyFrameFlag = 16;
constexpr quint64 kLargestFrameNumber = 0xFFFFFFFFu;

qint64 readFully(QIODevice &device, char *buffer, qint64 size)
{
    qint64 total = 0;
    while (total < size) {
        const qint64 got = device.read(buffer + total, size - total);
        if (got <= 0)
            break;
        total += got;
    }
    return total;
}

// Position just after the "idx1" chunk header. Chunk sizes are taken as they are, with no
// pad byte; a size that points past the end of the file ends the walk.
std::optional<qint64> findIndex(QIODevice &device)
{
    const qint64 fileSize = device.size();
    qint64 position = kRiffHeaderBytes;
    char header[kChunkHeaderBytes];
    while (position + kChunkHeaderBytes <= fileSize) {
        if (!device.seek(position)
            || readFully(device, header, kChunkHeaderBytes) != kChunkHeaderBytes)
            return std::nullopt;
        position += kChunkHeaderBytes;
        if (std::memcmp(header, "idx1", 4) == 0)
            return position;
        position += qFromLittleEndian<quint32>(header + 4);
    }
    return std::nullopt;
}

} // namespace

namespace AviKeyFrames {

std::vector<quint32> Read(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return Read(file);
}

std::vector<quint32> Read(QIODevice &device)
{
    std::vector<quint32> table;
    if (!device.isOpen() || device.isSequential())
        return table;
    const std::optional<qint64> index = findIndex(device);
    if (!index || !device.seek(*index))
        return table;

    // The index runs to the end of the file; a partial last entry is ignored.
    std::vector<char> block(kEntriesPerBlock * kEntryBytes);
    quint64 videoFrame = 0;
    for (;;) {
        const qint64 got = readFully(device, block.data(), static_cast<qint64>(block.size()));
        for (qint64 offset = 0; offset + kEntryBytes <= got; offset += kEntryBytes) {
            const char *entry = block.data() + offset;
            if (std::memcmp(entry, "00dc", 4) != 0)
                continue;
            if (videoFrame > kLargestFrameNumber)
                return table;
            if (qFromLittleEndian<quint32>(entry + 4) == kKeyFrameFlag)
                table.push_back(static_cast<quint32>(videoFrame));
            ++videoFrame;
        }
        if (got < static_cast<qint64>(block.size()))
            break;
    }
    return table;
}

} // namespace AviKeyFrames
