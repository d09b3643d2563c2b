#include "shelllink.h"

#include "text/legacytext.h"

#include <QFile>
#include <QtEndian>

namespace {

constexpr quint32 kHeaderSize = 0x4C;
constexpr quint32 kHasTargetIdList = 0x1;
constexpr quint32 kHasLinkInfo = 0x2;
constexpr quint32 kVolumeIdAndLocalBasePath = 0x1;
constexpr qint64 kLargestShortcut = 1 << 20;

// Bounds-checked little-endian reads over the whole file.
class Reader
{
public:
    explicit Reader(const QByteArray &bytes)
        : m_bytes(bytes)
    {}

    bool has(qint64 offset, qint64 size) const
    {
        return offset >= 0 && size >= 0 && offset + size <= m_bytes.size();
    }
    quint32 u32(qint64 offset) const
    {
        return qFromLittleEndian<quint32>(m_bytes.constData() + offset);
    }
    quint16 u16(qint64 offset) const
    {
        return qFromLittleEndian<quint16>(m_bytes.constData() + offset);
    }

    // A NUL-terminated 8-bit string, or nothing when the terminator is missing.
    QByteArray cString(qint64 offset, qint64 end) const
    {
        if (!has(offset, 0) || end > m_bytes.size())
            return {};
        const qsizetype nul = m_bytes.indexOf('\0', offset);
        if (nul < 0 || nul >= end)
            return {};
        return m_bytes.mid(offset, nul - offset);
    }

    QString wideString(qint64 offset, qint64 end) const
    {
        QString text;
        for (qint64 at = offset; at + 2 <= end && has(at, 2); at += 2) {
            const quint16 unit = u16(at);
            if (unit == 0)
                return text;
            text.append(QChar(unit));
        }
        return {};
    }

private:
    const QByteArray &m_bytes;
};

} // namespace

namespace ShellLink {

QString localTarget(const QByteArray &bytes)
{
    const Reader in(bytes);
    if (!in.has(0, kHeaderSize) || in.u32(0) != kHeaderSize)
        return {};
    const quint32 flags = in.u32(20);
    qint64 at = kHeaderSize;
    if (flags & kHasTargetIdList) {
        if (!in.has(at, 2))
            return {};
        at += 2 + in.u16(at);
    }
    if (!(flags & kHasLinkInfo) || !in.has(at, 28))
        return {};

    const qint64 infoSize = in.u32(at);
    const quint32 infoHeaderSize = in.u32(at + 4);
    const quint32 infoFlags = in.u32(at + 8);
    const qint64 end = at + infoSize;
    if (!(infoFlags & kVolumeIdAndLocalBasePath) || !in.has(at, infoSize))
        return {};

    QString base;
    QString suffix = LegacyText::decode(in.cString(at + in.u32(at + 24), end));
    if (infoHeaderSize >= 0x24 && in.has(at, 36)) {
        base = in.wideString(at + in.u32(at + 28), end);
    }
    if (base.isEmpty())
        base = LegacyText::decode(in.cString(at + in.u32(at + 16), end));
    if (base.isEmpty())
        return {};
    return base + suffix;
}

QString readLocalTarget(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return localTarget(file.read(kLargestShortcut));
}

} // namespace ShellLink
