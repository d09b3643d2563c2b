// The command channel's frames from any client: garbage is refused, and a frame that is
// taken comes out of the encoder byte for byte as it went in.
#include "instancechannel.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    if (const std::optional<TInstanceFrame> frame = InstanceChannel::decodeFrame(bytes)) {
        if (bytes.size() != InstanceChannel::kFrameSize
            || InstanceChannel::encodeFrame(*frame) != bytes)
            std::abort();
    }
    const qint32 answer = InstanceChannel::decodeAnswer(bytes);
    if (bytes.size() == InstanceChannel::kAnswerSize
        && InstanceChannel::encodeAnswer(answer) != bytes)
        std::abort();
    return 0;
}
