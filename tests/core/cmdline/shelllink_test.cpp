#include "cmdline/shelllink.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

void putU32(QByteArray &bytes, qsizetype at, quint32 value)
{
    if (bytes.size() < at + 4)
        bytes.resize(at + 4, '\0');
    qToLittleEndian<quint32>(value, bytes.data() + at);
}

// A shortcut as the shell writes it: header, an item id list, then the link
// info with an 8-bit local base path and, optionally, a wide one.
QByteArray makeShortcut(const QByteArray &ansiPath, const QString &widePath = {},
                        bool withIdList = true)
{
    QByteArray bytes(0x4C, '\0');
    putU32(bytes, 0, 0x4C);
    putU32(bytes, 20, (withIdList ? 0x1 : 0x0) | 0x2);
    if (withIdList) {
        bytes.append(char(4));
        bytes.append(char(0));
        bytes.append(QByteArray(4, 'x'));
    }
    const qsizetype info = bytes.size();
    const quint32 headerSize = widePath.isEmpty() ? 0x1C : 0x24;
    QByteArray body(headerSize, '\0');
    const quint32 ansiOffset = headerSize;
    const quint32 suffixOffset = ansiOffset + ansiPath.size() + 1;
    const quint32 wideOffset = suffixOffset + 1;
    QByteArray tail = ansiPath + '\0' + '\0';
    for (const QChar c : widePath) {
        tail.append(char(c.unicode() & 0xFF));
        tail.append(char(c.unicode() >> 8));
    }
    tail.append(QByteArray(2, '\0'));
    body += tail;
    putU32(body, 0, body.size());
    putU32(body, 4, headerSize);
    putU32(body, 8, 0x1);
    putU32(body, 16, ansiOffset);
    putU32(body, 24, suffixOffset);
    if (!widePath.isEmpty())
        putU32(body, 28, wideOffset);
    bytes.insert(info, body);
    return bytes;
}

TEST(ShellLink, ReadsLocalBasePath)
{
    EXPECT_EQ(ShellLink::localTarget(makeShortcut("C:\\Films\\a.avi")),
              QStringLiteral("C:\\Films\\a.avi"));
    EXPECT_EQ(ShellLink::localTarget(makeShortcut("D:\\b.mpg", {}, false)),
              QStringLiteral("D:\\b.mpg"));
}

TEST(ShellLink, PrefersTheWidePathAndDecodesTheCodePage)
{
    EXPECT_EQ(ShellLink::localTarget(makeShortcut("C:\\?.avi", QStringLiteral(u"C:\\Фильм.avi"))),
              QStringLiteral(u"C:\\Фильм.avi"));
    EXPECT_EQ(ShellLink::localTarget(makeShortcut("C:\\\xD4.avi")), QStringLiteral(u"C:\\Ф.avi"));
}

TEST(ShellLink, MalformedShortcutsGiveNothing)
{
    const QByteArray good = makeShortcut("C:\\Films\\a.avi");
    EXPECT_TRUE(ShellLink::localTarget(QByteArray()).isEmpty());
    EXPECT_TRUE(ShellLink::localTarget(QByteArray(200, '\xFF')).isEmpty());
    // Every truncation of a valid shortcut is rejected without reading past the end.
    for (qsizetype size = 0; size < good.size() - 3; ++size)
        EXPECT_TRUE(ShellLink::localTarget(good.left(size)).isEmpty()) << size;

    QByteArray hugeOffset = good;
    putU32(hugeOffset, 0x4C + 6 + 16, 0xFFFFFFF0);
    EXPECT_TRUE(ShellLink::localTarget(hugeOffset).isEmpty());
    QByteArray hugeIdList = good;
    hugeIdList[0x4C] = '\xFF';
    hugeIdList[0x4D] = '\xFF';
    EXPECT_TRUE(ShellLink::localTarget(hugeIdList).isEmpty());
}

} // namespace
