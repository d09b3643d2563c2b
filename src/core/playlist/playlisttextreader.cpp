#include "playlisttextreader.h"

#include "playlist/utf8validator.h"
#include "text/legacytext.h"

#include <QByteArray>
#include <QIODevice>
#include <QStringDecoder>

namespace {

constexpr qint64 kChunkSize = 1 << 16;
constexpr char kEndOfFile = 26;

// Reads the next chunk, cut at the end-of-file mark. False on a read error.
bool readChunk(QIODevice &device, QByteArray &chunk, bool &atEnd)
{
    chunk.resize(kChunkSize);
    const qint64 got = device.read(chunk.data(), kChunkSize);
    if (got < 0)
        return false;
    chunk.truncate(got);
    const qsizetype mark = chunk.indexOf(kEndOfFile);
    if (mark >= 0) {
        chunk.truncate(mark);
        atEnd = true;
    }
    if (got == 0)
        atEnd = true;
    return true;
}

bool isWholeTextUtf8(QIODevice &device, bool &readFailed)
{
    Utf8Validator validator;
    QByteArray chunk;
    bool atEnd = false;
    while (!atEnd) {
        if (!readChunk(device, chunk, atEnd)) {
            readFailed = true;
            return false;
        }
        validator.feed(chunk);
    }
    return validator.isValid();
}

class LineSplitter
{
public:
    LineSplitter(bool utf8, const PlaylistTextReader::LineHandler &onLine)
        : m_utf8(utf8)
        , m_onLine(onLine)
    {}

    void feed(QByteArrayView bytes)
    {
        qsizetype start = 0;
        if (m_skipLineFeed && !bytes.isEmpty() && bytes.front() == '\n')
            start = 1;
        m_skipLineFeed = false;
        for (qsizetype i = start; i < bytes.size(); ++i) {
            const char c = bytes[i];
            if (c != '\n' && c != '\r')
                continue;
            emitLine(bytes.sliced(start, i - start));
            if (c == '\r') {
                if (i + 1 < bytes.size()) {
                    if (bytes[i + 1] == '\n')
                        ++i;
                } else {
                    m_skipLineFeed = true;
                }
            }
            start = i + 1;
        }
        m_pending.append(bytes.sliced(start));
    }

    void finish()
    {
        if (!m_pending.isEmpty())
            emitLine({});
    }

private:
    // Short lines are decoded straight from the chunk; only a line that spans
    // chunks is gathered first.
    void emitLine(QByteArrayView tail)
    {
        QByteArrayView bytes = tail;
        if (!m_pending.isEmpty()) {
            m_pending.append(tail);
            bytes = m_pending;
        }
        // Lists joined into one file keep each part's mark at the start of a line; one mark
        // there is dropped and anything after it is text (the decoder would otherwise drop
        // a second one too, and only at the start of each call).
        if (m_utf8 && bytes.startsWith("\xEF\xBB\xBF"))
            bytes = bytes.sliced(3);
        const QString line
            = m_utf8 ? QString(m_decoder(bytes))
                     : LegacyText::fromCp1251(QByteArray::fromRawData(bytes.data(), bytes.size()));
        m_onLine(line);
        if (m_pending.capacity() > kChunkSize)
            m_pending = QByteArray(); // do not keep a huge line's buffer
        else
            m_pending.resize(0);
    }

    bool m_utf8;
    const PlaylistTextReader::LineHandler &m_onLine;
    QByteArray m_pending;
    QStringDecoder m_decoder{QStringConverter::Utf8,
                             QStringConverter::Flag::Stateless
                                 | QStringConverter::Flag::ConvertInitialBom};
    bool m_skipLineFeed = false;
};

} // namespace

PlaylistTextReader::Status PlaylistTextReader::read(QIODevice &device, bool forceUtf8,
                                                    const LineHandler &onLine)
{
    bool readFailed = false;
    const qint64 origin = device.pos();
    const bool utf8 = forceUtf8 || isWholeTextUtf8(device, readFailed);
    if (readFailed || (!forceUtf8 && !device.seek(origin)))
        return Status::ReadError;

    LineSplitter splitter(utf8, onLine);
    QByteArray chunk;
    bool atEnd = false;
    while (!atEnd) {
        if (!readChunk(device, chunk, atEnd))
            return Status::ReadError;
        splitter.feed(chunk);
    }
    splitter.finish();
    return Status::Ok;
}
