#include "../support/mediatestsupport.h"
#include "decodepipeline.h"
#include "media/avvideodecoder.h"

#include <QCryptographicHash>
#include <gst/gst.h>
#include <gst/video/video.h>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

using MediaTest::Clip;

namespace {

struct Decoded
{
    std::vector<GstClockTime> times;
    std::vector<QByteArray> digests;
    std::string caps; // the last frame's, without what only one decoder adds
    bool allReadOnly = true;
    std::string error;
};

GstPadProbeReturn OfferVideoMeta(GstPad *, GstPadProbeInfo *info, gpointer)
{
    GstQuery *query = GST_PAD_PROBE_INFO_QUERY(info);
    if (GST_QUERY_TYPE(query) != GST_QUERY_ALLOCATION)
        return GST_PAD_PROBE_OK;
    gst_query_add_allocation_meta(query, GST_VIDEO_META_API_TYPE, nullptr);
    return GST_PAD_PROBE_HANDLED;
}

// The visible samples of every plane, row by row, whatever the strides.
QByteArray Digest(const GstVideoFrame &frame)
{
    QCryptographicHash hash(QCryptographicHash::Md5);
    for (guint plane = 0; plane < GST_VIDEO_FRAME_N_PLANES(&frame); ++plane) {
        const auto *data = static_cast<const char *>(GST_VIDEO_FRAME_PLANE_DATA(&frame, plane));
        const int rowBytes = GST_VIDEO_FRAME_COMP_WIDTH(&frame, plane)
                             * GST_VIDEO_FRAME_COMP_PSTRIDE(&frame, plane);
        for (int row = 0; row < GST_VIDEO_FRAME_COMP_HEIGHT(&frame, plane); ++row)
            hash.addData(
                QByteArrayView(data + row * GST_VIDEO_FRAME_PLANE_STRIDE(&frame, plane), rowBytes));
    }
    return hash.result();
}

std::string ComparableCaps(GstCaps *caps)
{
    GstCaps *copy = gst_caps_copy(caps);
    GstStructure *structure = gst_caps_get_structure(copy, 0);
    // Fields one decoder sets and the other leaves to defaults.
    gst_structure_remove_fields(structure, "chroma-site", "multiview-mode", "multiview-flags",
                                nullptr);
    gchar *text = gst_caps_to_string(copy);
    std::string result = text;
    g_free(text);
    gst_caps_unref(copy);
    return result;
}

Decoded Decode(const QString &clip, const char *decoder, bool offerMeta)
{
    Decoded decoded;
    decoded.error = DecodeTest::RunToEnd(
        "filesrc location=\"" + clip.toStdString() + "\" ! parsebin ! " + decoder
            + " ! appsink name=out sync=false max-buffers=2",
        [&](GstSample *sample) {
            GstBuffer *buffer = gst_sample_get_buffer(sample);
            GstVideoInfo info;
            GstVideoFrame frame;
            if (gst_video_info_from_caps(&info, gst_sample_get_caps(sample))
                && gst_video_frame_map(&frame, &info, buffer, GST_MAP_READ)) {
                decoded.digests.push_back(Digest(frame));
                gst_video_frame_unmap(&frame);
            }
            decoded.times.push_back(GST_BUFFER_PTS(buffer));
            for (guint i = 0; i < gst_buffer_n_memory(buffer); ++i) {
                if (!GST_MEMORY_IS_READONLY(gst_buffer_peek_memory(buffer, i)))
                    decoded.allReadOnly = false;
            }
            decoded.caps = ComparableCaps(gst_sample_get_caps(sample));
        },
        [&](GstElement *sink) {
            if (!offerMeta)
                return;
            GstPad *pad = gst_element_get_static_pad(sink, "sink");
            gst_pad_add_probe(pad, GST_PAD_PROBE_TYPE_QUERY_DOWNSTREAM, OfferVideoMeta, nullptr,
                              nullptr);
            gst_object_unref(pad);
        });
    return decoded;
}

struct ClipCase
{
    const char *name;
    const char *clip;
    const char *reference; // the framework's decoder for the clip's codec
    bool offerMeta;        // false: downstream cannot read strides, frames are copied
};

void PrintTo(const ClipCase &c, std::ostream *os)
{
    *os << c.name;
}

class OwnDecoderTest : public ::testing::TestWithParam<ClipCase>
{
protected:
    static void SetUpTestSuite()
    {
        gst_init(nullptr, nullptr);
        AvVideoDecoder::Register();
    }
};

// The framework's own libav decoder is the independent reference: the same
// pictures, in the same order, at the same times, described alike.
TEST_P(OwnDecoderTest, GivesTheFramesTheFrameworksDecoderGives)
{
    const ClipCase &c = GetParam();
    const Decoded reference = Decode(Clip(c.clip), c.reference, false);
    ASSERT_TRUE(reference.error.empty()) << reference.error;
    ASSERT_FALSE(reference.digests.empty());
    const Decoded own = Decode(Clip(c.clip), AvVideoDecoder::FactoryName, c.offerMeta);
    ASSERT_TRUE(own.error.empty()) << own.error;
    EXPECT_EQ(own.times, reference.times);
    ASSERT_EQ(own.digests.size(), reference.digests.size());
    for (std::size_t i = 0; i < own.digests.size(); ++i)
        ASSERT_EQ(own.digests[i], reference.digests[i]) << "frame " << i;
    EXPECT_EQ(own.caps, reference.caps);
    // Shown in place, the frames must not be writable: the decoder still
    // predicts from them.
    if (c.offerMeta) {
        EXPECT_TRUE(own.allReadOnly);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Clips, OwnDecoderTest,
    ::testing::Values(ClipCase{"Reordered", "reordered.mp4", "avdec_h264", true},
                      ClipCase{"ReorderedCopied", "reordered.mp4", "avdec_h264", false},
                      ClipCase{"Hevc", "reordered-hevc.mkv", "avdec_h265", true},
                      ClipCase{"HevcCopied", "reordered-hevc.mkv", "avdec_h265", false},
                      ClipCase{"Anamorphic", "anamorphic.mp4", "avdec_h264", true},
                      ClipCase{"TenBit", "colour-yuv420p10le.mkv", "avdec_h264", true},
                      ClipCase{"FourFourFour", "colour-yuv444p.mkv", "avdec_h264", true},
                      ClipCase{"FourFourFourCopied", "colour-yuv444p.mkv", "avdec_h264", false},
                      ClipCase{"Rgb", "rgb-h264.mkv", "avdec_h264", true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(OwnDecoder, PicturesItCannotPutOutFailWithASentenceNamingTheirLayout)
{
    gst_init(nullptr, nullptr);
    ASSERT_TRUE(AvVideoDecoder::Register());
    const Decoded decoded = Decode(Clip("grey10-hevc.mkv"), AvVideoDecoder::FactoryName, true);
    EXPECT_NE(decoded.error.find("stored as gray10le, which cannot be shown"), std::string::npos)
        << decoded.error;
}

TEST(OwnDecoder, IsWhatAutomaticGraphsChooseForH264)
{
    gst_init(nullptr, nullptr);
    ASSERT_TRUE(AvVideoDecoder::Register());
    const std::string launch
        = "filesrc location=\"" + Clip("short.mp4").toStdString() + "\" ! decodebin ! fakesink";
    GstElement *pipeline = gst_parse_launch(launch.c_str(), nullptr);
    ASSERT_NE(pipeline, nullptr);
    gst_element_set_state(pipeline, GST_STATE_PAUSED);
    gst_element_get_state(pipeline, nullptr, nullptr, 10 * GST_SECOND);
    std::vector<std::string> decoders;
    GstIterator *elements = gst_bin_iterate_recurse(GST_BIN(pipeline));
    GValue item = G_VALUE_INIT;
    while (gst_iterator_next(elements, &item) == GST_ITERATOR_OK) {
        auto *element = GST_ELEMENT(g_value_get_object(&item));
        GstElementFactory *factory = gst_element_get_factory(element);
        if (factory
            && gst_element_factory_list_is_type(
                factory, GST_ELEMENT_FACTORY_TYPE_DECODER | GST_ELEMENT_FACTORY_TYPE_MEDIA_VIDEO))
            decoders.emplace_back(gst_plugin_feature_get_name(GST_PLUGIN_FEATURE(factory)));
        g_value_reset(&item);
    }
    g_value_unset(&item);
    gst_iterator_free(elements);
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(pipeline);
    EXPECT_EQ(decoders, std::vector<std::string>{AvVideoDecoder::FactoryName});
}

} // namespace
