#include "settings/inifile.h"
#include "settings/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const char *const kSample = "; comment=ignored\n"
                            "orphan=outside any section\n"
                            "  [ Playlist ]  \n"
                            "\twidth_int = 300 \r\n"
                            "width_int=999\n"
                            "no equals sign\n"
                            ";height_int=1\n"
                            "f_width_int=\n"
                            "title=a=b\n"
                            "[sound]\n"
                            "sound1=  Левый канал\x01\n"
                            "[PLAYLIST]\n"
                            "height_int=77\n"
                            "width_int=555\n";

struct LookupCase
{
    const char *section;
    const char *key;
    std::optional<QString> expected;
};

class IniLookup : public ::testing::TestWithParam<LookupCase>
{
};

TEST_P(IniLookup, FollowsTheIniRules)
{
    const TIniFile ini(QString::fromUtf8(kSample));
    const LookupCase &c = GetParam();
    EXPECT_EQ(ini.value(QString::fromUtf8(c.section), QString::fromUtf8(c.key)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sample, IniLookup,
    ::testing::Values(LookupCase{"playlist", "width_int", QStringLiteral("300")},
                      LookupCase{"PLAYLIST", "WIDTH_INT", QStringLiteral("300")},
                      LookupCase{"playlist", "height_int", QStringLiteral("77")},
                      LookupCase{"playlist", "f_width_int", QString()},
                      LookupCase{"playlist", "title", QStringLiteral("a=b")},
                      LookupCase{"playlist", "no equals sign", std::nullopt},
                      LookupCase{"sound", "sound1", QStringLiteral(u"Левый канал")},
                      LookupCase{"sound", "width_int", std::nullopt},
                      LookupCase{"", "orphan", std::nullopt},
                      LookupCase{"Main", "ext", std::nullopt}));

TEST(IniFile, IntegersThatDoNotParseGiveTheFallback)
{
    const TIniFile ini(QStringLiteral("[p]\na=12\nb=12px\nc=\nd=-4\ne=99999999999\nf=0x10\n"));
    const auto in = [&](const char *key) {
        return ini.integer(QStringLiteral("p"), QString::fromLatin1(key), -99);
    };
    EXPECT_EQ(in("a"), 12);
    EXPECT_EQ(in("b"), -99);
    EXPECT_EQ(in("c"), -99);
    EXPECT_EQ(in("d"), -4);
    EXPECT_EQ(in("e"), -99);
    EXPECT_EQ(in("f"), -99);
    EXPECT_EQ(in("missing"), -99);
}

TEST(IniFile, SetValueChangesOneLineAndKeepsTheRest)
{
    TIniFile ini(
        QStringLiteral("; mine\n[Main]\nEXT=avi;\nother = 1\n\n[playlist]\nwidth_int=9\n"));
    ini.setValue(QStringLiteral("Main"), QStringLiteral("ext"), QStringLiteral("mkv;mp4;"));
    EXPECT_EQ(
        ini.text(),
        QStringLiteral("; mine\n[Main]\next=mkv;mp4;\nother = 1\n\n[playlist]\nwidth_int=9\n"));
}

TEST(IniFile, SetValueAddsMissingKeysAndSections)
{
    TIniFile ini(QStringLiteral("[main]\nfoo=1\n\n[x]\na=1\n[MAIN]\nbar=2\n"));
    ini.setValue(QStringLiteral("Main"), QStringLiteral("ext"), QStringLiteral("avi;"));
    ini.setValue(QStringLiteral("sound"), QStringLiteral("sound1"), QStringLiteral("L"));
    EXPECT_EQ(ini.text(), QStringLiteral("[main]\nfoo=1\next=avi;\n\n[x]\na=1\n[MAIN]\nbar=2\n"
                                         "\n[sound]\nsound1=L\n"));
    TIniFile empty;
    empty.setValue(QStringLiteral("Main"), QStringLiteral("ext"), QString());
    EXPECT_EQ(empty.text(), QStringLiteral("[Main]\next=\n"));
}

TEST(IniFile, MalformedInputNeverBreaksLookups)
{
    QByteArray noise(70000, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<char>((i * 7919) % 256);
    const QString texts[] = {QString::fromLatin1(noise), QStringLiteral("[\n]\n[]\n=\n==\n[a]b]\n"),
                             QString(100000, QLatin1Char('[')),
                             QStringLiteral("[Main]\next") + QString(1 << 20, QLatin1Char('='))};
    for (const QString &text : texts) {
        TIniFile ini(text);
        (void)ini.value(QStringLiteral("Main"), QStringLiteral("ext"));
        ini.setValue(QStringLiteral("Main"), QStringLiteral("ext"), QStringLiteral("avi;"));
        EXPECT_EQ(ini.value(QStringLiteral("Main"), QStringLiteral("ext")), QStringLiteral("avi;"));
    }
}

class IniFiles : public ::testing::Test
{
protected:
    // Each test gets its own per-user data folder: tests run in parallel processes, and a
    // shared folder let one test's clean-up delete the copy another was writing.
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("user-data"))));
    }

    QString path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    void write(const char *name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QTemporaryDir m_dir;
};

TEST_F(IniFiles, ReadsCp1251AndWritesUtf8)
{
    write("tavrel.ini", QByteArray("[sound]\r\nsound1=\xCB\xE5\xE2\xFB\xE9\r\n"));
    TIniFile ini;
    ASSERT_TRUE(ini.load(path("tavrel.ini")));
    EXPECT_EQ(ini.string(QStringLiteral("sound"), QStringLiteral("sound1"), QString()),
              QStringLiteral(u"Левый"));
    ASSERT_TRUE(ini.save(path("tavrel.ini")));
    QFile file(path("tavrel.ini"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QStringLiteral(u"[sound]\nsound1=Левый\n").toUtf8());
}

TEST_F(IniFiles, MissingFoldersAndSpecialFilesReadAsEmpty)
{
    TIniFile ini(QStringLiteral("[a]\nb=c\n"));
    EXPECT_FALSE(ini.load(path("missing.ini")));
    EXPECT_EQ(ini.text(), QString());
    EXPECT_FALSE(ini.load(m_dir.path()));
    EXPECT_FALSE(ini.load(QStringLiteral("/dev/zero")));
    write("big.ini", QByteArray(TIniFile::kMaxFileBytes + 1, 'a'));
    EXPECT_FALSE(ini.load(path("big.ini")));
}

QString languageText(int index)
{
    return QStringLiteral("text %1").arg(index);
}

TEST_F(IniFiles, MissingIniGivesTheDocumentedSizesAndLanguageCaptions)
{
    TSettingsRecord record;
    record.playlist_width_int = 1;
    TIniFile ini;
    ini.load(path("tavrel.ini"));
    TSettingsStore::loadIni(record, ini, languageText);
    EXPECT_EQ(record.Main_ext, QString());
    EXPECT_EQ(record.playlist_width_int, 250);
    EXPECT_EQ(record.playlist_height_int, 150);
    EXPECT_EQ(record.playlist_f_width_int, 370);
    EXPECT_EQ(record.playlist_f_height_int, 262);
    EXPECT_EQ(record.sound_sound1, QStringLiteral("text 31"));
    EXPECT_EQ(record.sound_sound2, QStringLiteral("text 32"));
}

TEST_F(IniFiles, StoredIniValuesAreReadAndUnusableSizesFallBack)
{
    const TIniFile ini(QStringLiteral("[main]\next=avi;mkv;\n[Playlist]\nwidth_int=300\n"
                                      "height_int=tall\nf_width_int=0\nf_height_int=-5\n"
                                      "[sound]\nsound1=Left\nsound2=\n"));
    TSettingsRecord record;
    TSettingsStore::loadIni(record, ini, languageText);
    EXPECT_EQ(record.Main_ext, QStringLiteral("avi;mkv;"));
    EXPECT_EQ(record.playlist_width_int, 300);
    EXPECT_EQ(record.playlist_height_int, 150);
    EXPECT_EQ(record.playlist_f_width_int, 370);
    EXPECT_EQ(record.playlist_f_height_int, 262);
    EXPECT_EQ(record.sound_sound1, QStringLiteral("Left"));
    EXPECT_EQ(record.sound_sound2, QString());
}

TEST_F(IniFiles, OnlyTheExtensionListIsWritten)
{
    TIniFile ini(QStringLiteral("[playlist]\nwidth_int=300\n"));
    TSettingsRecord record;
    record.Main_ext = QStringLiteral("avi;");
    record.playlist_width_int = 10;
    record.sound_sound1 = QStringLiteral("changed");
    TSettingsStore::storeIni(record, ini);
    EXPECT_EQ(ini.text(), QStringLiteral("[playlist]\nwidth_int=300\n\n[Main]\next=avi;\n"));
}

TEST_F(IniFiles, UpdatingKeepsHandEditsAndNeverReplacesAnUnreadableFile)
{
    TSettingsRecord record;
    record.Main_ext = QStringLiteral("avi;mkv;");
    write("tavrel.ini", "; sizes by hand\n[playlist]\nwidth_int=300\n");
    ASSERT_TRUE(TSettingsStore::updateIniFile(record, m_dir.path()));
    TIniFile ini;
    ASSERT_TRUE(ini.load(path("tavrel.ini")));
    EXPECT_EQ(ini.text(), QStringLiteral("; sizes by hand\n[playlist]\nwidth_int=300\n\n"
                                         "[Main]\next=avi;mkv;\n"));

    const QByteArray huge(TIniFile::kMaxFileBytes + 1, ';');
    write("tavrel.ini", huge);
    EXPECT_FALSE(TSettingsStore::updateIniFile(record, m_dir.path()));
    EXPECT_EQ(QFileInfo(path("tavrel.ini")).size(), huge.size());
}

TEST_F(IniFiles, AnUnwritableProgramFolderMovesTheFileToTheUserFolder)
{
    const QString appFolder = m_dir.path() + QStringLiteral("/app");
    ASSERT_TRUE(QDir().mkpath(appFolder));
    const QString inApp = QDir(appFolder).filePath(QStringLiteral("tavrel.ini"));
    EXPECT_EQ(TSettingsStore::iniReadPath(appFolder), inApp);

    // A program folder that cannot take the file (here: it is gone).
    const QString goneFolder = m_dir.path() + QStringLiteral("/gone");
    TIniFile ini(QStringLiteral("[Main]\next=avi;\n"));
    ASSERT_TRUE(TSettingsStore::saveIniFile(ini, goneFolder));
    const QString userCopy = TSettingsStore::iniReadPath(goneFolder);
    EXPECT_NE(userCopy, QDir(goneFolder).filePath(QStringLiteral("tavrel.ini")));
    TIniFile back;
    ASSERT_TRUE(back.load(userCopy));
    EXPECT_EQ(back.value(QStringLiteral("Main"), QStringLiteral("ext")), QStringLiteral("avi;"));

    // Once the program folder takes the file again, the user copy no longer shadows it.
    ASSERT_TRUE(TSettingsStore::saveIniFile(back, appFolder));
    EXPECT_EQ(TSettingsStore::iniReadPath(appFolder), inApp);
    EXPECT_FALSE(QFile::exists(userCopy));
}

} // namespace
