// Any bytes as an AVI file for the key-frame table: the numbers ascend strictly, and there
// are never more of them than index entries the file could hold.
#include "playback/avikeyframes.h"

#include <QBuffer>
#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const std::vector<quint32> table = AviKeyFrames::Read(buffer);
    if (table.size() > size / 16)
        std::abort();
    for (size_t i = 1; i < table.size(); ++i) {
        if (table[i] <= table[i - 1])
            std::abort();
    }
    return 0;
}
