#include "lang/langfile.h"
#include "lang/tlang.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kEnglishFile = QStringLiteral(TAVREL_SOURCE_DIR "/lang/English.lng");

QRegularExpression cyrillic()
{
    return QRegularExpression(u"\\p{Cyrillic}"_s);
}

TEST(EnglishLng, TranslatesEveryText)
{
    const LangFile file = LangFile::read(kEnglishFile);
    for (int i = 0; i < TLang::kTextCount; ++i) {
        SCOPED_TRACE(i);
        const QString text = file.text(i);
        EXPECT_FALSE(text.isEmpty());
        EXPECT_FALSE(text.contains(cyrillic()));
        EXPECT_FALSE(text.contains(u'|'));
    }
}

// The first of two equal keys wins silently, so a duplicate would hide a translation.
TEST(EnglishLng, EveryKeyOnce)
{
    QFile file(kEnglishFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QSet<int> keys;
    const QRegularExpression keyLine(u"^(\\d+)="_s);
    for (const QByteArray &line : file.readAll().split('\n')) {
        const auto match = keyLine.match(QString::fromUtf8(line));
        if (!match.hasMatch())
            continue;
        const int key = match.captured(1).toInt();
        EXPECT_FALSE(keys.contains(key)) << key;
        keys.insert(key);
    }
    EXPECT_EQ(keys.size(), TLang::kTextCount);
}

TEST(EnglishLng, LoadsFromTheProgramsLangFolder)
{
    TLang lang;
    lang.Load(QStringLiteral(TAVREL_SOURCE_DIR "/lang"), u"English"_s);
    EXPECT_EQ(lang.GetLine(0), u"Open...");
    EXPECT_EQ(lang.GetLine(108), u"Press \"HOME\" to watch from the beginning");
    EXPECT_EQ(lang.GetLine(198), u"File types");
}

} // namespace
