#include "mediadialogs/mediareport.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace MediaReport {

namespace {

struct TagName
{
    int tag;
    const char *name;
};

// Tags of the multimedia registry that GStreamer's formats map onto.
constexpr TagName kTags[] = {
    {0x0001, "PCM"},
    {0x0002, "ADPCM"},
    {0x0003, "IEEE_FLOAT"},
    {0x0006, "ALAW"},
    {0x0007, "MULAW"},
    {0x0011, "DVI_ADPCM"},
    {0x0022, "DSPGROUP_TRUESPEECH"},
    {0x0031, "GSM610"},
    {0x0050, "MPEG"},
    {0x0055, "MPEGLAYER3"},
    {0x0092, "DOLBY_AC3_SPDIF"},
    {0x00FF, "RAW_AAC1"},
    {0x0160, "MSAUDIO1"},
    {0x0161, "WMAUDIO2"},
    {0x0162, "WMAUDIO3"},
    {0x0163, "WMAUDIO_LOSSLESS"},
    {0x1610, "MPEG_HEAAC"},
    {0x2000, "DVM"},
    {0x2001, "DTS"},
    {0x674F, "OGG_VORBIS_MODE_1"},
    {0xF1AC, "FLAC"},
};

constexpr const char *kKnownMajorTypes[] = {
    "AnalogAudio", "AnalogVideo", "Audio",     "AUXLine21Data", "File",   "Interleaved",
    "LMRT",        "Midi",        "MPEG2_PES", "ScriptCommand", "Stream", "Text",
    "Timecode",    "URL_STREAM",  "Video",     "MPEG2_PACK",
};

QString Line(const QString &word, const QString &value)
{
    return word + QStringLiteral(": ") + value;
}

QString TagDigits(int tag)
{
    return QStringLiteral("%1").arg(tag & 0xFFFF, 4, 16, QLatin1Char('0')).toUpper();
}

QString ChannelPart(int channels)
{
    if (channels == 1)
        return QStringLiteral(", Моно");
    if (channels == 2)
        return QStringLiteral(", Стерео");
    return QStringLiteral(", ") + QString::number(channels) + QStringLiteral(" Канала");
}

void AddStream(QStringList &lines, const TReportStream &stream, const QLocale &locale)
{
    lines.append(QString());
    const QString type = MajorTypeName(stream.majorType);
    if (!type.isEmpty())
        lines.append(QStringLiteral("Тип потока: ") + type);
    if (stream.videoFormat) {
        lines.append(QStringLiteral("FourCC: ") + CompressionText(stream.compression));
        if (stream.fpsNum > 0 && stream.fpsDen > 0)
            lines.append(FrameRateLine(stream.fpsNum, stream.fpsDen, locale));
    }
    if (stream.waveFormat) {
        lines.append(QStringLiteral("Тег: 0x") + TagDigits(stream.formatTag));
        lines.append(QStringLiteral("Кодек: ") + CodecName(stream.formatTag));
        lines.append(FormatLine(stream));
    }
}

void AddNodes(QString &text, const QList<TReportNode> &nodes, int level)
{
    for (const TReportNode &node : nodes) {
        text += QString(level, QLatin1Char('\t')) + node.text + QStringLiteral("\r\n");
        AddNodes(text, node.children, level + 1);
    }
}

} // namespace

QStringList Lines(const TReportInput &input, const QLocale &locale)
{
    QStringList lines;
    lines.append(Line(input.pathWord, input.path));
    lines.append(Line(input.titleWord, input.title));
    lines.append(Line(input.sizeWord, QString::number(input.width) + QLatin1Char('x')
                                          + QString::number(input.height)));
    if (input.dvd)
        return lines;
    lines.append(QString());
    lines.append(QStringLiteral("Key Frames: ")
                 + (input.keyFramesPresent ? QString::number(input.keyFrames)
                                           : QStringLiteral("Not found")));
    lines.append(QStringLiteral("Frame Mode: ")
                 + (input.frameMode ? QStringLiteral("On") : QStringLiteral("Off")));
    if (input.path.isEmpty())
        return lines;
    for (const TReportStream &stream : input.streams)
        AddStream(lines, stream, locale);
    return lines;
}

QString CompressionText(quint32 code)
{
    switch (code) {
    case 0:
        return QStringLiteral("RGB");
    case 1:
        return QStringLiteral("RLE8");
    case 2:
        return QStringLiteral("RLE4");
    case 3:
        return QStringLiteral("BITFIELDS");
    default:
        break;
    }
    QString text;
    for (int byte = 0; byte < 4; ++byte)
        text += QChar(static_cast<char16_t>((code >> (8 * byte)) & 0xFF));
    return text;
}

QString CodecName(int tag)
{
    const auto found = std::find_if(std::begin(kTags), std::end(kTags),
                                    [tag](const TagName &entry) { return entry.tag == tag; });
    return found == std::end(kTags) ? QStringLiteral("Unknown") : QLatin1String(found->name);
}

QString FrameRateLine(int fpsNum, int fpsDen, const QLocale &locale)
{
    const double rate = fpsDen > 0 ? static_cast<double>(fpsNum) / fpsDen : 0.0;
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return QStringLiteral("Частота кадров: ") + plain.toString(rate, 'f', 3)
           + QStringLiteral(" Кадров/сек");
}

QString FormatLine(const TReportStream &stream)
{
    QString line = QStringLiteral("Формат: ") + QString::number(stream.sampleRate)
                   + QStringLiteral(" Гц") + ChannelPart(stream.channels);
    if (stream.bitsPerSample != 0)
        line += QStringLiteral(", ") + QString::number(stream.bitsPerSample)
                + QStringLiteral(" Бит");
    const long kilobits = std::lround(stream.bytesPerSecond * 8.0 / 1000.0);
    line += QStringLiteral(", ") + QString::number(kilobits) + QStringLiteral(" Кбит/сек");
    return line;
}

QString MajorTypeName(const QString &majorType)
{
    const auto known
        = std::find_if(std::begin(kKnownMajorTypes), std::end(kKnownMajorTypes),
                       [&majorType](const char *name) { return majorType == QLatin1String(name); });
    return known == std::end(kKnownMajorTypes) ? QString() : majorType;
}

QString MediaTypeLine(const TMediaTypeFacts &facts)
{
    const QString unknown = QStringLiteral("UnKnown ");
    const QString major = MajorTypeName(facts.majorType);
    QString line = QStringLiteral("Главный тип: ") + (major.isEmpty() ? unknown : major)
                   + QStringLiteral(" - Суб тип: ")
                   + (facts.subtype.isEmpty() ? unknown : facts.subtype)
                   + QStringLiteral(" - Формат: ");
    const TReportStream &f = facts.format;
    if (f.videoFormat)
        return line
               + QStringLiteral("VideoInfo %1 %2X%3, %4 бит, размер %5 байт")
                     .arg(CompressionText(f.compression))
                     .arg(facts.width)
                     .arg(facts.height)
                     .arg(facts.bitsPerPixel)
                     .arg(facts.imageSize);
    if (f.waveFormat)
        return line + QStringLiteral("WaveFormatEx: 0x") + TagDigits(f.formatTag) + QLatin1Char(' ')
               + CodecName(f.formatTag)
               + QStringLiteral(" %1 Гц, %2 Бит, %3 Каналов, %4 Байт/с ")
                     .arg(f.sampleRate)
                     .arg(f.bitsPerSample)
                     .arg(f.channels)
                     .arg(f.bytesPerSecond);
    return line + QStringLiteral("Unknown");
}

QString TreeText(const QList<TReportNode> &roots)
{
    QString text;
    AddNodes(text, roots, 0);
    return text;
}

} // namespace MediaReport
