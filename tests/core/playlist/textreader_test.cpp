#include "playlist/playlisttextreader.h"
#include "playlist/utf8validator.h"
#include "playlisttestsupport.h"
#include "text/legacytext.h"

#include <QBuffer>
#include <random>

namespace {

using namespace Qt::Literals::StringLiterals;

bool validInPieces(const QByteArray &bytes, std::mt19937 &random)
{
    Utf8Validator validator;
    qsizetype at = 0;
    while (at < bytes.size()) {
        const qsizetype piece = std::uniform_int_distribution<qsizetype>(1, 4)(random);
        validator.feed(QByteArrayView(bytes).sliced(at, std::min(piece, bytes.size() - at)));
        at += piece;
    }
    return validator.isValid();
}

TEST(Utf8Validator, AgreesWithTheDecoderWhateverThePieces)
{
    const QList<QByteArray> edges = {"",
                                     "plain",
                                     "\xC2\x80",
                                     "\xC1\xBF",
                                     "\xE0\x9F\xBF",
                                     "\xE0\xA0\x80",
                                     "\xED\x9F\xBF",
                                     "\xED\xA0\x80",
                                     "\xEF\xBF\xBF",
                                     "\xF0\x8F\xBF\xBF",
                                     "\xF0\x90\x80\x80",
                                     "\xF4\x8F\xBF\xBF",
                                     "\xF4\x90\x80\x80",
                                     "\xF5\x80\x80\x80",
                                     "\xFF",
                                     "\x80",
                                     "\xE2\x82",
                                     "a\xE2\x82\xAC"};
    std::mt19937 random(42);
    for (const QByteArray &bytes : edges)
        EXPECT_EQ(validInPieces(bytes, random), LegacyText::isValidUtf8(bytes))
            << bytes.toHex().data();

    // Random text made mostly of lead and continuation bytes.
    const std::array<char, 12> alphabet = {'a',    '\x80', '\xBF', '\xC2', '\xDF', '\xE0',
                                           '\xED', '\xEF', '\xF0', '\xF4', '\x9F', '\xA0'};
    for (int round = 0; round < 20000; ++round) {
        QByteArray bytes;
        const int length = std::uniform_int_distribution<int>(1, 8)(random);
        for (int i = 0; i < length; ++i)
            bytes.append(
                alphabet[std::uniform_int_distribution<size_t>(0, alphabet.size() - 1)(random)]);
        ASSERT_EQ(validInPieces(bytes, random), LegacyText::isValidUtf8(bytes))
            << bytes.toHex().data();
    }
}

QStringList readAll(const QByteArray &bytes, bool forceUtf8 = false)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QStringList lines;
    const auto status = PlaylistTextReader::read(
        buffer, forceUtf8, [&lines](QStringView line) { lines.append(line.toString()); });
    EXPECT_EQ(status, PlaylistTextReader::Status::Ok);
    return lines;
}

TEST(PlaylistTextReader, CrLfSplitAcrossReadsIsOneLineEnd)
{
    // The reader takes the file in power-of-two pieces; CR and LF fall on both
    // sides of such a boundary.
    for (const qsizetype boundary : {qsizetype(1) << 12, qsizetype(1) << 16, qsizetype(1) << 20}) {
        QByteArray bytes(boundary, 'a');
        bytes[boundary - 1] = '\r';
        bytes += "\nb\r\n";
        const QStringList lines = readAll(bytes);
        ASSERT_EQ(lines.size(), 2) << boundary;
        EXPECT_EQ(lines[0].size(), boundary - 1);
        EXPECT_EQ(lines[1], u"b"_s);
    }
}

TEST(PlaylistTextReader, LateInvalidByteMakesTheWholeTextWindows1251)
{
    QByteArray bytes = "\xD0\xAF\n"; // valid UTF-8 on its own: "Я"
    bytes += QByteArray(1 << 20, 'x');
    bytes += "\n\xC0\n";
    const QStringList lines = readAll(bytes);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], u"РЇ"_s);
    EXPECT_EQ(lines[2], u"А"_s);
}

TEST(PlaylistTextReader, InvalidBytesAfterTheEndMarkAreNotLookedAt)
{
    const QStringList lines = readAll(QByteArray("\xD0\xAF\n\x1A\xFF\xFE"));
    EXPECT_EQ(lines, QStringList{u"Я"_s});
}

TEST(PlaylistTextReader, OneByteOrderMarkAtTheStartOfALineIsDropped)
{
    const QByteArray mark = "\xEF\xBB\xBF";
    const struct
    {
        QByteArray bytes;
        QStringList utf8;
        QStringList legacy; // the same bytes read as Windows-1251
    } cases[] = {
        {mark + "a\n", {u"a"_s}, {u"п»їa"_s}},
        // Two lists joined: the second one's mark is not part of its first name.
        {"a\n" + mark + "b\n", {u"a"_s, u"b"_s}, {u"a"_s, u"п»їb"_s}},
        // Only one mark goes; a second is a character of the name.
        {mark + mark + "a\n" + mark + mark + "b", {u"\uFEFFa"_s, u"\uFEFFb"_s}, {}},
        {"a" + mark + "\n", {u"a\uFEFF"_s}, {}},
        {mark, {u""_s}, {}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(readAll(c.bytes), c.utf8) << c.bytes.toHex().data();
        EXPECT_EQ(readAll(c.bytes, true), c.utf8) << c.bytes.toHex().data();
        if (!c.legacy.isEmpty()) {
            EXPECT_EQ(readAll(c.bytes + "\xFF").mid(0, c.legacy.size()), c.legacy)
                << c.bytes.toHex().data();
        }
    }
}

class FailingDevice : public QIODevice
{
public:
    FailingDevice() { open(QIODevice::ReadOnly); }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64) override { return -1; }
};

TEST(PlaylistTextReader, ReadFailureIsReported)
{
    FailingDevice device;
    int lines = 0;
    EXPECT_EQ(PlaylistTextReader::read(device, true, [&lines](QStringView) { ++lines; }),
              PlaylistTextReader::Status::ReadError);
    EXPECT_EQ(lines, 0);
}

} // namespace
