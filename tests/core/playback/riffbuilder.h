#pragma once

#include <QByteArray>
#include <QtEndian>

// Builds AVI-like RIFF files byte by byte, sizes included, so that tests can also write
// sizes that lie.
class RiffBuilder
{
public:
    RiffBuilder() { m_bytes = QByteArray("RIFF") + dword(0) + QByteArray("AVI "); }

    RiffBuilder &chunk(const char *id, const QByteArray &payload)
    {
        return chunkWithSize(id, static_cast<quint32>(payload.size()), payload);
    }
    RiffBuilder &chunkWithSize(const char *id, quint32 size, const QByteArray &payload)
    {
        m_bytes += QByteArray(id, 4) + dword(size) + payload;
        return *this;
    }
    RiffBuilder &raw(const QByteArray &bytes)
    {
        m_bytes += bytes;
        return *this;
    }

    QByteArray bytes() const
    {
        QByteArray done = m_bytes;
        qToLittleEndian(static_cast<quint32>(done.size() - 8), done.data() + 4);
        return done;
    }

    static QByteArray dword(quint32 value)
    {
        QByteArray bytes(4, '\0');
        qToLittleEndian(value, bytes.data());
        return bytes;
    }

    static QByteArray entry(const char *id, quint32 flags)
    {
        return QByteArray(id, 4) + dword(flags) + dword(0) + dword(0);
    }

    // An index of frameCount video frames, key frames every keyInterval, each video frame
    // followed by an audio entry.
    static QByteArray index(int frameCount, int keyInterval)
    {
        QByteArray entries;
        for (int frame = 0; frame < frameCount; ++frame) {
            entries += entry("00dc", frame % keyInterval == 0 ? 16 : 0);
            entries += entry("01wb", 16);
        }
        return entries;
    }

private:
    QByteArray m_bytes;
};
