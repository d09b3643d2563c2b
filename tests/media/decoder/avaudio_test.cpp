#include "../support/mediatestsupport.h"
#include "decodepipeline.h"
#include "media/avaudiodecoder.h"
#include "media/avaudioframe.h"

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/samplefmt.h>
}

#include <QCryptographicHash>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

using MediaTest::Clip;

namespace {

struct InterleaveCase
{
    const char *name;
    AVSampleFormat format;
    uint64_t mask; // 0: channels without an order
    int channels;
    // Per output channel, the frame's channel it must carry; empty: refused.
    std::vector<int> sources;
    std::vector<GstAudioChannelPosition> positions;
};

void PrintTo(const InterleaveCase &c, std::ostream *os)
{
    *os << c.name;
}

// Every sample says which channel and which instant it belongs to.
float Value(int channel, int sample)
{
    return static_cast<float>(channel * 1000 + sample);
}

class InterleaveTest : public ::testing::TestWithParam<InterleaveCase>
{
protected:
    static void SetUpTestSuite() { gst_init(nullptr, nullptr); }
};

TEST_P(InterleaveTest, SamplesLandInTheFrameworksChannelOrder)
{
    const InterleaveCase &c = GetParam();
    constexpr int Samples = 37;
    AVFrame *frame = av_frame_alloc();
    frame->format = c.format;
    frame->sample_rate = 48000;
    frame->nb_samples = Samples;
    if (c.mask) {
        av_channel_layout_from_mask(&frame->ch_layout, c.mask);
    } else {
        frame->ch_layout.order = AV_CHANNEL_ORDER_UNSPEC;
        frame->ch_layout.nb_channels = c.channels;
    }
    ASSERT_EQ(frame->ch_layout.nb_channels, c.channels);
    ASSERT_EQ(av_frame_get_buffer(frame, 0), 0);
    const bool planar = av_sample_fmt_is_planar(c.format);
    const bool isFloat = av_get_packed_sample_fmt(c.format) == AV_SAMPLE_FMT_FLT;
    for (int channel = 0; channel < c.channels; ++channel) {
        for (int sample = 0; sample < Samples; ++sample) {
            const int index = planar ? sample : sample * c.channels + channel;
            uint8_t *plane = frame->extended_data[planar ? channel : 0];
            if (isFloat)
                reinterpret_cast<float *>(plane)[index] = Value(channel, sample);
            else
                reinterpret_cast<int16_t *>(plane)[index]
                    = static_cast<int16_t>(Value(channel, sample));
        }
    }
    GstAudioInfo info;
    const bool described = AvAudioFrame::DescribeOutput(frame, info);
    if (c.sources.empty()) {
        EXPECT_FALSE(described);
        av_frame_free(&frame);
        return;
    }
    ASSERT_TRUE(described);
    ASSERT_EQ(GST_AUDIO_INFO_CHANNELS(&info), c.channels);
    for (int channel = 0; channel < c.channels; ++channel)
        EXPECT_EQ(info.position[channel], c.positions[channel]) << "channel " << channel;
    GstBuffer *buffer = AvAudioFrame::Interleave(frame, info);
    av_frame_free(&frame);
    ASSERT_NE(buffer, nullptr);
    GstMapInfo map;
    ASSERT_TRUE(gst_buffer_map(buffer, &map, GST_MAP_READ));
    ASSERT_EQ(map.size, gsize(Samples) * c.channels * (isFloat ? 4 : 2));
    for (int sample = 0; sample < Samples; ++sample) {
        for (int channel = 0; channel < c.channels; ++channel) {
            const int index = sample * c.channels + channel;
            const float got = isFloat ? reinterpret_cast<const float *>(map.data)[index]
                                      : reinterpret_cast<const int16_t *>(map.data)[index];
            ASSERT_EQ(got, Value(c.sources[channel], sample))
                << "sample " << sample << " channel " << channel;
        }
    }
    gst_buffer_unmap(buffer, &map);
    gst_buffer_unref(buffer);
}

using P = GstAudioChannelPosition;
INSTANTIATE_TEST_SUITE_P(
    Layouts, InterleaveTest,
    ::testing::Values(
        InterleaveCase{
            "PlanarStereo",
            AV_SAMPLE_FMT_FLTP,
            AV_CH_LAYOUT_STEREO,
            2,
            {0, 1},
            {P::GST_AUDIO_CHANNEL_POSITION_FRONT_LEFT, P::GST_AUDIO_CHANNEL_POSITION_FRONT_RIGHT}},
        InterleaveCase{"PackedMono",
                       AV_SAMPLE_FMT_S16,
                       AV_CH_LAYOUT_MONO,
                       1,
                       {0},
                       {P::GST_AUDIO_CHANNEL_POSITION_MONO}},
        InterleaveCase{
            "FivePointOne",
            AV_SAMPLE_FMT_FLTP,
            AV_CH_LAYOUT_5POINT1_BACK,
            6,
            {0, 1, 2, 3, 4, 5},
            {P::GST_AUDIO_CHANNEL_POSITION_FRONT_LEFT, P::GST_AUDIO_CHANNEL_POSITION_FRONT_RIGHT,
             P::GST_AUDIO_CHANNEL_POSITION_FRONT_CENTER, P::GST_AUDIO_CHANNEL_POSITION_LFE1,
             P::GST_AUDIO_CHANNEL_POSITION_REAR_LEFT, P::GST_AUDIO_CHANNEL_POSITION_REAR_RIGHT}},
        // libavcodec has front-centre above before front-right above; the
        // framework the other way round.
        InterleaveCase{"HeightChannelsReordered",
                       AV_SAMPLE_FMT_FLTP,
                       AV_CH_LAYOUT_STEREO | AV_CH_TOP_FRONT_LEFT | AV_CH_TOP_FRONT_CENTER
                           | AV_CH_TOP_FRONT_RIGHT,
                       5,
                       {0, 1, 2, 4, 3},
                       {P::GST_AUDIO_CHANNEL_POSITION_FRONT_LEFT,
                        P::GST_AUDIO_CHANNEL_POSITION_FRONT_RIGHT,
                        P::GST_AUDIO_CHANNEL_POSITION_TOP_FRONT_LEFT,
                        P::GST_AUDIO_CHANNEL_POSITION_TOP_FRONT_RIGHT,
                        P::GST_AUDIO_CHANNEL_POSITION_TOP_FRONT_CENTER}},
        InterleaveCase{"UnorderedChannelsStayAsTheyCame",
                       AV_SAMPLE_FMT_FLT,
                       0,
                       3,
                       {0, 1, 2},
                       {P::GST_AUDIO_CHANNEL_POSITION_NONE, P::GST_AUDIO_CHANNEL_POSITION_NONE,
                        P::GST_AUDIO_CHANNEL_POSITION_NONE}},
        InterleaveCase{
            "SixtyFourBitIntegersAreRefused", AV_SAMPLE_FMT_S64, AV_CH_LAYOUT_STEREO, 2, {}, {}}),
    [](const auto &info) { return std::string(info.param.name); });

struct DecodedSound
{
    std::vector<GstClockTime> times;
    QByteArray digest;
    std::string caps;
    std::string error;
};

DecodedSound DecodeSound(const QString &clip, const char *decoder)
{
    DecodedSound decoded;
    QCryptographicHash hash(QCryptographicHash::Md5);
    decoded.error = DecodeTest::RunToEnd(
        "filesrc location=\"" + clip.toStdString() + "\" ! parsebin ! " + decoder
            + " ! audioconvert ! audio/x-raw, layout=interleaved ! appsink name=out sync=false",
        [&](GstSample *sample) {
            GstBuffer *buffer = gst_sample_get_buffer(sample);
            GstMapInfo map;
            if (gst_buffer_map(buffer, &map, GST_MAP_READ)) {
                hash.addData(QByteArrayView(reinterpret_cast<const char *>(map.data),
                                            static_cast<qsizetype>(map.size)));
                gst_buffer_unmap(buffer, &map);
            }
            decoded.times.push_back(GST_BUFFER_PTS(buffer));
            gchar *caps = gst_caps_to_string(gst_sample_get_caps(sample));
            decoded.caps = caps;
            g_free(caps);
        });
    decoded.digest = hash.result();
    return decoded;
}

TEST(OwnAudioDecoder, GivesTheSoundTheFrameworksDecoderGives)
{
    gst_init(nullptr, nullptr);
    ASSERT_TRUE(AvAudioDecoder::Register());
    for (const char *clip : {"audio-only.m4a", "surround-aac.m4a"}) {
        SCOPED_TRACE(clip);
        const DecodedSound reference = DecodeSound(Clip(clip), "avdec_aac");
        ASSERT_TRUE(reference.error.empty()) << reference.error;
        ASSERT_GT(reference.times.size(), 10u);
        const DecodedSound own = DecodeSound(Clip(clip), AvAudioDecoder::FactoryName);
        ASSERT_TRUE(own.error.empty()) << own.error;
        GstCaps *ownCaps = gst_caps_from_string(own.caps.c_str());
        GstCaps *referenceCaps = gst_caps_from_string(reference.caps.c_str());
        EXPECT_TRUE(ownCaps && referenceCaps && gst_caps_is_equal(ownCaps, referenceCaps))
            << own.caps << " against " << reference.caps;
        gst_clear_caps(&ownCaps);
        gst_clear_caps(&referenceCaps);
        EXPECT_EQ(own.times, reference.times);
        EXPECT_EQ(own.digest, reference.digest);
    }
}

} // namespace
