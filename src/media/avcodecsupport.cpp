#include "avcodecsupport.h"

#include <cstring>

namespace AvCodecSupport {

void AttachCodecData(const GstStructure *caps, AVCodecContext *context)
{
    const GValue *codecData = gst_structure_get_value(caps, "codec_data");
    if (!codecData || G_VALUE_TYPE(codecData) != GST_TYPE_BUFFER)
        return;
    GstBuffer *data = gst_value_get_buffer(codecData);
    GstMapInfo map;
    if (!gst_buffer_map(data, &map, GST_MAP_READ))
        return;
    context->extradata
        = static_cast<uint8_t *>(av_mallocz(map.size + AV_INPUT_BUFFER_PADDING_SIZE));
    if (context->extradata) {
        std::memcpy(context->extradata, map.data, map.size);
        context->extradata_size = static_cast<int>(map.size);
    }
    gst_buffer_unmap(data, &map);
}

bool FillPacket(AVPacket *packet, GstBuffer *buffer)
{
    GstMapInfo map;
    if (!gst_buffer_map(buffer, &map, GST_MAP_READ))
        return false;
    const bool filled = map.size <= INT_MAX - AV_INPUT_BUFFER_PADDING_SIZE
                        && av_new_packet(packet, static_cast<int>(map.size)) == 0;
    if (filled)
        std::memcpy(packet->data, map.data, map.size);
    gst_buffer_unmap(buffer, &map);
    return filled;
}

bool RegisterDecoder(const char *factory, GType type)
{
    return gst_element_register(nullptr, factory, GST_RANK_PRIMARY + 1, type);
}

} // namespace AvCodecSupport
