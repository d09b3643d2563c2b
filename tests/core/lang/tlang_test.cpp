#include "lang/tlang.h"
#include "langtestfiles.h"

#include <climits>

using namespace Qt::StringLiterals;

namespace {

class TLangLoad : public LangFolderFixture
{
protected:
    TLang lang;
};

TEST(TLang, StartsWithBuiltInTexts)
{
    const TLang lang;
    EXPECT_EQ(lang.GetLine(0), u"Открыть...");
    EXPECT_EQ(lang.GetLine(198), u"Типы файлов");
    EXPECT_EQ(lang.Name(), u"Russian");
}

TEST(TLang, IndexOutsideTableShowsErrorText)
{
    const TLang lang;
    EXPECT_EQ(lang.GetLine(TLang::kTextCount),
              u"!ERROR TRANSLATE! LINES-" + QString::number(TLang::kTextCount));
    EXPECT_EQ(lang.GetLine(250), u"!ERROR TRANSLATE! LINES-250");
    EXPECT_EQ(lang.GetLine(-3), u"!ERROR TRANSLATE! LINES--3");
}

TEST(TLang, SetLineGrowsTableButRefusesAbsurdIndices)
{
    TLang lang;
    lang.SetLine(250, u"Extra"_s);
    EXPECT_EQ(lang.GetLine(250), u"Extra");
    EXPECT_EQ(lang.GetLine(249), QString());
    EXPECT_EQ(lang.GetLine(251), u"!ERROR TRANSLATE! LINES-251");
    lang.SetLine(-1, u"X"_s);
    lang.SetLine(INT_MAX, u"X"_s);
    EXPECT_EQ(lang.GetLine(INT_MAX), u"!ERROR TRANSLATE! LINES-2147483647");
}

TEST_F(TLangLoad, FileReplacesOnlyItsKeys)
{
    write(u"English.lng"_s, "[recal]\n0=Open...\n5=   \n250=Beyond\n");
    lang.Load(folder(), u"English"_s);
    EXPECT_EQ(lang.Name(), u"English");
    EXPECT_EQ(lang.GetLine(0), u"Open...");
    EXPECT_EQ(lang.GetLine(5), TLang::builtInText(5));
    for (int i = 1; i < TLang::kTextCount; ++i)
        EXPECT_EQ(lang.GetLine(i), TLang::builtInText(i)) << i;
    EXPECT_EQ(lang.GetLine(250), u"!ERROR TRANSLATE! LINES-250");
}

TEST_F(TLangLoad, MissingFileKeepsBuiltInTexts)
{
    lang.Load(folder(), u"English"_s);
    EXPECT_EQ(lang.Name(), u"English");
    EXPECT_EQ(lang.GetLine(3), u"Выход");
}

TEST_F(TLangLoad, BuiltInLanguageReadsNoFile)
{
    write(u"Russian.lng"_s, "[recal]\n3=Quit\n");
    lang.Load(folder(), u"Russian"_s);
    EXPECT_EQ(lang.GetLine(3), u"Выход");
}

TEST_F(TLangLoad, SecondLoadStartsAgainFromBuiltInTexts)
{
    write(u"A.lng"_s, "[recal]\n0=Open A\n");
    write(u"B.lng"_s, "[recal]\n1=Properties B\n");
    lang.SetLine(TLang::kTextCount + 1, u"Kept"_s);
    lang.Load(folder(), u"A"_s);
    lang.Load(folder(), u"B"_s);
    EXPECT_EQ(lang.GetLine(0), TLang::builtInText(0));
    EXPECT_EQ(lang.GetLine(1), u"Properties B");
    EXPECT_EQ(lang.GetLine(TLang::kTextCount + 1), u"Kept");
}

} // namespace
