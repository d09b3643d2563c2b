#include "fifoprobe.h"
#include "playback/filefingerprint.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray wordsAt(qsizetype size, qsizetype offset, const std::vector<quint32> &words)
{
    QByteArray bytes(size, '\0');
    for (const quint32 word : words) {
        qToLittleEndian(word, bytes.data() + offset);
        offset += 4;
    }
    return bytes;
}

struct FingerprintCase
{
    const char *name;
    QByteArray content;
    QString expected;
};

class FingerprintTest : public ::testing::TestWithParam<FingerprintCase>
{
protected:
    QString write(const QString &name, const QByteArray &content)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    QTemporaryDir m_dir;
};

TEST_P(FingerprintTest, FoldsTheThousandBytesFromTheMiddle)
{
    EXPECT_EQ(FileFingerprint(write(QStringLiteral("film"), GetParam().content)),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, FingerprintTest,
    ::testing::Values(
        FingerprintCase{"Empty", QByteArray(), QString()},
        // 1998 bytes leave only 999 from the middle (999) on; 1999 leave exactly 1000.
        FingerprintCase{"OneByteShort", wordsAt(1998, 999, {0x11}), QString()},
        FingerprintCase{"ExactlyEnough", wordsAt(1999, 999, {0x11}), QStringLiteral("11")},
        FingerprintCase{"AllZeroMiddle", QByteArray(4000, '\0'), QStringLiteral("0")},
        FingerprintCase{"LittleEndianWords", wordsAt(3000, 1500, {0x0A0B0C0D}),
                        QStringLiteral("A0B0C0D")},
        FingerprintCase{"NoLeadingZeros", wordsAt(3000, 1500, {0x12345678, 0x12340000}),
                        QStringLiteral("5678")},
        // The word at offset 996 of the sample is the last one folded; 1000 is not read.
        FingerprintCase{"LastWordCounts", wordsAt(3000, 1500 + 996, {0xF0000000}),
                        QStringLiteral("F0000000")},
        FingerprintCase{"PastTheSampleIgnored", wordsAt(3000, 1500 + 1000, {0xFFFFFFFF}),
                        QStringLiteral("0")},
        FingerprintCase{"BeforeTheMiddleIgnored", wordsAt(3000, 1496, {0xFFFFFFFF}),
                        QStringLiteral("0")}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(FingerprintTest, CopiesWithEqualMiddlesShareIt)
{
    QByteArray first = wordsAt(4000, 2000, {0xCAFE, 0xBEEF0000, 7});
    QByteArray second = first;
    first[10] = 'x';
    second[3990] = 'y';
    const QString a = FileFingerprint(write(QStringLiteral("a.avi"), first));
    const QString b = FileFingerprint(write(QStringLiteral("b.avi"), second));
    EXPECT_FALSE(a.isEmpty());
    EXPECT_EQ(a, b);

    QByteArray third = first;
    third[2500] = 1;
    EXPECT_NE(FileFingerprint(write(QStringLiteral("c.avi"), third)), a);
}

TEST_F(FingerprintTest, NothingButRegularFiles)
{
    EXPECT_EQ(FileFingerprint(m_dir.filePath(QStringLiteral("missing"))), QString());
    EXPECT_EQ(FileFingerprint(QString()), QString());
    EXPECT_EQ(FileFingerprint(m_dir.path()), QString());

    const QString pipe = m_dir.filePath(QStringLiteral("pipe"));
    QString fingerprint = QStringLiteral("unset");
    EXPECT_TRUE(ReturnsOnIdlePipe(pipe, [&] { fingerprint = FileFingerprint(pipe); }));
    EXPECT_EQ(fingerprint, QString());
}

} // namespace
