#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QtGlobal>

// What the information window knows of one stream of the open file.
struct TReportStream
{
    // "Video", "Audio", "Text", … ; anything else reads as unknown.
    QString majorType;
    // A picture format: its compression code and frames per second (0/0 unknown).
    bool videoFormat = false;
    quint32 compression = 0;
    int fpsNum = 0;
    int fpsDen = 0;
    // A sound format, as a wave format block would carry it.
    bool waveFormat = false;
    int formatTag = 0;
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0;
    int bytesPerSecond = 0;
};

// A media type as the filter tree describes it on a pin.
struct TMediaTypeFacts
{
    QString majorType; // as TReportStream::majorType
    QString subtype;   // empty: unknown
    // videoFormat / waveFormat and their values; neither: an unknown format.
    TReportStream format;
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    int imageSize = 0;
};

// The facts the report is built from.
struct TReportInput
{
    // Texts 122, 123, 124 of the language table.
    QString pathWord, titleWord, sizeWord;
    QString path, title;
    int width = 0;
    int height = 0;
    bool dvd = false;
    bool keyFramesPresent = false;
    int keyFrames = 0;
    bool frameMode = false;
    QList<TReportStream> streams;
};

// One node of the filter tree: its text and the nodes under it.
struct TReportNode
{
    QString text;
    QList<TReportNode> children;
};

// One property of an element of the graph, as the configure dialog edits it.
struct TElementProperty
{
    QString name;
    QString blurb;
    QVariant value;      // bool, qint64, double or QString; an enumeration as its nick
    QStringList choices; // the nicks of an enumeration
    bool writable = false;
};

namespace MediaReport {

// The "Info" page, one string per line.
QStringList Lines(const TReportInput &input, const QLocale &locale = QLocale::system());

// 0 "RGB", 1 "RLE8", 2 "RLE4", 3 "BITFIELDS", otherwise the four bytes as
// characters, lowest first.
QString CompressionText(quint32 code);
// The name of a wave format tag ("PCM", "MPEGLAYER3", …; "Unknown").
QString CodecName(int tag);
// "Частота кадров: 25.000 Кадров/сек".
QString FrameRateLine(int fpsNum, int fpsDen, const QLocale &locale);
// "Формат: 44100 Гц, Стерео, 16 Бит, 128 Кбит/сек".
QString FormatLine(const TReportStream &stream);
// "Тип потока: " line text for a major type, empty for an unknown one.
QString MajorTypeName(const QString &majorType);

// "Главный тип: Video - Суб тип: I420 - Формат: VideoInfo I420 320X240, 12 бит,
// размер 115200 байт", the one-line description of a pin's media type.
QString MediaTypeLine(const TMediaTypeFacts &facts);

// The tree as text: one line per node, a tab per level, lines ended by CR LF.
QString TreeText(const QList<TReportNode> &roots);

} // namespace MediaReport
