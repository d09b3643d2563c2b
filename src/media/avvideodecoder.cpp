#include "avvideodecoder.h"

#include "avcodecsupport.h"
#include "avframewrap.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/cpu.h>
#include <libavutil/frame.h>
#include <libavutil/pixdesc.h>
}

#include <algorithm>
#include <cstring>
#include <gst/video/gstvideodecoder.h>
#include <gst/video/video.h>

namespace {

struct CodecCaps
{
    const char *media;
    AVCodecID id;
};
constexpr CodecCaps Codecs[]
    = {{"video/x-h264", AV_CODEC_ID_H264}, {"video/x-h265", AV_CODEC_ID_HEVC}};

// A decoded frame is matched to its input by number; one that has waited this
// many frames behind the newest shown one never comes (a skipped or broken
// picture): far more than any reordering and frame threading delay.
constexpr guint32 StaleFrameDistance = 64;

// libavcodec's own ceiling for its automatic count.
constexpr int MaxFrameThreads = 16;

GstStaticPadTemplate VideoSinkTemplate = GST_STATIC_PAD_TEMPLATE(
    "sink", GST_PAD_SINK, GST_PAD_ALWAYS,
    GST_STATIC_CAPS("video/x-h264, alignment=(string)au, stream-format=(string){avc, byte-stream}; "
                    "video/x-h265, alignment=(string)au, "
                    "stream-format=(string){hvc1, hev1, byte-stream}"));

} // namespace

// What the negotiated output was made from: a change asks for new caps.
struct TavrelOutputKey
{
    int format;
    int width;
    int height;
    int sarNum;
    int sarDen;
    int colorspace;
    int range;
    int primaries;
    int transfer;
    gboolean interlaced;
};

// GObject instances are zero-filled C memory: plain fields only.
struct TavrelAvVideoDec
{
    GstVideoDecoder parent;
    AVCodecContext *context;
    AVFrame *picture;
    AVPacket *packet;
    GstVideoCodecState *input;
    gboolean zeroCopy;
    gboolean negotiated;
    TavrelOutputKey shown;
};

struct TavrelAvVideoDecClass
{
    GstVideoDecoderClass parent;
};

namespace {

gpointer ParentClass = nullptr;

TavrelAvVideoDec *Self(GstVideoDecoder *decoder)
{
    return reinterpret_cast<TavrelAvVideoDec *>(decoder);
}

GstVideoDecoder *Base(TavrelAvVideoDec *self)
{
    return &self->parent;
}

bool IsLive(TavrelAvVideoDec *self)
{
    GstQuery *query = gst_query_new_latency();
    gboolean live = FALSE;
    if (gst_pad_peer_query(Base(self)->sinkpad, query))
        gst_query_parse_latency(query, &live, nullptr, nullptr);
    gst_query_unref(query);
    return live;
}

void CloseContext(TavrelAvVideoDec *self)
{
    avcodec_free_context(&self->context);
    self->negotiated = FALSE;
}

bool OpenContext(TavrelAvVideoDec *self, GstVideoCodecState *state)
{
    const GstStructure *structure = gst_caps_get_structure(state->caps, 0);
    AVCodecID id = AV_CODEC_ID_NONE;
    for (const CodecCaps &codec : Codecs) {
        if (gst_structure_has_name(structure, codec.media))
            id = codec.id;
    }
    const AVCodec *codec = avcodec_find_decoder(id);
    if (!codec)
        return false;
    AVCodecContext *context = avcodec_alloc_context3(codec);
    if (!context)
        return false;
    AvCodecSupport::AttachCodecData(structure, context);
    // The size lets libavcodec size its threads before the first picture.
    // One frame thread per core: each holds a picture of its own (3 MB at
    // 1080p, 12 at 2160p) and delays the output by a frame, and libavcodec's
    // automatic count, one more than the cores, cost 9 MB at 1080p on two
    // cores for no measurable gain in speed. A live stream keeps to slice
    // threads.
    context->width = GST_VIDEO_INFO_WIDTH(&state->info);
    context->height = GST_VIDEO_INFO_HEIGHT(&state->info);
    context->thread_count = std::min(av_cpu_count(), MaxFrameThreads);
    context->thread_type = IsLive(self) ? FF_THREAD_SLICE : FF_THREAD_FRAME | FF_THREAD_SLICE;
    if (avcodec_open2(context, codec, nullptr) < 0) {
        avcodec_free_context(&context);
        return false;
    }
    self->context = context;
    self->negotiated = FALSE;
    return true;
}

TavrelOutputKey KeyOf(const AVFrame *picture)
{
    return {picture->format,
            picture->width,
            picture->height,
            picture->sample_aspect_ratio.num,
            picture->sample_aspect_ratio.den,
            picture->colorspace,
            picture->color_range,
            picture->color_primaries,
            picture->color_trc,
            AvFrameWrap::IsInterlaced(picture)};
}

bool SameKey(const TavrelOutputKey &a, const TavrelOutputKey &b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool EnsureOutput(TavrelAvVideoDec *self, const AVFrame *picture)
{
    const TavrelOutputKey key = KeyOf(picture);
    if (self->negotiated && SameKey(key, self->shown))
        return true;
    const GstVideoFormat format = AvFrameWrap::GstFormat(picture->format);
    if (format == GST_VIDEO_FORMAT_UNKNOWN)
        return false;
    GstVideoCodecState *state = gst_video_decoder_set_output_state(
        Base(self), format, picture->width, picture->height, self->input);
    if (!state)
        return false;
    AvFrameWrap::DescribeOutput(picture, self->context->framerate, *self->input, state->info);
    gst_video_codec_state_unref(state);
    self->shown = key;
    self->negotiated = gst_video_decoder_negotiate(Base(self));
    return self->negotiated;
}

void ReleaseStaleFrames(TavrelAvVideoDec *self, guint32 shownNumber)
{
    if (shownNumber < StaleFrameDistance)
        return;
    GList *frames = gst_video_decoder_get_frames(Base(self));
    for (GList *item = frames; item; item = item->next) {
        auto *frame = static_cast<GstVideoCodecFrame *>(item->data);
        if (frame->system_frame_number < shownNumber - StaleFrameDistance)
            gst_video_decoder_release_frame(Base(self), gst_video_codec_frame_ref(frame));
    }
    g_list_free_full(frames, reinterpret_cast<GDestroyNotify>(gst_video_codec_frame_unref));
}

GstFlowReturn Show(TavrelAvVideoDec *self, AVFrame *picture)
{
    GstVideoDecoder *decoder = Base(self);
    // The packet's number came back as the picture's time stamp.
    GstVideoCodecFrame *frame
        = gst_video_decoder_get_frame(decoder, static_cast<int>(picture->pts));
    if (!frame)
        frame = gst_video_decoder_get_oldest_frame(decoder);
    if (!frame)
        return GST_FLOW_OK;
    if (!EnsureOutput(self, picture)) {
        gst_video_decoder_drop_frame(decoder, frame);
        // Said plainly: "not negotiated" alone tells the user nothing.
        if (AvFrameWrap::GstFormat(picture->format) == GST_VIDEO_FORMAT_UNKNOWN) {
            const char *layout = av_get_pix_fmt_name(static_cast<AVPixelFormat>(picture->format));
            GST_ELEMENT_ERROR(decoder, STREAM, FORMAT,
                              ("The film's pictures are stored as %s, which cannot be shown.",
                               layout ? layout : "an unknown layout"),
                              (nullptr));
        }
        return GST_FLOW_NOT_NEGOTIATED;
    }
    GstVideoCodecState *state = gst_video_decoder_get_output_state(decoder);
    GstBuffer *wrapped = AvFrameWrap::Wrap(picture, state->info);
    GstFlowReturn result = GST_FLOW_OK;
    if (wrapped && !self->zeroCopy) {
        // Downstream cannot read our strides: a copy into its own buffers.
        result = gst_video_decoder_allocate_output_frame(decoder, frame);
        if (result == GST_FLOW_OK
            && !AvFrameWrap::CopyFrame(wrapped, frame->output_buffer, state->info))
            result = GST_FLOW_ERROR;
        gst_buffer_unref(wrapped);
    } else if (wrapped) {
        frame->output_buffer = wrapped;
    } else {
        result = GST_FLOW_ERROR;
    }
    gst_video_codec_state_unref(state);
    if (result != GST_FLOW_OK) {
        gst_video_decoder_drop_frame(decoder, frame);
        return result;
    }
    const guint32 number = frame->system_frame_number;
    result = gst_video_decoder_finish_frame(decoder, frame);
    ReleaseStaleFrames(self, number);
    return result;
}

GstFlowReturn ReceiveFrames(TavrelAvVideoDec *self)
{
    for (;;) {
        const int received = avcodec_receive_frame(self->context, self->picture);
        if (received == AVERROR(EAGAIN) || received == AVERROR_EOF)
            return GST_FLOW_OK;
        if (received < 0) {
            GstFlowReturn result = GST_FLOW_OK;
            GST_VIDEO_DECODER_ERROR(Base(self), 1, STREAM, DECODE, (nullptr),
                                    ("libavcodec could not decode a picture"), result);
            return result;
        }
        const GstFlowReturn shown = Show(self, self->picture);
        av_frame_unref(self->picture);
        if (shown != GST_FLOW_OK)
            return shown;
    }
}

GstFlowReturn Drain(TavrelAvVideoDec *self)
{
    if (!self->context)
        return GST_FLOW_OK;
    avcodec_send_packet(self->context, nullptr);
    const GstFlowReturn result = ReceiveFrames(self);
    // After its end a codec takes packets again only once flushed.
    avcodec_flush_buffers(self->context);
    return result;
}

gboolean Start(GstVideoDecoder *decoder)
{
    TavrelAvVideoDec *self = Self(decoder);
    self->picture = av_frame_alloc();
    self->packet = av_packet_alloc();
    return self->picture && self->packet;
}

gboolean Stop(GstVideoDecoder *decoder)
{
    TavrelAvVideoDec *self = Self(decoder);
    CloseContext(self);
    av_frame_free(&self->picture);
    av_packet_free(&self->packet);
    g_clear_pointer(&self->input, gst_video_codec_state_unref);
    return TRUE;
}

gboolean SetFormat(GstVideoDecoder *decoder, GstVideoCodecState *state)
{
    TavrelAvVideoDec *self = Self(decoder);
    if (self->context) {
        Drain(self);
        CloseContext(self);
    }
    g_clear_pointer(&self->input, gst_video_codec_state_unref);
    self->input = gst_video_codec_state_ref(state);
    return OpenContext(self, state);
}

GstFlowReturn HandleFrame(GstVideoDecoder *decoder, GstVideoCodecFrame *frame)
{
    TavrelAvVideoDec *self = Self(decoder);
    if (!self->context) {
        gst_video_decoder_drop_frame(decoder, frame);
        return GST_FLOW_NOT_NEGOTIATED;
    }
    if (!AvCodecSupport::FillPacket(self->packet, frame->input_buffer)) {
        gst_video_decoder_drop_frame(decoder, frame);
        return GST_FLOW_ERROR;
    }
    self->packet->pts = frame->system_frame_number;
    if (GST_VIDEO_CODEC_FRAME_IS_SYNC_POINT(frame))
        self->packet->flags |= AV_PKT_FLAG_KEY;
    // Behind the clock: pictures no other picture refers to are not decoded.
    const bool late = gst_video_decoder_get_max_decode_time(decoder, frame) < 0;
    self->context->skip_frame = late ? AVDISCARD_NONREF : AVDISCARD_DEFAULT;
    gst_video_codec_frame_unref(frame);
    const int sent = avcodec_send_packet(self->context, self->packet);
    av_packet_unref(self->packet);
    GstFlowReturn result = ReceiveFrames(self);
    if (sent < 0 && sent != AVERROR(EAGAIN) && result == GST_FLOW_OK)
        GST_VIDEO_DECODER_ERROR(decoder, 1, STREAM, DECODE, (nullptr),
                                ("libavcodec refused a packet"), result);
    return result;
}

gboolean Flush(GstVideoDecoder *decoder)
{
    TavrelAvVideoDec *self = Self(decoder);
    if (self->context)
        avcodec_flush_buffers(self->context);
    return TRUE;
}

GstFlowReturn Finish(GstVideoDecoder *decoder)
{
    return Drain(Self(decoder));
}

gboolean DecideAllocation(GstVideoDecoder *decoder, GstQuery *query)
{
    TavrelAvVideoDec *self = Self(decoder);
    auto *parent = static_cast<GstVideoDecoderClass *>(ParentClass);
    if (!parent->decide_allocation(decoder, query))
        return FALSE;
    self->zeroCopy = gst_query_find_allocation_meta(query, GST_VIDEO_META_API_TYPE, nullptr);
    return TRUE;
}

void VideoClassInit(gpointer klass, gpointer)
{
    ParentClass = g_type_class_peek_parent(klass);
    auto *element = static_cast<GstElementClass *>(klass);
    gst_element_class_add_static_pad_template(element, &VideoSinkTemplate);
    GstCaps *raw = AvFrameWrap::RawCaps();
    gst_element_class_add_pad_template(
        element, gst_pad_template_new("src", GST_PAD_SRC, GST_PAD_ALWAYS, raw));
    gst_caps_unref(raw);
    gst_element_class_set_static_metadata(
        element, "Tavrel H.264/H.265 decoder", "Codec/Decoder/Video",
        "Decodes H.264 and H.265 with libavcodec into frames shown without a copy",
        "Tavrel developers");
    auto *decoder = static_cast<GstVideoDecoderClass *>(klass);
    decoder->start = Start;
    decoder->stop = Stop;
    decoder->set_format = SetFormat;
    decoder->handle_frame = HandleFrame;
    decoder->flush = Flush;
    decoder->drain = Finish;
    decoder->finish = Finish;
    decoder->decide_allocation = DecideAllocation;
}

void VideoInstanceInit(GTypeInstance *instance, gpointer)
{
    auto *decoder = reinterpret_cast<GstVideoDecoder *>(instance);
    gst_video_decoder_set_packetized(decoder, TRUE);
    gst_video_decoder_set_needs_format(decoder, TRUE);
    gst_video_decoder_set_use_default_pad_acceptcaps(decoder, TRUE);
    GST_PAD_SET_ACCEPT_TEMPLATE(decoder->sinkpad);
}

GType VideoDecoderType()
{
    static const GType type = g_type_register_static_simple(
        GST_TYPE_VIDEO_DECODER, "TavrelAvVideoDec", sizeof(TavrelAvVideoDecClass), VideoClassInit,
        sizeof(TavrelAvVideoDec), VideoInstanceInit, GTypeFlags(0));
    return type;
}

} // namespace

namespace AvVideoDecoder {

bool Register()
{
    static const bool registered = AvCodecSupport::RegisterDecoder(FactoryName, VideoDecoderType());
    return registered;
}

} // namespace AvVideoDecoder
