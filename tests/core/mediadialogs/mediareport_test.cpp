#include "mediadialogs/mediareport.h"

#include <gtest/gtest.h>

using namespace MediaReport;

namespace {

const QLocale kC(QLocale::C);

TReportInput FileInput()
{
    TReportInput in;
    in.pathWord = QStringLiteral("Полный путь");
    in.titleWord = QStringLiteral("Название");
    in.sizeWord = QStringLiteral("Размер видео");
    in.path = QStringLiteral("/films/a.mp4");
    in.title = QStringLiteral("a");
    in.width = 320;
    in.height = 240;
    return in;
}

TReportStream Audio(int tag, int rate, int channels, int bits, int bytesPerSecond)
{
    TReportStream s;
    s.majorType = QStringLiteral("Audio");
    s.waveFormat = true;
    s.formatTag = tag;
    s.sampleRate = rate;
    s.channels = channels;
    s.bitsPerSample = bits;
    s.bytesPerSecond = bytesPerSecond;
    return s;
}

TEST(MediaReport, FileReportHasItsLinesInOrder)
{
    TReportInput in = FileInput();
    in.keyFramesPresent = true;
    in.keyFrames = 4;
    in.frameMode = true;
    TReportStream video;
    video.majorType = QStringLiteral("Video");
    video.videoFormat = true;
    video.compression = 0x34363248; // "H264"
    video.fpsNum = 25;
    video.fpsDen = 1;
    in.streams = {video, Audio(0x55, 44100, 2, 16, 16000)};
    const QStringList expected = {
        QStringLiteral("Полный путь: /films/a.mp4"),
        QStringLiteral("Название: a"),
        QStringLiteral("Размер видео: 320x240"),
        QString(),
        QStringLiteral("Key Frames: 4"),
        QStringLiteral("Frame Mode: On"),
        QString(),
        QStringLiteral("Тип потока: Video"),
        QStringLiteral("FourCC: H264"),
        QStringLiteral("Частота кадров: 25.000 Кадров/сек"),
        QString(),
        QStringLiteral("Тип потока: Audio"),
        QStringLiteral("Тег: 0x0055"),
        QStringLiteral("Кодек: MPEGLAYER3"),
        QStringLiteral("Формат: 44100 Гц, Стерео, 16 Бит, 128 Кбит/сек"),
    };
    EXPECT_EQ(Lines(in, kC), expected);
}

TEST(MediaReport, DvdReportHoldsOnlyTheFirstThreeLines)
{
    TReportInput in = FileInput();
    in.dvd = true;
    in.streams = {Audio(1, 48000, 2, 16, 192000)};
    EXPECT_EQ(Lines(in, kC).size(), 3);
}

TEST(MediaReport, WithoutKeyFramesOrPathNoStreamLines)
{
    TReportInput in = FileInput();
    in.path.clear();
    in.streams = {Audio(1, 48000, 2, 16, 192000)};
    const QStringList lines = Lines(in, kC);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[4], QStringLiteral("Key Frames: Not found"));
    EXPECT_EQ(lines[5], QStringLiteral("Frame Mode: Off"));
}

TEST(MediaReport, UnknownStreamGetsOnlyItsEmptyLine)
{
    TReportInput in = FileInput();
    TReportStream other;
    other.majorType = QStringLiteral("Gadget");
    in.streams = {other};
    const QStringList lines = Lines(in, kC);
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines.last(), QString());
}

struct FormatCase
{
    int rate, channels, bits, bytesPerSecond;
    const char *line;
};

class FormatLines : public ::testing::TestWithParam<FormatCase>
{
};

TEST_P(FormatLines, NameChannelsBitsAndRate)
{
    const FormatCase c = GetParam();
    EXPECT_EQ(FormatLine(Audio(1, c.rate, c.channels, c.bits, c.bytesPerSecond)),
              QString::fromUtf8(c.line));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatLines,
    ::testing::Values(
        FormatCase{44100, 2, 16, 16000, "Формат: 44100 Гц, Стерео, 16 Бит, 128 Кбит/сек"},
        FormatCase{48000, 1, 0, 8000, "Формат: 48000 Гц, Моно, 64 Кбит/сек"},
        FormatCase{48000, 6, 0, 56000, "Формат: 48000 Гц, 6 Канала, 448 Кбит/сек"},
        FormatCase{22050, 2, 8, 44100, "Формат: 22050 Гц, Стерео, 8 Бит, 353 Кбит/сек"},
        FormatCase{96000, 2, 24, 576000, "Формат: 96000 Гц, Стерео, 24 Бит, 4608 Кбит/сек"},
        FormatCase{8000, 0, 0, 0, "Формат: 8000 Гц, 0 Канала, 0 Кбит/сек"}));

TEST(MediaReport, FrameRateHasThreeDecimalsInTheLocalesSeparator)
{
    EXPECT_EQ(FrameRateLine(25, 1, kC), QStringLiteral("Частота кадров: 25.000 Кадров/сек"));
    EXPECT_EQ(FrameRateLine(30000, 1001, kC), QStringLiteral("Частота кадров: 29.970 Кадров/сек"));
    EXPECT_EQ(FrameRateLine(25, 1, QLocale(QLocale::Russian)),
              QStringLiteral("Частота кадров: 25,000 Кадров/сек"));
}

TEST(MediaReport, NoFrameRateLineWithoutARate)
{
    TReportInput in = FileInput();
    TReportStream video;
    video.majorType = QStringLiteral("Video");
    video.videoFormat = true;
    video.compression = 0;
    in.streams = {video};
    const QStringList lines = Lines(in, kC);
    EXPECT_EQ(lines.last(), QStringLiteral("FourCC: RGB"));
}

TEST(MediaReport, CompressionTexts)
{
    EXPECT_EQ(CompressionText(0), QStringLiteral("RGB"));
    EXPECT_EQ(CompressionText(1), QStringLiteral("RLE8"));
    EXPECT_EQ(CompressionText(2), QStringLiteral("RLE4"));
    EXPECT_EQ(CompressionText(3), QStringLiteral("BITFIELDS"));
    EXPECT_EQ(CompressionText(0x30395056), QStringLiteral("VP90"));
}

TEST(MediaReport, CodecNames)
{
    EXPECT_EQ(CodecName(1), QStringLiteral("PCM"));
    EXPECT_EQ(CodecName(2), QStringLiteral("ADPCM"));
    EXPECT_EQ(CodecName(3), QStringLiteral("IEEE_FLOAT"));
    EXPECT_EQ(CodecName(80), QStringLiteral("MPEG"));
    EXPECT_EQ(CodecName(85), QStringLiteral("MPEGLAYER3"));
    EXPECT_EQ(CodecName(0x7777), QStringLiteral("Unknown"));
}

TEST(MediaReport, MediaTypeLinesByFormat)
{
    TMediaTypeFacts video;
    video.majorType = QStringLiteral("Video");
    video.subtype = QStringLiteral("I420");
    video.format.videoFormat = true;
    video.format.compression = 0x30323449; // "I420"
    video.width = 320;
    video.height = 240;
    video.bitsPerPixel = 12;
    video.imageSize = 115200;
    EXPECT_EQ(MediaTypeLine(video),
              QStringLiteral("Главный тип: Video - Суб тип: I420 - Формат: VideoInfo I420 320X240, "
                             "12 бит, размер 115200 байт"));

    TMediaTypeFacts audio;
    audio.majorType = QStringLiteral("Audio");
    audio.subtype = QStringLiteral("PCM");
    audio.format = Audio(1, 44100, 2, 16, 176400);
    EXPECT_EQ(MediaTypeLine(audio),
              QStringLiteral("Главный тип: Audio - Суб тип: PCM - Формат: WaveFormatEx: 0x0001 PCM "
                             "44100 Гц, 16 Бит, 2 Каналов, 176400 Байт/с "));

    EXPECT_EQ(MediaTypeLine(TMediaTypeFacts{}),
              QStringLiteral("Главный тип: UnKnown  - Суб тип: UnKnown  - Формат: Unknown"));
}

TEST(MediaReport, TreeTextIndentsByLevelAndEndsLinesWithCrLf)
{
    const QList<TReportNode> roots = {
        {QStringLiteral("decoder"),
         {{QStringLiteral("CLSID=avdec_h264"), {}},
          {QStringLiteral("1- Вход  sink"), {{QStringLiteral("caps"), {}}}}}},
        {QStringLiteral("sink"), {}},
    };
    EXPECT_EQ(TreeText(roots),
              QStringLiteral("decoder\r\n\tCLSID=avdec_h264\r\n\t1- Вход  sink\r\n\t\tcaps\r\n"
                             "sink\r\n"));
    EXPECT_EQ(TreeText({}), QString());
}

} // namespace
