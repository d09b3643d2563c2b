#include "lang/langfile.h"
#include "lang/tlang.h"
#include "langtestfiles.h"

#include <QDir>
#include <QFile>
#include <random>

using namespace Qt::StringLiterals;

namespace {

class LangFileLimits : public LangFolderFixture
{
protected:
    // True when loading the file left every built-in text in place.
    bool loadsBuiltInOnly(const QByteArray &bytes)
    {
        write(u"Test.lng"_s, bytes);
        TLang lang;
        lang.Load(folder(), u"Test"_s);
        for (int i = 0; i < TLang::kTextCount; ++i) {
            if (lang.GetLine(i) != TLang::builtInText(i))
                return false;
        }
        return true;
    }
};

TEST_F(LangFileLimits, EmptyFile)
{
    EXPECT_TRUE(loadsBuiltInOnly(QByteArray()));
}

TEST_F(LangFileLimits, BinaryGarbage)
{
    std::mt19937 random(1251);
    QByteArray bytes(256 * 1024, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = static_cast<char>(random() & 0xFF);
    EXPECT_TRUE(loadsBuiltInOnly(bytes));
}

TEST_F(LangFileLimits, MegabyteLinesAreSkippedNotFatal)
{
    const QByteArray megabyte(1024 * 1024, 'x');
    write(u"Long.lng"_s, "[recal]\n0=" + megabyte + "\n1=New\n2=" + megabyte);
    const LangFile file = LangFile::read(path(u"Long.lng"_s));
    EXPECT_TRUE(file.text(0).isEmpty());
    EXPECT_EQ(file.text(1), u"New");
    EXPECT_TRUE(file.text(2).isEmpty());
}

TEST_F(LangFileLimits, HugeFileIsRefusedWithoutReadingIt)
{
    write(u"Huge.lng"_s, "[recal]\n0=Open\n");
    QFile huge(path(u"Huge.lng"_s));
    ASSERT_TRUE(huge.resize(100LL * 1024 * 1024)); // sparse: costs no disk space
    EXPECT_TRUE(LangFile::read(huge.fileName()).text(0).isEmpty());
}

TEST_F(LangFileLimits, FileJustUnderTheLimitIsRead)
{
    QByteArray bytes = "[recal]\n0=Open\n";
    const QByteArray comment = "; " + QByteArray(1000, '-') + '\n';
    while (bytes.size() + comment.size() <= LangFile::kMaxFileBytes)
        bytes += comment;
    write(u"Big.lng"_s, bytes);
    EXPECT_EQ(LangFile::read(path(u"Big.lng"_s)).text(0), u"Open");
    bytes += comment;
    write(u"Big.lng"_s, bytes);
    EXPECT_TRUE(LangFile::read(path(u"Big.lng"_s)).text(0).isEmpty());
}

TEST_F(LangFileLimits, MissingFileOrFolder)
{
    EXPECT_TRUE(LangFile::read(path(u"None.lng"_s)).text(0).isEmpty());
    EXPECT_TRUE(LangFile::read(QString()).text(0).isEmpty());
    EXPECT_TRUE(QDir(folder()).mkdir(u"Dir.lng"_s));
    EXPECT_TRUE(LangFile::read(path(u"Dir.lng"_s)).text(0).isEmpty());
}

// A device that never ends must not hang the start-up.
TEST_F(LangFileLimits, EndlessDeviceIsRefused)
{
    if (!QFile::exists(u"/dev/zero"_s))
        GTEST_SKIP() << "no /dev/zero on this system";
    ASSERT_TRUE(QFile::link(u"/dev/zero"_s, path(u"Zero.lng"_s)));
    EXPECT_TRUE(LangFile::read(path(u"Zero.lng"_s)).text(0).isEmpty());
}

// Files stitched from the pieces the parser reacts to, in random order: whatever the mix,
// every text it gives is trimmed and within the length limit.
TEST(LangFileFuzz, TextsAreAlwaysTrimmedAndBounded)
{
    const QByteArray pieces[] = {"[recal]",
                                 "[other]",
                                 "[",
                                 "]",
                                 "=",
                                 ";",
                                 " ",
                                 "\t",
                                 "\r",
                                 "\xC3\x96",
                                 "\xD0",
                                 "\x01",
                                 QByteArray(1, '\0'),
                                 QByteArray(300, 'x')};
    const QByteArray keys[] = {"0", "5", "198", "199", "05", ""};
    std::mt19937 random(7);
    const auto randomPieces = [&] {
        QByteArray bytes;
        for (auto n = random() % 6; n > 0; --n)
            bytes += pieces[random() % std::size(pieces)];
        return bytes;
    };
    int given = 0;
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes = "[recal]\n";
        for (int line = 0; line < 40; ++line)
            bytes += randomPieces() + keys[random() % std::size(keys)] + randomPieces() + '='
                     + randomPieces() + '\n';
        const LangFile file = LangFile::parse(bytes);
        for (int i = 0; i < TLang::kTextCount; ++i) {
            const QString text = file.text(i);
            ASSERT_LE(text.size(), LangFile::kMaxTextLength);
            if (text.isEmpty())
                continue;
            ++given;
            ASSERT_GT(text.front().unicode(), 0x20) << bytes.toHex().toStdString();
            ASSERT_GT(text.back().unicode(), 0x20) << bytes.toHex().toStdString();
        }
    }
    EXPECT_GT(given, 100); // the mix does reach the texts
}

} // namespace
