#include "avaudiodecoder.h"

#include "avaudioframe.h"
#include "avcodecsupport.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/channel_layout.h>
}

#include <gst/audio/gstaudiodecoder.h>

namespace {

GstStaticPadTemplate AudioSinkTemplate = GST_STATIC_PAD_TEMPLATE(
    "sink", GST_PAD_SINK, GST_PAD_ALWAYS,
    GST_STATIC_CAPS("audio/mpeg, mpegversion=(int){2, 4}, stream-format=(string){raw, adts}"));

GstStaticPadTemplate AudioSrcTemplate = GST_STATIC_PAD_TEMPLATE(
    "src", GST_PAD_SRC, GST_PAD_ALWAYS,
    GST_STATIC_CAPS("audio/x-raw, format=(string){U8, " GST_AUDIO_NE(S16) ", " GST_AUDIO_NE(
        S32) ", " GST_AUDIO_NE(F32) ", " GST_AUDIO_NE(F64) "}, layout=(string)interleaved"));

} // namespace

// GObject instances are zero-filled C memory: plain fields only.
struct TavrelAvAudioDec
{
    GstAudioDecoder parent;
    AVCodecContext *context;
    AVFrame *frame;
    AVPacket *packet;
    GstAudioInfo shown;
    gboolean negotiated;
};

struct TavrelAvAudioDecClass
{
    GstAudioDecoderClass parent;
};

namespace {

TavrelAvAudioDec *Self(GstAudioDecoder *decoder)
{
    return reinterpret_cast<TavrelAvAudioDec *>(decoder);
}

gboolean Start(GstAudioDecoder *decoder)
{
    TavrelAvAudioDec *self = Self(decoder);
    self->frame = av_frame_alloc();
    self->packet = av_packet_alloc();
    return self->frame && self->packet;
}

gboolean Stop(GstAudioDecoder *decoder)
{
    TavrelAvAudioDec *self = Self(decoder);
    avcodec_free_context(&self->context);
    av_frame_free(&self->frame);
    av_packet_free(&self->packet);
    self->negotiated = FALSE;
    return TRUE;
}

gboolean SetFormat(GstAudioDecoder *decoder, GstCaps *caps)
{
    TavrelAvAudioDec *self = Self(decoder);
    avcodec_free_context(&self->context);
    self->negotiated = FALSE;
    const AVCodec *codec = avcodec_find_decoder(AV_CODEC_ID_AAC);
    AVCodecContext *context = codec ? avcodec_alloc_context3(codec) : nullptr;
    if (!context)
        return FALSE;
    const GstStructure *structure = gst_caps_get_structure(caps, 0);
    AvCodecSupport::AttachCodecData(structure, context);
    // Raw AAC without its set-up data is read with what the caps say.
    gint rate = 0;
    gint channels = 0;
    if (gst_structure_get_int(structure, "rate", &rate) && rate > 0)
        context->sample_rate = rate;
    if (gst_structure_get_int(structure, "channels", &channels) && channels > 0)
        av_channel_layout_default(&context->ch_layout, channels);
    if (avcodec_open2(context, codec, nullptr) < 0) {
        avcodec_free_context(&context);
        return FALSE;
    }
    self->context = context;
    return TRUE;
}

// The frame's samples as the decoder's output; null when there are none.
GstBuffer *TakeOutput(TavrelAvAudioDec *self, GstFlowReturn &result)
{
    GstAudioInfo info;
    if (self->frame->nb_samples <= 0)
        return nullptr;
    if (!AvAudioFrame::DescribeOutput(self->frame, info)) {
        result = GST_FLOW_NOT_NEGOTIATED;
        return nullptr;
    }
    if (!self->negotiated || !gst_audio_info_is_equal(&info, &self->shown)) {
        if (!gst_audio_decoder_set_output_format(&self->parent, &info)) {
            result = GST_FLOW_NOT_NEGOTIATED;
            return nullptr;
        }
        self->shown = info;
        self->negotiated = TRUE;
    }
    GstBuffer *buffer = AvAudioFrame::Interleave(self->frame, info);
    if (!buffer)
        result = GST_FLOW_ERROR;
    return buffer;
}

GstFlowReturn HandleFrame(GstAudioDecoder *decoder, GstBuffer *buffer)
{
    TavrelAvAudioDec *self = Self(decoder);
    if (!self->context)
        return GST_FLOW_NOT_NEGOTIATED;
    // AAC decoders hold nothing back: there is nothing to drain.
    if (!buffer)
        return GST_FLOW_OK;
    if (!AvCodecSupport::FillPacket(self->packet, buffer))
        return GST_FLOW_ERROR;
    const int sent = avcodec_send_packet(self->context, self->packet);
    av_packet_unref(self->packet);
    GstFlowReturn result = GST_FLOW_OK;
    GstBuffer *output = nullptr;
    int received = 0;
    while (sent >= 0 && (received = avcodec_receive_frame(self->context, self->frame)) >= 0) {
        if (GstBuffer *samples = TakeOutput(self, result))
            output = output ? gst_buffer_append(output, samples) : samples;
        av_frame_unref(self->frame);
        if (result != GST_FLOW_OK)
            break;
    }
    if (result != GST_FLOW_OK) {
        if (output)
            gst_buffer_unref(output);
        return result;
    }
    if (sent < 0 || (received < 0 && received != AVERROR(EAGAIN) && received != AVERROR_EOF)) {
        // A damaged packet is skipped (the base class counts such errors
        // and gives up only on a stream of them).
        if (output)
            gst_buffer_unref(output);
        GST_AUDIO_DECODER_ERROR(decoder, 1, STREAM, DECODE, (nullptr),
                                ("libavcodec could not decode an AAC packet"), result);
        if (result != GST_FLOW_OK)
            return result;
        return gst_audio_decoder_finish_frame(decoder, nullptr, 1);
    }
    return gst_audio_decoder_finish_frame(decoder, output, 1);
}

void Flush(GstAudioDecoder *decoder, gboolean)
{
    TavrelAvAudioDec *self = Self(decoder);
    if (self->context)
        avcodec_flush_buffers(self->context);
}

void AudioClassInit(gpointer klass, gpointer)
{
    auto *element = static_cast<GstElementClass *>(klass);
    gst_element_class_add_static_pad_template(element, &AudioSinkTemplate);
    gst_element_class_add_static_pad_template(element, &AudioSrcTemplate);
    gst_element_class_set_static_metadata(element, "Tavrel AAC decoder", "Codec/Decoder/Audio",
                                          "Decodes AAC with libavcodec", "Tavrel developers");
    auto *decoder = static_cast<GstAudioDecoderClass *>(klass);
    decoder->start = Start;
    decoder->stop = Stop;
    decoder->set_format = SetFormat;
    decoder->handle_frame = HandleFrame;
    decoder->flush = Flush;
}

void AudioInstanceInit(GTypeInstance *instance, gpointer)
{
    auto *decoder = reinterpret_cast<GstAudioDecoder *>(instance);
    gst_audio_decoder_set_needs_format(decoder, TRUE);
    gst_audio_decoder_set_drainable(decoder, TRUE);
    gst_audio_decoder_set_use_default_pad_acceptcaps(decoder, TRUE);
    GST_PAD_SET_ACCEPT_TEMPLATE(decoder->sinkpad);
}

GType AudioDecoderType()
{
    static const GType type = g_type_register_static_simple(
        GST_TYPE_AUDIO_DECODER, "TavrelAvAudioDec", sizeof(TavrelAvAudioDecClass), AudioClassInit,
        sizeof(TavrelAvAudioDec), AudioInstanceInit, GTypeFlags(0));
    return type;
}

} // namespace

namespace AvAudioDecoder {

bool Register()
{
    static const bool registered = AvCodecSupport::RegisterDecoder(FactoryName, AudioDecoderType());
    return registered;
}

} // namespace AvAudioDecoder
