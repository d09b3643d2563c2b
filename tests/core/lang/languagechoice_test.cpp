#include "lang/languagechoice.h"
#include "langtestfiles.h"

using namespace Qt::StringLiterals;

namespace {

struct StartupCase
{
    const char *name;
    const char16_t *setting;
    QLocale::Language system;
    const char16_t *expected;
    bool builtIn;
};

void PrintTo(const StartupCase &c, std::ostream *os)
{
    *os << c.name;
}

class StartupLanguage : public ::testing::TestWithParam<StartupCase>
{
};

TEST_P(StartupLanguage, ChoosesNameAndWhetherAFileIsRead)
{
    const StartupCase &c = GetParam();
    const QString name = LanguageChoice::startupName(QString::fromUtf16(c.setting), c.system);
    EXPECT_EQ(name, QString::fromUtf16(c.expected));
    EXPECT_EQ(LanguageChoice::isBuiltIn(name), c.builtIn);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, StartupLanguage,
    ::testing::Values(
        StartupCase{"emptyOnRussianSystem", u"", QLocale::Russian, u"Russian", true},
        StartupCase{"emptyOnEnglishSystem", u"", QLocale::English, u"English", false},
        StartupCase{"emptyOnUkrainianSystem", u"", QLocale::Ukrainian, u"English", false},
        StartupCase{"settingWinsOverSystem", u"German", QLocale::Russian, u"German", false},
        StartupCase{"russianOnEnglishSystem", u"Russian", QLocale::English, u"Russian", true},
        StartupCase{"builtInNameIsCaseSensitive", u"russian", QLocale::English, u"russian", false}),
    [](const auto &info) { return std::string(info.param.name); });

class LanguageFolder : public LangFolderFixture
{
};

TEST_F(LanguageFolder, ListsBuiltInThenFilesByName)
{
    write(u"german.lng"_s, "");
    write(u"English.lng"_s, "");
    write(u"French.LNG"_s, "");
    write(u"Russian.lng"_s, "");
    write(u"notes.txt"_s, "");
    write(u".lng"_s, "");
    ASSERT_TRUE(QDir(folder()).mkdir(u"Folder.lng"_s));
    EXPECT_EQ(LanguageChoice::available(folder()),
              QStringList({u"Russian"_s, u"English"_s, u"French"_s, u"german"_s}));
}

TEST_F(LanguageFolder, MissingFolderOffersBuiltInOnly)
{
    EXPECT_EQ(LanguageChoice::available(path(u"none"_s)), QStringList{u"Russian"_s});
    EXPECT_EQ(LanguageChoice::available(QString()), QStringList{u"Russian"_s});
}

TEST_F(LanguageFolder, FilePathOfAName)
{
    write(u"English.lng"_s, "");
    write(u"French.LNG"_s, "");
    EXPECT_EQ(LanguageChoice::filePath(folder(), u"English"_s), path(u"English.lng"_s));
    EXPECT_EQ(LanguageChoice::filePath(folder(), u"French"_s), path(u"French.LNG"_s));
    EXPECT_TRUE(LanguageChoice::filePath(folder(), u"english"_s).isEmpty());
    EXPECT_TRUE(LanguageChoice::filePath(folder(), u"German"_s).isEmpty());
    EXPECT_TRUE(LanguageChoice::filePath(folder(), QString()).isEmpty());
    EXPECT_TRUE(LanguageChoice::filePath(folder(), u"sub/English"_s).isEmpty());
    EXPECT_TRUE(LanguageChoice::filePath(QString(), u"English"_s).isEmpty());
}

} // namespace
