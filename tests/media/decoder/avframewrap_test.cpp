#include "media/avframewrap.h"

extern "C" {
#include <libavutil/imgutils.h>
#include <libavutil/pixdesc.h>
}

#include <gst/gst.h>
#include <gtest/gtest.h>
#include <ostream>

namespace {

struct LayoutCase
{
    const char *name;
    AVPixelFormat format;
    int width;
    int height;
    bool bufferPerPlane; // as libavcodec's own allocator lays frames out
};

void PrintTo(const LayoutCase &c, std::ostream *os)
{
    *os << c.name;
}

uint8_t Pattern(int plane, int row, int column)
{
    return static_cast<uint8_t>(plane * 61 + row * 7 + column);
}

int PlaneRows(const AVPixFmtDescriptor *descriptor, int plane, int height)
{
    return plane == 0 || (descriptor->flags & AV_PIX_FMT_FLAG_PLANAR) == 0
               ? height
               : AV_CEIL_RSHIFT(height, descriptor->log2_chroma_h);
}

// A frame filled with Pattern(), its planes in one buffer or one buffer each,
// each plane starting a little way into its buffer.
AVFrame *MakeFrame(const LayoutCase &c)
{
    AVFrame *frame = av_frame_alloc();
    frame->format = c.format;
    frame->width = c.width;
    frame->height = c.height;
    if (!c.bufferPerPlane) {
        if (av_frame_get_buffer(frame, 64) < 0)
            av_frame_free(&frame);
    } else {
        av_image_fill_linesizes(frame->linesize, c.format, c.width + 40);
        const AVPixFmtDescriptor *descriptor = av_pix_fmt_desc_get(c.format);
        for (int plane = 0; plane < 4 && frame->linesize[plane] > 0; ++plane) {
            const int rows = PlaneRows(descriptor, plane, c.height);
            frame->buf[plane] = av_buffer_alloc(32 + frame->linesize[plane] * rows);
            frame->data[plane] = frame->buf[plane]->data + 32;
        }
    }
    if (!frame)
        return nullptr;
    const AVPixFmtDescriptor *descriptor = av_pix_fmt_desc_get(c.format);
    for (int plane = 0; plane < 4 && frame->data[plane]; ++plane) {
        for (int row = 0; row < PlaneRows(descriptor, plane, c.height); ++row) {
            for (int column = 0; column < frame->linesize[plane]; ++column)
                frame->data[plane][row * frame->linesize[plane] + column]
                    = Pattern(plane, row, column);
        }
    }
    return frame;
}

class WrapTest : public ::testing::TestWithParam<LayoutCase>
{
protected:
    static void SetUpTestSuite() { gst_init(nullptr, nullptr); }
};

TEST_P(WrapTest, PlanesAreReadInPlaceAndOutliveTheFrame)
{
    const LayoutCase &c = GetParam();
    AVFrame *frame = MakeFrame(c);
    ASSERT_NE(frame, nullptr);
    GstVideoInfo info;
    ASSERT_TRUE(
        gst_video_info_set_format(&info, AvFrameWrap::GstFormat(c.format), c.width, c.height));
    GstBuffer *buffer = AvFrameWrap::Wrap(frame, info);
    ASSERT_NE(buffer, nullptr);
    uint8_t *original[4] = {frame->data[0], frame->data[1], frame->data[2], frame->data[3]};
    int strides[4]
        = {frame->linesize[0], frame->linesize[1], frame->linesize[2], frame->linesize[3]};
    // The buffer alone keeps the pixels alive.
    av_frame_free(&frame);

    GstVideoFrame mapped;
    ASSERT_TRUE(gst_video_frame_map(&mapped, &info, buffer, GST_MAP_READ));
    const AVPixFmtDescriptor *descriptor = av_pix_fmt_desc_get(c.format);
    for (guint plane = 0; plane < GST_VIDEO_FRAME_N_PLANES(&mapped); ++plane) {
        const auto *data = static_cast<const uint8_t *>(GST_VIDEO_FRAME_PLANE_DATA(&mapped, plane));
        EXPECT_EQ(data, original[plane]) << "plane " << plane << " was copied";
        ASSERT_EQ(GST_VIDEO_FRAME_PLANE_STRIDE(&mapped, plane), strides[plane]);
        const int rows = PlaneRows(descriptor, static_cast<int>(plane), c.height);
        for (int row = 0; row < rows; row += rows - 1) {
            EXPECT_EQ(data[row * strides[plane] + 3], Pattern(static_cast<int>(plane), row, 3))
                << "plane " << plane << " row " << row;
        }
    }
    gst_video_frame_unmap(&mapped);
    gst_buffer_unref(buffer);
}

TEST_P(WrapTest, DrawingIntoTheFrameNeverReachesTheDecodersPicture)
{
    const LayoutCase &c = GetParam();
    AVFrame *frame = MakeFrame(c);
    ASSERT_NE(frame, nullptr);
    GstVideoInfo info;
    ASSERT_TRUE(
        gst_video_info_set_format(&info, AvFrameWrap::GstFormat(c.format), c.width, c.height));
    GstBuffer *buffer = AvFrameWrap::Wrap(frame, info);
    ASSERT_NE(buffer, nullptr);
    GstVideoFrame mapped;
    ASSERT_TRUE(gst_video_frame_map(&mapped, &info, buffer, GST_MAP_WRITE));
    auto *data = static_cast<uint8_t *>(GST_VIDEO_FRAME_PLANE_DATA(&mapped, 0));
    data[0] = static_cast<uint8_t>(~Pattern(0, 0, 0));
    gst_video_frame_unmap(&mapped);
    EXPECT_EQ(frame->data[0][0], Pattern(0, 0, 0));
    gst_buffer_unref(buffer);
    av_frame_free(&frame);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, WrapTest,
    ::testing::Values(LayoutCase{"I420OneBuffer", AV_PIX_FMT_YUV420P, 64, 36, false},
                      LayoutCase{"I420BufferPerPlane", AV_PIX_FMT_YUV420P, 64, 36, true},
                      LayoutCase{"I420OddSize", AV_PIX_FMT_YUV420P, 35, 17, true},
                      LayoutCase{"Nv12", AV_PIX_FMT_NV12, 64, 36, false},
                      LayoutCase{"TenBit", AV_PIX_FMT_YUV420P10LE, 48, 20, true},
                      LayoutCase{"FourFourFour", AV_PIX_FMT_YUV444P, 32, 16, false},
                      LayoutCase{"Grey", AV_PIX_FMT_GRAY8, 32, 16, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(WrapTest, APlaneOutsideTheFramesBuffersIsRefused)
{
    gst_init(nullptr, nullptr);
    AVFrame *frame = MakeFrame({"", AV_PIX_FMT_YUV420P, 16, 16, true});
    ASSERT_NE(frame, nullptr);
    static uint8_t elsewhere[16 * 16];
    frame->data[2] = elsewhere;
    GstVideoInfo info;
    gst_video_info_set_format(&info, GST_VIDEO_FORMAT_I420, 16, 16);
    EXPECT_EQ(AvFrameWrap::Wrap(frame, info), nullptr);
    av_frame_free(&frame);
}

// What the output caps say, from the input's caps and the decoded picture.
struct DescribeCase
{
    const char *name;
    const char *inputCaps;
    AVPixelFormat format;
    AVColorSpace matrix;
    AVColorRange range;
    AVRational sar;
    AVRational frameRate;
    GstVideoColorMatrix expectedMatrix;
    GstVideoColorRange expectedRange;
    int expectedParN, expectedParD;
    int expectedFpsN, expectedFpsD;
};

void PrintTo(const DescribeCase &c, std::ostream *os)
{
    *os << c.name;
}

class DescribeTest : public ::testing::TestWithParam<DescribeCase>
{
protected:
    static void SetUpTestSuite() { gst_init(nullptr, nullptr); }
};

TEST_P(DescribeTest, OutputCapsSayWhatTheContainerOrElseThePictureSays)
{
    const DescribeCase &c = GetParam();
    GstVideoCodecState input{};
    input.caps = gst_caps_from_string(c.inputCaps);
    ASSERT_NE(input.caps, nullptr);
    gst_video_info_from_caps(&input.info, input.caps);
    GstVideoInfo info;
    gst_video_info_set_format(&info, AvFrameWrap::GstFormat(c.format), 64, 36);
    // As the decoder's base class starts the output: from the input's info.
    info.colorimetry = input.info.colorimetry;
    info.par_n = input.info.par_n;
    info.par_d = input.info.par_d;
    info.fps_n = input.info.fps_n;
    info.fps_d = input.info.fps_d;
    AVFrame *picture = av_frame_alloc();
    picture->format = c.format;
    picture->colorspace = c.matrix;
    picture->color_range = c.range;
    picture->sample_aspect_ratio = c.sar;
    AvFrameWrap::DescribeOutput(picture, c.frameRate, input, info);
    EXPECT_EQ(info.colorimetry.matrix, c.expectedMatrix);
    EXPECT_EQ(info.colorimetry.range, c.expectedRange);
    EXPECT_EQ(info.par_n, c.expectedParN);
    EXPECT_EQ(info.par_d, c.expectedParD);
    EXPECT_EQ(info.fps_n, c.expectedFpsN);
    EXPECT_EQ(info.fps_d, c.expectedFpsD);
    av_frame_free(&picture);
    gst_caps_unref(input.caps);
}

constexpr AVRational NoRatio{0, 1};

INSTANTIATE_TEST_SUITE_P(
    Cases, DescribeTest,
    ::testing::Values(
        DescribeCase{"UntaggedContainerTakesThePicturesColours",
                     "video/x-h264, width=64, height=36", AV_PIX_FMT_YUV420P, AVCOL_SPC_BT709,
                     AVCOL_RANGE_JPEG, NoRatio, NoRatio, GST_VIDEO_COLOR_MATRIX_BT709,
                     GST_VIDEO_COLOR_RANGE_0_255, 1, 1, 0, 1},
        DescribeCase{"TaggedContainerWins",
                     "video/x-h264, width=64, height=36, colorimetry=(string)bt601",
                     AV_PIX_FMT_YUV420P, AVCOL_SPC_BT709, AVCOL_RANGE_JPEG, NoRatio, NoRatio,
                     GST_VIDEO_COLOR_MATRIX_BT601, GST_VIDEO_COLOR_RANGE_16_235, 1, 1, 0, 1},
        DescribeCase{"FullRangeFormatIsFullWhateverTheTags",
                     "video/x-h264, width=64, height=36, colorimetry=(string)bt709",
                     AV_PIX_FMT_YUVJ420P, AVCOL_SPC_BT709, AVCOL_RANGE_MPEG, NoRatio, NoRatio,
                     GST_VIDEO_COLOR_MATRIX_BT709, GST_VIDEO_COLOR_RANGE_0_255, 1, 1, 0, 1},
        DescribeCase{"StreamAspectReplacesASquareDefault",
                     "video/x-h264, width=64, height=36, pixel-aspect-ratio=(fraction)1/1",
                     AV_PIX_FMT_YUV420P, AVCOL_SPC_UNSPECIFIED, AVCOL_RANGE_UNSPECIFIED,
                     AVRational{32, 24}, NoRatio, GST_VIDEO_COLOR_MATRIX_UNKNOWN,
                     GST_VIDEO_COLOR_RANGE_UNKNOWN, 4, 3, 0, 1},
        DescribeCase{"ContainerAspectWins",
                     "video/x-h264, width=64, height=36, pixel-aspect-ratio=(fraction)16/11",
                     AV_PIX_FMT_YUV420P, AVCOL_SPC_UNSPECIFIED, AVCOL_RANGE_UNSPECIFIED,
                     AVRational{4, 3}, NoRatio, GST_VIDEO_COLOR_MATRIX_UNKNOWN,
                     GST_VIDEO_COLOR_RANGE_UNKNOWN, 16, 11, 0, 1},
        DescribeCase{"FrameRateFromTheStreamWhenTheContainerHasNone",
                     "video/x-h264, width=64, height=36", AV_PIX_FMT_YUV420P, AVCOL_SPC_UNSPECIFIED,
                     AVCOL_RANGE_UNSPECIFIED, NoRatio, AVRational{30000, 1001},
                     GST_VIDEO_COLOR_MATRIX_UNKNOWN, GST_VIDEO_COLOR_RANGE_UNKNOWN, 1, 1, 30000,
                     1001},
        DescribeCase{"ContainerFrameRateWins",
                     "video/x-h264, width=64, height=36, framerate=(fraction)25/1",
                     AV_PIX_FMT_YUV420P, AVCOL_SPC_UNSPECIFIED, AVCOL_RANGE_UNSPECIFIED, NoRatio,
                     AVRational{30, 1}, GST_VIDEO_COLOR_MATRIX_UNKNOWN,
                     GST_VIDEO_COLOR_RANGE_UNKNOWN, 1, 1, 25, 1},
        DescribeCase{"AbsurdFrameRateIsIgnored", "video/x-h264, width=64, height=36",
                     AV_PIX_FMT_YUV420P, AVCOL_SPC_UNSPECIFIED, AVCOL_RANGE_UNSPECIFIED, NoRatio,
                     AVRational{90000, 1}, GST_VIDEO_COLOR_MATRIX_UNKNOWN,
                     GST_VIDEO_COLOR_RANGE_UNKNOWN, 1, 1, 0, 1}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
