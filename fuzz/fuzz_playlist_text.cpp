// Playlist file bytes through the text reader, its code-page choice included, delivered in
// reads as short as the first byte says, so that lines, line breaks and the byte-order
// mark fall across the reader's chunks. The lines must be those of the whole text decoded
// at once: cut at byte 26, UTF-8 when all of it is valid UTF-8 (one byte-order mark at the
// start of a line dropped), otherwise Windows-1251.
#include "playlist/playlisttextreader.h"
#include "text/legacytext.h"

#include <QByteArray>
#include <QIODevice>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringList>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// A seekable file that hands out at most `step` bytes a read, as a pipe-backed or network
// file system may.
class TrickleDevice : public QIODevice
{
public:
    TrickleDevice(QByteArray bytes, qint64 step)
        : m_bytes(std::move(bytes))
        , m_step(step)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    qint64 size() const override { return m_bytes.size(); }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 left = m_bytes.size() - pos();
        const qint64 count = qMin(qMin(maxSize, m_step), left);
        if (count > 0)
            std::memcpy(data, m_bytes.constData() + pos(), static_cast<size_t>(count));
        return count;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    qint64 m_step;
};

QStringList expectedLines(QByteArray bytes, bool forceUtf8)
{
    const qsizetype mark = bytes.indexOf(char(26));
    if (mark >= 0)
        bytes.truncate(mark);
    const bool utf8 = forceUtf8 || LegacyText::isValidUtf8(bytes);
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless
                                                       | QStringConverter::Flag::ConvertInitialBom);
    const QString text = utf8 ? QString(decoder(bytes)) : LegacyText::fromCp1251(bytes);
    static const QRegularExpression lineBreak(QStringLiteral("\\r\\n|\\n|\\r"));
    QStringList lines = text.split(lineBreak);
    if (lines.last().isEmpty())
        lines.removeLast();
    if (utf8) {
        for (QString &line : lines) {
            if (line.startsWith(QChar(0xFEFF)))
                line.remove(0, 1);
        }
    }
    return lines;
}

void check(const QByteArray &bytes, qint64 step, bool forceUtf8)
{
    TrickleDevice device(bytes, step);
    QStringList lines;
    const PlaylistTextReader::Status status = PlaylistTextReader::read(
        device, forceUtf8, [&lines](QStringView line) { lines.append(line.toString()); });
    if (status != PlaylistTextReader::Status::Ok || lines != expectedLines(bytes, forceUtf8))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const qint64 step = 1 + data[0] % 64;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1),
                           static_cast<qsizetype>(size - 1));
    check(bytes, step, false);
    check(bytes, step, true);
    return 0;
}
