#include "settings/settingsvalue.h"
#include "storefixture.h"

#include <QDate>
#include <gtest/gtest.h>

namespace {

using R = TSettingsRecord;

// A value unlike the default for every row, staying inside the row's range.
struct NonDefault
{
    TSettingsRecord &record;
    const TSettingDef &def;

    void operator()(bool R::*f) const { record.*f = def.intDefault == 0; }
    void operator()(int R::*f) const
    {
        record.*f = def.intDefault < def.maximum ? def.intDefault + 1 : def.intDefault - 1;
    }
    void operator()(QString R::*f) const
    {
        record.*f = QStringLiteral(u"Ёж, \"%1\"\n;x=y @z").arg(QString::fromUtf8(def.name));
    }
    void operator()(QRect R::*f) const { record.*f = QRect(-7, 11, 321, 123); }
    void operator()(QDateTime R::*f) const
    {
        record.*f = QDateTime(QDate(2024, 2, 29), QTime(13, 14, 15, 16));
    }
};

TSettingsRecord nonDefaultRecord()
{
    TSettingsRecord record;
    for (const TSettingDef &def : settingsTable())
        std::visit(NonDefault{record, def}, def.field);
    record.AspectPairs
        = {TAspectPair{1, 2}, TAspectPair{-16, 9}, TAspectPair{5, 4}, TAspectPair{7, 3}};
    return record;
}

struct SameValue
{
    const TSettingsRecord &a;
    const TSettingsRecord &b;

    template<class T>
    bool operator()(T R::*f) const
    {
        return a.*f == b.*f;
    }
    bool operator()(QDateTime R::*f) const { return (a.*f).date() == (b.*f).date(); }
};

bool sameValue(const TSettingsRecord &a, const TSettingsRecord &b, const TSettingField &field)
{
    return std::visit(SameValue{a, b}, field);
}

// The documented defaults, spelled out here so that a slip in the table shows.
void expectDocumentedDefaults(const TSettingsRecord &r)
{
    EXPECT_TRUE(r.FSScale);
    EXPECT_EQ(r.RestSize, QRect());
    EXPECT_EQ(r.PlayListRestSize, QRect());
    EXPECT_EQ(r.Lang, QString());
    EXPECT_EQ(r.Theme_Name, QStringLiteral("Default"));
    EXPECT_TRUE(r.RightMouseMode);
    EXPECT_TRUE(r.KeyFramesSupport);
    EXPECT_TRUE(r.ShowCurent);
    EXPECT_EQ(r.Volume, 10000);
    EXPECT_EQ(r.Version, QString());
    EXPECT_EQ(r.StartDate.date(), QDate::currentDate());
    EXPECT_EQ(r.CountStart, 0);
    for (bool off : {r.OnEndToPlay,
                     r.StartShowPlayPanel,
                     r.MenuIconPlay_Drive,
                     r.TOPMOST,
                     r.NoReklama,
                     r.PlayFisicCrashCD,
                     r.SavePos_Enabled,
                     r.HardPropImage,
                     r.StartPlaySetFullScreen,
                     r.StartPlayHidePlayList,
                     r.PnPlayAutoShowHide,
                     r.PlayListParentYes,
                     r.LockStatus,
                     r.LockUpTimeCPU,
                     r.LockSound,
                     r.LockZoom,
                     r.NoHideLineIsMouse,
                     r.NoHideIconIsMouse,
                     r.HighPriopitet,
                     r.MinimizePause,
                     r.StatrShPL,
                     r.ExitNoSaveOne})
        EXPECT_FALSE(off);
    for (bool on : {r.MenuIconPlay_CD, r.MenuIconPlay_PL, r.CancelAutoPlay, r.MinimizeToTray,
                    r.Param_CaptionScale})
        EXPECT_TRUE(on);
    EXPECT_EQ(r.SavePos_LenFilm, 30);
    EXPECT_EQ(r.SavePos_LenStart, 10);
    EXPECT_EQ(r.SavePos_LenEnd, 2);
    EXPECT_EQ(r.QuickVolume, 0);
    EXPECT_EQ(r.LangDVDTitle, 0);
    EXPECT_EQ(r.PictureInterval, 5);
    EXPECT_EQ(r.LeftMouseMode, 1);
    EXPECT_EQ(r.LeftMouseModeTray, 1);
    EXPECT_EQ(r.ShowMainMenuMode, 0);
    EXPECT_EQ(r.SeekSmall, 10);
    EXPECT_EQ(r.SeekLarge, 60);
    EXPECT_EQ(r.TimeShowLine, 30);
    EXPECT_EQ(r.TimeShowIcon, 10);
    EXPECT_EQ(r.TimeShowMenu, 30);
    EXPECT_EQ(r.Select_Drive, QString());
    EXPECT_EQ(r.AudioRender_Name, QStringLiteral("Default DirectSound Device"));
    EXPECT_EQ(r.AudioRender_GUID, QStringLiteral("{79376820-07D0-11CF-A24D-0020AFD79767}"));
    EXPECT_EQ(r.PlayList, QString());
    EXPECT_EQ(r.UnInfoRestSize, QRect());
    EXPECT_EQ(r.Hard_Brightness, 750);
    EXPECT_EQ(r.Hard_Contrast, 10000);
    EXPECT_EQ(r.Hard_Saturation, 10000);
    EXPECT_EQ(r.Balance_Brightness, 0);
    EXPECT_EQ(r.Balance_Contrast, 0);
    EXPECT_EQ(r.Balance_Saturation, 0);
    EXPECT_EQ(r.ThisFile_Path, QString());
    EXPECT_EQ(r.ThisFile_Caption, QString());
}

void loadEverything(TSettingsStore &store, TSettingsRecord &record)
{
    for (TLoadGroup g : {TLoadGroup::Creation, TLoadGroup::FirstPaint,
                         TLoadGroup::StartupBookkeeping, TLoadGroup::OnDemand})
        store.loadGroup(record, g);
    store.loadAspectPairs(record);
}

TEST_F(StoreTest, EmptyStoreOverwritesEveryValueWithItsDocumentedDefault)
{
    TSettingsRecord record = nonDefaultRecord();
    loadEverything(store(), record);
    expectDocumentedDefaults(record);
    const double ratios[] = {3.0 / 4, 9.0 / 16, 4.0 / 5, 10.0 / 16};
    for (int i = 0; i < 4; ++i)
        EXPECT_DOUBLE_EQ(record.AspectPairs[i].ratio(), ratios[i]) << "pair " << i + 1;
    EXPECT_FALSE(QFile::exists(confPath())) << "reading must not create the store";
}

TEST_F(StoreTest, EachGroupReadsOnlyItsOwnValues)
{
    const TSettingsRecord planted = nonDefaultRecord();
    for (const TSettingDef &def : settingsTable())
        store().save(planted, def.field);
    for (TLoadGroup group : {TLoadGroup::Creation, TLoadGroup::FirstPaint,
                             TLoadGroup::StartupBookkeeping, TLoadGroup::OnDemand}) {
        TSettingsRecord record;
        store().loadGroup(record, group);
        for (const TSettingDef &def : settingsTable()) {
            const bool read = def.group == group && def.place != TSettingPlace::Ini;
            EXPECT_EQ(sameValue(record, planted, def.field), read)
                << def.name << " in group " << static_cast<int>(group);
        }
    }
}

TEST_F(StoreTest, EveryValueSurvivesARoundTrip)
{
    const TSettingsRecord written = nonDefaultRecord();
    for (const TSettingDef &def : settingsTable())
        store().save(written, def.field);
    store().saveAspectPairs(written);

    TSettingsStore fresh(openRaw());
    TSettingsRecord read;
    loadEverything(fresh, read);
    for (const TSettingDef &def : settingsTable()) {
        if (def.place != TSettingPlace::Ini) {
            EXPECT_TRUE(sameValue(read, written, def.field)) << def.name;
        }
    }
    EXPECT_EQ(read.StartDate, written.StartDate);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(read.AspectPairs[i].x, written.AspectPairs[i].x);
        EXPECT_EQ(read.AspectPairs[i].y, written.AspectPairs[i].y);
    }
}

TEST_F(StoreTest, StoresEveryValueUnderItsDocumentedNameAndForm)
{
    const TSettingsRecord written = nonDefaultRecord();
    for (const TSettingDef &def : settingsTable())
        store().save(written, def.field);
    store().saveAspectPairs(written);

    QStringList expected = {"FSScale",
                            "RestSize",
                            "PlayListRestSize",
                            "Lang",
                            "Theme_Name",
                            "RightMouseMode",
                            "KeyFramesSupport",
                            "ShowCurent",
                            "Volume",
                            "Version",
                            "StartDate",
                            "CountStart",
                            "OnEndToPlay",
                            "StartShowPlayPanel",
                            "MenuIconPlay_Drive",
                            "MenuIconPlay_CD",
                            "MenuIconPlay_PL",
                            "CancelAutoPlay",
                            "TOPMOST",
                            "NoReklama",
                            "PlayFisicCrashCD",
                            "SavePos.Enabled",
                            "HardPropImage",
                            "StartPlaySetFullScreen",
                            "StartPlayHidePlayList",
                            "MinimizeToTray",
                            "PnPlayAutoShowHide",
                            "PlayListParentYes",
                            "LockStatus",
                            "LockUpTimeCPU",
                            "LockSound",
                            "LockZoom",
                            "NoHideLineIsMouse",
                            "NoHideIconIsMouse",
                            "Param.CaptionScale",
                            "HighPriopitet",
                            "MinimizePause",
                            "SavePos.LenFilm",
                            "SavePos.LenStart",
                            "SavePos.LenEnd",
                            "QuickVolume",
                            "LangDVDTitle",
                            "PictureInterval",
                            "LeftMouseMode",
                            "LeftMouseModeTray",
                            "ShowMainMenuMode",
                            "SeekSmall",
                            "SeekLarge",
                            "TimeShowLine",
                            "TimeShowIcon",
                            "TimeShowMenu",
                            "Select_Drive",
                            "AudioRender.Name",
                            "AudioRender.GUID",
                            "StatrShPL",
                            "ExitNoSaveOne",
                            "PlayList",
                            "UnInfoRestSize",
                            "SubtitlesOn",
                            "SubtitleLanguage",
                            "PlacesBar",
                            "ImpProp/Hard_Brightness",
                            "ImpProp/Hard_Contrast",
                            "ImpProp/Hard_Saturation",
                            "Balance/Brightness",
                            "Balance/Contrast",
                            "Balance/Saturation",
                            "ThisFile/Path",
                            "ThisFile/Caption",
                            "ar/x1",
                            "ar/y1",
                            "ar/x2",
                            "ar/y2",
                            "ar/x3",
                            "ar/y3",
                            "ar/x4",
                            "ar/y4"};
    QStringList actual = openRaw()->allKeys();
    expected.sort();
    actual.sort();
    EXPECT_EQ(actual, expected);

    // Booleans as the numbers 0 and 1, rectangles and dates as their byte layouts.
    EXPECT_EQ(stored(QStringLiteral("FSScale")).toString(), QStringLiteral("0"));
    EXPECT_EQ(stored(QStringLiteral("MinimizePause")).toString(), QStringLiteral("1"));
    EXPECT_EQ(stored(QStringLiteral("RestSize")).toByteArray(),
              SettingsValue::packRect(written.RestSize));
    EXPECT_EQ(stored(QStringLiteral("StartDate")).toByteArray(),
              SettingsValue::packTime(written.StartDate));
}

struct WrongCase
{
    const char *name;
    const char *key;
    QVariant value;
    TSettingField field;
    bool givesDefault;
};

void PrintTo(const WrongCase &c, std::ostream *os)
{
    *os << c.name;
}

class WrongStoredValue : public StoreTest, public ::testing::WithParamInterface<WrongCase>
{
};

TEST_P(WrongStoredValue, FallsBackToTheDefaultOnlyWhenUnusable)
{
    const WrongCase &c = GetParam();
    plant(QString::fromLatin1(c.key), c.value);
    TSettingsRecord record = nonDefaultRecord();
    store().load(record, c.field);
    EXPECT_EQ(sameValue(record, TSettingsRecord(), c.field), c.givesDefault);
}

const QByteArray kRect = SettingsValue::packRect(QRect(1, 2, 3, 4));

INSTANTIATE_TEST_SUITE_P(
    Values, WrongStoredValue,
    ::testing::Values(
        WrongCase{"intAsWord", "Volume", QStringLiteral("loud"), &R::Volume, true},
        WrongCase{"intAboveRange", "Volume", 10001, &R::Volume, true},
        WrongCase{"intBelowRange", "Volume", -1, &R::Volume, true},
        WrongCase{"intAtBottom", "Volume", 0, &R::Volume, false},
        WrongCase{"modeOutOfRange", "LeftMouseMode", 4, &R::LeftMouseMode, true},
        WrongCase{"modeInRange", "LeftMouseMode", 3, &R::LeftMouseMode, false},
        WrongCase{"percentAbove", "QuickVolume", 101, &R::QuickVolume, true},
        WrongCase{"intAsBytes", "SeekSmall", kRect, &R::SeekSmall, true},
        WrongCase{"boolAsWord", "TOPMOST", QStringLiteral("yes"), &R::TOPMOST, true},
        WrongCase{"boolAnyNonZero", "TOPMOST", 2, &R::TOPMOST, false},
        WrongCase{"textAsBytes", "Theme_Name", QByteArray("Dark"), &R::Theme_Name, true},
        WrongCase{"textAsList", "Theme_Name", QStringList{"a", "b"}, &R::Theme_Name, true},
        WrongCase{"rectTooShort", "RestSize", kRect.left(15), &R::RestSize, true},
        WrongCase{"rectAsText", "RestSize", QStringLiteral("1,2,3,4"), &R::RestSize, true},
        WrongCase{"rectGood", "RestSize", kRect, &R::RestSize, false},
        WrongCase{"timeAsText", "StartDate", QStringLiteral("yesterday"), &R::StartDate, true},
        WrongCase{"subkeyInt", "ImpProp/Hard_Brightness", QStringLiteral("x"), &R::Hard_Brightness,
                  true},
        WrongCase{"subkeyText", "ThisFile/Path", QByteArray("/f"), &R::ThisFile_Path, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(StoreTest, AnUnusablePairFallsBackAloneAndWhole)
{
    plant(QStringLiteral("ar/x1"), 16);
    plant(QStringLiteral("ar/y1"), 10);
    plant(QStringLiteral("ar/x2"), 5); // y2 missing
    plant(QStringLiteral("ar/x3"), 7);
    plant(QStringLiteral("ar/y3"), 0);
    plant(QStringLiteral("ar/x4"), -21);
    plant(QStringLiteral("ar/y4"), 9);
    TSettingsRecord record;
    store().loadAspectPairs(record);
    EXPECT_DOUBLE_EQ(record.AspectPairs[0].ratio(), 1.6);
    EXPECT_EQ(record.AspectPairs[1].x, 9);
    EXPECT_EQ(record.AspectPairs[1].y, 16);
    EXPECT_EQ(record.AspectPairs[2].x, 4);
    EXPECT_EQ(record.AspectPairs[2].y, 5);
    EXPECT_DOUBLE_EQ(record.AspectPairs[3].ratio(), 21.0 / 9.0);
}

TEST_F(StoreTest, AspectPairsWithWrongTypesOrZeroWidthFallBack)
{
    plant(QStringLiteral("ar/x1"), QStringLiteral("wide"));
    plant(QStringLiteral("ar/y1"), 9);
    plant(QStringLiteral("ar/x2"), 0);
    plant(QStringLiteral("ar/y2"), 9);
    plant(QStringLiteral("ar/x3"), 1);
    plant(QStringLiteral("ar/y3"), QByteArray("\x09"));
    TSettingsRecord record;
    store().loadAspectPairs(record);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(record.AspectPairs[i].x, aspectPairDefaults()[i].x);
        EXPECT_EQ(record.AspectPairs[i].y, aspectPairDefaults()[i].y);
    }
}

TEST_F(StoreTest, ResumeValuesKeepAllThirtyTwoBits)
{
    store().setResumeValue(QStringLiteral("1A2B3C"), 0xFFFE0E10u);
    EXPECT_EQ(store().resumeValue(QStringLiteral("1A2B3C")), 0xFFFE0E10u);
    EXPECT_FALSE(store().resumeValue(QStringLiteral("1A2B3D")).has_value());
    store().removeResumeValue(QStringLiteral("1A2B3C"));
    EXPECT_FALSE(store().resumeValue(QStringLiteral("1A2B3C")).has_value());
}

TEST_F(StoreTest, ResumeValuesRefuseNamesThatAreNoFingerprint)
{
    for (const char *name : {"", "../Volume", "a/b", "12 34", "123456789", "1a2b", "ar\\x1"}) {
        store().setResumeValue(QString::fromLatin1(name), 5);
        EXPECT_FALSE(store().resumeValue(QString::fromLatin1(name)).has_value()) << name;
    }
    EXPECT_TRUE(openRaw()->allKeys().isEmpty());
    plant(QStringLiteral("files/ABC"), QStringLiteral("soon"));
    EXPECT_FALSE(store().resumeValue(QStringLiteral("ABC")).has_value());
}

TEST_F(StoreTest, AStoreSeesValuesAnotherProcessWroteAfterIt)
{
    TSettingsStore reader(openRaw());
    EXPECT_EQ(reader.value(&R::ThisFile_Path), QString());
    // Another instance hands over a file: the same file changes behind this store's back.
    writeFile("[ThisFile]\nPath=\"/films/a, b.avi\"\n");
    EXPECT_EQ(reader.value(&R::ThisFile_Path), QStringLiteral("/films/a, b.avi"));
}

TEST_F(StoreTest, DialogSetCoversEveryControlledValueAndThePairs)
{
    const TSettingsRecord written = nonDefaultRecord();
    store().saveDialogSet(written);
    TSettingsRecord read;
    store().loadDialogSet(read);
    for (const TSettingDef &def : settingsTable()) {
        if (def.place == TSettingPlace::Ini)
            continue;
        EXPECT_EQ(sameValue(read, written, def.field), def.inDialog()) << def.name;
    }
    EXPECT_EQ(read.AspectPairs[1].x, -16);
    EXPECT_EQ(read.AspectPairs[1].y, 9);
}

} // namespace
