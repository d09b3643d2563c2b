#include "avaudioframe.h"

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/samplefmt.h>
}

#include <array>
#include <cstring>

namespace {

struct ChannelPair
{
    uint64_t av;
    GstAudioChannelPosition gst;
};
// libavcodec's native order is ascending bits, the same as this table's.
constexpr ChannelPair Channels[] = {
    {AV_CH_FRONT_LEFT, GST_AUDIO_CHANNEL_POSITION_FRONT_LEFT},
    {AV_CH_FRONT_RIGHT, GST_AUDIO_CHANNEL_POSITION_FRONT_RIGHT},
    {AV_CH_FRONT_CENTER, GST_AUDIO_CHANNEL_POSITION_FRONT_CENTER},
    {AV_CH_LOW_FREQUENCY, GST_AUDIO_CHANNEL_POSITION_LFE1},
    {AV_CH_BACK_LEFT, GST_AUDIO_CHANNEL_POSITION_REAR_LEFT},
    {AV_CH_BACK_RIGHT, GST_AUDIO_CHANNEL_POSITION_REAR_RIGHT},
    {AV_CH_FRONT_LEFT_OF_CENTER, GST_AUDIO_CHANNEL_POSITION_FRONT_LEFT_OF_CENTER},
    {AV_CH_FRONT_RIGHT_OF_CENTER, GST_AUDIO_CHANNEL_POSITION_FRONT_RIGHT_OF_CENTER},
    {AV_CH_BACK_CENTER, GST_AUDIO_CHANNEL_POSITION_REAR_CENTER},
    {AV_CH_SIDE_LEFT, GST_AUDIO_CHANNEL_POSITION_SIDE_LEFT},
    {AV_CH_SIDE_RIGHT, GST_AUDIO_CHANNEL_POSITION_SIDE_RIGHT},
    {AV_CH_TOP_CENTER, GST_AUDIO_CHANNEL_POSITION_TOP_CENTER},
    {AV_CH_TOP_FRONT_LEFT, GST_AUDIO_CHANNEL_POSITION_TOP_FRONT_LEFT},
    {AV_CH_TOP_FRONT_CENTER, GST_AUDIO_CHANNEL_POSITION_TOP_FRONT_CENTER},
    {AV_CH_TOP_FRONT_RIGHT, GST_AUDIO_CHANNEL_POSITION_TOP_FRONT_RIGHT},
    {AV_CH_TOP_BACK_LEFT, GST_AUDIO_CHANNEL_POSITION_TOP_REAR_LEFT},
    {AV_CH_TOP_BACK_CENTER, GST_AUDIO_CHANNEL_POSITION_TOP_REAR_CENTER},
    {AV_CH_TOP_BACK_RIGHT, GST_AUDIO_CHANNEL_POSITION_TOP_REAR_RIGHT},
};

GstAudioFormat FormatOf(int sampleFormat)
{
    switch (av_get_packed_sample_fmt(static_cast<AVSampleFormat>(sampleFormat))) {
    case AV_SAMPLE_FMT_U8:
        return GST_AUDIO_FORMAT_U8;
    case AV_SAMPLE_FMT_S16:
        return GST_AUDIO_FORMAT_S16;
    case AV_SAMPLE_FMT_S32:
        return GST_AUDIO_FORMAT_S32;
    case AV_SAMPLE_FMT_FLT:
        return GST_AUDIO_FORMAT_F32;
    case AV_SAMPLE_FMT_DBL:
        return GST_AUDIO_FORMAT_F64;
    default:
        return GST_AUDIO_FORMAT_UNKNOWN;
    }
}

// The frame's channels in its own order; all NONE (unpositioned) when a
// channel has no place the framework knows.
void PositionsOf(const AVFrame *frame, GstAudioChannelPosition *positions)
{
    const int channels = frame->ch_layout.nb_channels;
    if (channels == 1) {
        positions[0] = GST_AUDIO_CHANNEL_POSITION_MONO;
        return;
    }
    int found = 0;
    if (frame->ch_layout.order == AV_CHANNEL_ORDER_NATIVE) {
        for (const ChannelPair &pair : Channels) {
            if ((frame->ch_layout.u.mask & pair.av) && found < channels)
                positions[found++] = pair.gst;
        }
    } else if (channels == 2) {
        positions[found++] = GST_AUDIO_CHANNEL_POSITION_FRONT_LEFT;
        positions[found++] = GST_AUDIO_CHANNEL_POSITION_FRONT_RIGHT;
    }
    if (found != channels) {
        for (int channel = 0; channel < channels; ++channel)
            positions[channel] = GST_AUDIO_CHANNEL_POSITION_NONE;
    }
}

} // namespace

namespace AvAudioFrame {

bool DescribeOutput(const AVFrame *frame, GstAudioInfo &info)
{
    const int channels = frame->ch_layout.nb_channels;
    const GstAudioFormat format = FormatOf(frame->format);
    if (format == GST_AUDIO_FORMAT_UNKNOWN || channels < 1 || channels > 64
        || frame->sample_rate <= 0)
        return false;
    std::array<GstAudioChannelPosition, 64> positions{};
    PositionsOf(frame, positions.data());
    if (channels > 1 && channels <= 8 && positions[0] != GST_AUDIO_CHANNEL_POSITION_NONE)
        gst_audio_channel_positions_to_valid_order(positions.data(), channels);
    gst_audio_info_init(&info);
    gst_audio_info_set_format(&info, format, frame->sample_rate, channels,
                              channels > 8 ? nullptr : positions.data());
    return true;
}

GstBuffer *Interleave(const AVFrame *frame, const GstAudioInfo &info)
{
    const int channels = GST_AUDIO_INFO_CHANNELS(&info);
    const int width = GST_AUDIO_INFO_BPS(&info);
    const auto sampleFormat = static_cast<AVSampleFormat>(frame->format);
    if (frame->ch_layout.nb_channels != channels || FormatOf(frame->format) != info.finfo->format
        || av_get_bytes_per_sample(sampleFormat) != width || frame->nb_samples < 0)
        return nullptr;
    const gsize bytes = gsize(frame->nb_samples) * channels * width;
    GstBuffer *buffer = gst_buffer_new_allocate(nullptr, bytes, nullptr);
    GstMapInfo map;
    if (!buffer || !gst_buffer_map(buffer, &map, GST_MAP_WRITE)) {
        if (buffer)
            gst_buffer_unref(buffer);
        return nullptr;
    }
    if (!av_sample_fmt_is_planar(sampleFormat)) {
        std::memcpy(map.data, frame->extended_data[0], bytes);
    } else {
        const gsize step = gsize(channels) * width;
        for (int channel = 0; channel < channels; ++channel) {
            const uint8_t *from = frame->extended_data[channel];
            uint8_t *to = map.data + gsize(channel) * width;
            for (int sample = 0; sample < frame->nb_samples; ++sample, from += width, to += step)
                std::memcpy(to, from, width);
        }
    }
    // The framework keeps its own channel order: positions given in another
    // are sorted, and the samples with them.
    std::array<GstAudioChannelPosition, 64> positions{};
    if (channels > 1 && channels <= 8) {
        PositionsOf(frame, positions.data());
        if (positions[0] != GST_AUDIO_CHANNEL_POSITION_NONE)
            gst_audio_reorder_channels(map.data, bytes, info.finfo->format, channels,
                                       positions.data(), info.position);
    }
    gst_buffer_unmap(buffer, &map);
    return buffer;
}

} // namespace AvAudioFrame
