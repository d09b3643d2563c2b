#include "../platform/associations/xdgfolders.h"
#include "dvd/tdvdlanguagetable.h"
#include "settings/inifile.h"
#include "settingstesthost.h"
#include "tfmproperty.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

using R = TSettingsRecord;

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void TypeText(QWidget *target, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
    }
}

class PropertyTest : public ::testing::Test
{
protected:
    template<class W>
    W *Control(const char *name)
    {
        W *widget = dialog.findChild<W *>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void WriteExtensions(const QString &list)
    {
        TIniFile ini;
        ini.setValue(QStringLiteral("Main"), QStringLiteral("ext"), list);
        ini.save(host.ProgramFolder() + QStringLiteral("tavrel.ini"));
    }
    QString StoredExtensions()
    {
        TIniFile ini;
        ini.load(host.ProgramFolder() + QStringLiteral("tavrel.ini"));
        TSettingsRecord record;
        TSettingsStore::loadIni(record, ini, {});
        return record.Main_ext;
    }
    QListWidgetItem *Extension(const char *text)
    {
        const auto found
            = Control<QListWidget>("clb1")->findItems(QString::fromLatin1(text), Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.constFirst();
    }
    TSettingsRecord Stored()
    {
        TSettingsRecord record;
        host.store->loadDialogSet(record);
        return record;
    }

    TXdgFolders xdg;
    TTestSettingsHost host;
    TfmProperty dialog{host};
};

} // namespace

TEST_F(PropertyTest, EmptyNumberFieldsStoreTheirFallbacks)
{
    dialog.FormShow();
    const struct
    {
        const char *edit;
        int R::*field;
        int fallback;
    } cases[] = {{"e1", &R::SavePos_LenFilm, 0}, {"e2", &R::SavePos_LenStart, 0},
                 {"e3", &R::SavePos_LenEnd, 0},  {"e6", &R::SeekSmall, 10},
                 {"e7", &R::SeekLarge, 60},      {"e8", &R::TimeShowLine, 30},
                 {"e9", &R::TimeShowIcon, 10},   {"e10", &R::TimeShowMenu, 30}};
    host.running.TimeShowIcon = 77;
    for (const auto &c : cases)
        Control<QLineEdit>(c.edit)->clear();
    dialog.s3Click();
    const TSettingsRecord stored = Stored();
    for (const auto &c : cases) {
        EXPECT_EQ(stored.*c.field, c.fallback) << c.edit;
        EXPECT_EQ(host.running.*c.field, c.fallback) << c.edit;
    }
    EXPECT_EQ(host.storedCount, 1);
}

TEST_F(PropertyTest, NumberFieldsTakeDigitsOnlyAndTheQuickVolumeIsAPercent)
{
    dialog.FormShow();
    auto *e9 = Control<QLineEdit>("e9");
    e9->clear();
    TypeText(e9, QStringLiteral("1a-2."));
    EXPECT_EQ(e9->text(), QStringLiteral("12"));
    auto *e4 = Control<QLineEdit>("e4");
    e4->setText(QStringLiteral("250"));
    EXPECT_EQ(e4->text(), QStringLiteral("100"));
    e4->setText(QStringLiteral("42"));
    dialog.s3Click();
    EXPECT_EQ(Stored().TimeShowIcon, 12);
    EXPECT_EQ(Stored().QuickVolume, 42);
}

TEST_F(PropertyTest, AnAspectSideTypedAsZeroBecomesOne)
{
    dialog.FormShow();
    auto *x3 = Control<QLineEdit>("x3");
    x3->selectAll();
    TypeText(x3, QStringLiteral("0"));
    EXPECT_EQ(x3->text(), QStringLiteral("1"));
    Control<QLineEdit>("y3")->setText(QStringLiteral("7"));
    dialog.s3Click();
    EXPECT_EQ(Stored().AspectPairs[2].x, 1);
    EXPECT_EQ(Stored().AspectPairs[2].y, 7);
    EXPECT_EQ(host.running.AspectPairs[2].x, 1);
}

TEST_F(PropertyTest, DriveLettersComeFromTheKeysOfPresentOpticalDrives)
{
    host.optical = QStringLiteral("DG");
    host.running.MenuIconPlay_Drive = true;
    dialog.FormShow();
    auto *e5 = Control<QLineEdit>("e5");
    EXPECT_TRUE(e5->isEnabled());
    TypeText(e5, QStringLiteral("п")); // the key of G on a Russian keyboard
    EXPECT_EQ(e5->text(), QStringLiteral("G"));
    TypeText(e5, QStringLiteral("g"));
    EXPECT_EQ(e5->text(), QStringLiteral("G"));
    TypeText(e5, QStringLiteral("c1в")); // C is no optical drive; в is the key of D
    EXPECT_EQ(e5->text(), QStringLiteral("GD"));
    // A letter set in the middle goes and the caret stays where it was.
    e5->setCursorPosition(1);
    e5->insert(QStringLiteral("E"));
    EXPECT_EQ(e5->text(), QStringLiteral("GD"));
    EXPECT_EQ(e5->cursorPosition(), 1);
    Control<QCheckBox>("cb17")->setChecked(false);
    EXPECT_FALSE(e5->isEnabled());
    dialog.s3Click();
    EXPECT_EQ(Stored().Select_Drive, QStringLiteral("GD"));
    EXPECT_EQ(host.running.Select_Drive, QStringLiteral("GD"));
}

TEST_F(PropertyTest, DefaultAudioStoresAnEmptyIdentifierAndTheListIsMadeOncePerShowing)
{
    host.renderers = {QStringLiteral("Built-in Audio"), QStringLiteral("HDMI")};
    host.running.AudioRender_Name = QStringLiteral("HDMI");
    dialog.FormShow();
    EXPECT_EQ(host.rendererListings, 0);
    dialog.ShowPage(8);
    dialog.ShowPage(0);
    dialog.ShowPage(8);
    EXPECT_EQ(host.rendererListings, 1);
    auto *list = Control<QListWidget>("lbAudRend");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->currentItem()->text(), QStringLiteral("HDMI"));
    list->setCurrentRow(0);
    dialog.s3Click();
    EXPECT_EQ(Stored().AudioRender_Name, QStringLiteral("Default"));
    EXPECT_EQ(Stored().AudioRender_GUID, QString());
    EXPECT_EQ(host.running.AudioRender_GUID, QString());
}

TEST_F(PropertyTest, WithoutThemeFoldersTheDefaultThemeIsStored)
{
    host.running.Theme_Name = QStringLiteral("Blue");
    dialog.FormShow();
    dialog.s3Click();
    EXPECT_EQ(Stored().Theme_Name, QStringLiteral("Default"));
    // The theme is read at the next start only.
    EXPECT_EQ(host.running.Theme_Name, QStringLiteral("Blue"));
}

TEST_F(PropertyTest, ThemesAndLanguagesAreListedAtEveryShowing)
{
    QDir program(host.ProgramFolder());
    program.mkpath(QStringLiteral("theme/Blue"));
    program.mkpath(QStringLiteral("lang"));
    QFile(program.filePath(QStringLiteral("lang/English.lng"))).open(QIODevice::WriteOnly);
    host.running.Theme_Name = QStringLiteral("Blue");
    dialog.FormShow();
    EXPECT_EQ(Control<QComboBox>("ThemeSelect")->currentText(), QStringLiteral("Blue"));
    auto *languages = Control<QComboBox>("LangSelect");
    ASSERT_EQ(languages->count(), 2);
    EXPECT_EQ(languages->currentText(), QStringLiteral("Russian"));
    program.mkpath(QStringLiteral("theme/Green"));
    dialog.FormShow();
    EXPECT_EQ(Control<QComboBox>("ThemeSelect")->count(), 2);
    languages->setCurrentIndex(1);
    dialog.s3Click();
    EXPECT_EQ(Stored().Lang, QStringLiteral("English"));
}

TEST_F(PropertyTest, AMouseModeOutsideTheButtonsKeepsTheFirstAndStoresIt)
{
    host.running.LeftMouseMode = 5;
    dialog.FormShow();
    EXPECT_TRUE(Control<QRadioButton>("rb1")->isChecked());
    dialog.s3Click();
    EXPECT_EQ(Stored().LeftMouseMode, 1);
    EXPECT_EQ(host.running.LeftMouseMode, 1);
    host.running.LeftMouseModeTray = 2;
    dialog.FormShow();
    EXPECT_TRUE(Control<QRadioButton>("rb4")->isChecked());
}

TEST_F(PropertyTest, EveryCheckBoxAndListItemStoresItsOwnSetting)
{
    dialog.FormShow();
    // All switched from their defaults, so a control bound to the wrong setting shows.
    for (QCheckBox *check : dialog.findChildren<QCheckBox *>()) {
        if (check->objectName() != QLatin1String("cb15"))
            check->setChecked(!check->isChecked());
    }
    auto *clb2 = Control<QListWidget>("clb2");
    for (int i = 0; i < clb2->count(); ++i) {
        if (clb2->item(i)->flags() & Qt::ItemIsUserCheckable)
            clb2->item(i)->setCheckState(clb2->item(i)->checkState() == Qt::Checked ? Qt::Unchecked
                                                                                    : Qt::Checked);
    }
    dialog.s3Click();
    const TSettingsRecord stored = Stored();
    const TSettingsRecord defaults;
    for (const TSettingDef &def : settingsTable()) {
        const auto *flag = std::get_if<bool R::*>(&def.field);
        if (def.inDialog() && flag) {
            EXPECT_NE(stored.**flag, defaults.**flag) << def.name;
        }
    }
    EXPECT_EQ(stored.ShowMainMenuMode, 1);
    // Values for the next start stay as they were in the running player.
    EXPECT_EQ(host.running.FSScale, defaults.FSScale);
    EXPECT_EQ(host.running.PlayFisicCrashCD, defaults.PlayFisicCrashCD);
    EXPECT_NE(host.running.LockZoom, defaults.LockZoom);
}

TEST_F(PropertyTest, UntickingLeavesALinkAnotherProgramTookMeanwhile)
{
    WriteExtensions(QStringLiteral("avi;"));
    ASSERT_TRUE(host.associations.Associate(QStringLiteral("avi"), false));
    dialog.FormShow();
    QListWidgetItem *avi = Extension("AVI");
    ASSERT_NE(avi, nullptr);
    EXPECT_EQ(avi->checkState(), Qt::Checked);
    const QByteArray other = "[Default Applications]\nvideo/x-msvideo=other.desktop;\n";
    xdg.WriteMimeApps(other);
    avi->setCheckState(Qt::Unchecked);
    EXPECT_EQ(xdg.ReadMimeApps(), other);
    EXPECT_TRUE(host.errors.isEmpty());
}

TEST_F(PropertyTest, TickingActsAtOnceAndMinusDropsOnlyTheListItem)
{
    WriteExtensions(QStringLiteral(" mkv ; ;avi;"));
    dialog.FormShow();
    ASSERT_EQ(Control<QListWidget>("clb1")->count(), 2);
    QListWidgetItem *mkv = Extension("MKV");
    ASSERT_NE(mkv, nullptr);
    EXPECT_EQ(mkv->checkState(), Qt::Unchecked);
    mkv->setCheckState(Qt::Checked);
    EXPECT_TRUE(host.associations.IsAssociated(QStringLiteral("mkv")));
    Control<QListWidget>("clb1")->setCurrentItem(mkv);
    Control<QPushButton>("bDelete")->click();
    Control<QLineEdit>("Edit1")->setText(QStringLiteral("Mp4"));
    Control<QPushButton>("bAdd")->click();
    dialog.s3Click();
    EXPECT_EQ(StoredExtensions(), QStringLiteral("avi;mp4;"));
    EXPECT_EQ(host.running.Main_ext, QStringLiteral("avi;mp4;"));
    EXPECT_TRUE(host.associations.IsAssociated(QStringLiteral("mkv")));
    EXPECT_FALSE(host.associations.IsAssociated(QStringLiteral("mp4")));
}

TEST_F(PropertyTest, UntickingDvdClearsTheDefaultOnOkAndKeepsTheEntry)
{
    ASSERT_TRUE(host.associations.SetDvdDefault(true));
    dialog.FormShow();
    auto *cb15 = Control<QCheckBox>("cb15");
    EXPECT_TRUE(cb15->isChecked());
    cb15->setChecked(false);
    EXPECT_TRUE(host.associations.IsDvdDefault()); // nothing before OK
    dialog.s3Click();
    EXPECT_FALSE(host.associations.IsDvdDefault());
    EXPECT_TRUE(QFile::exists(host.associations.DesktopFilePath()));
    dialog.FormShow();
    cb15->setChecked(true);
    dialog.s3Click();
    EXPECT_TRUE(host.associations.IsDvdDefault());
}

TEST_F(PropertyTest, CancelEscAndCloseAfterChangingEveryPageStoreNothing)
{
    WriteExtensions(QStringLiteral("avi;"));
    host.store->saveDialogSet(host.running);
    host.renderers = {QStringLiteral("HDMI")};
    const QByteArray settingsBefore = FileBytes(host.SettingsFile());
    const QByteArray iniBefore = FileBytes(host.ProgramFolder() + QStringLiteral("tavrel.ini"));
    const TSettingsRecord runningBefore = host.running;
    ASSERT_FALSE(settingsBefore.isEmpty());
    const std::function<void()> closers[] = {
        [&] { Control<QPushButton>("s4")->click(); },
        [&] {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(&dialog, &escape);
        },
        [&] { dialog.close(); },
    };
    for (const auto &close : closers) {
        dialog.FormShow();
        dialog.show();
        for (QCheckBox *check : dialog.findChildren<QCheckBox *>())
            check->setChecked(!check->isChecked());
        auto *clb2 = Control<QListWidget>("clb2");
        clb2->item(1)->setCheckState(Qt::Checked);
        for (QLineEdit *edit : dialog.findChildren<QLineEdit *>())
            edit->setText(QStringLiteral("7"));
        Control<QComboBox>("cbLang")->setCurrentIndex(5);
        Control<QRadioButton>("rb6")->setChecked(true);
        Control<QRadioButton>("rb4")->setChecked(true);
        dialog.ShowPage(8);
        Control<QListWidget>("lbAudRend")->setCurrentRow(1);
        Control<QPushButton>("bAdd")->click();
        close();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(FileBytes(host.SettingsFile()), settingsBefore);
        EXPECT_EQ(FileBytes(host.ProgramFolder() + QStringLiteral("tavrel.ini")), iniBefore);
        EXPECT_EQ(host.running.Select_Drive, runningBefore.Select_Drive);
        EXPECT_EQ(host.running.LeftMouseMode, runningBefore.LeftMouseMode);
        EXPECT_EQ(host.running.AspectPairs[0].x, runningBefore.AspectPairs[0].x);
        EXPECT_FALSE(host.associations.IsDvdDefault());
        EXPECT_EQ(host.storedCount, 0);
    }
}

TEST_F(PropertyTest, TheDvdLanguageListHasTheDefaultAndEveryNamedIdentifier)
{
    host.running.LangDVDTitle = 0x419;
    dialog.FormShow();
    auto *list = Control<QComboBox>("cbLang");
    EXPECT_EQ(list->itemText(0), host.lang.GetLine(153));
    EXPECT_EQ(list->itemData(0).toInt(), 0);
    EXPECT_EQ(list->count(), 1 + TDvdLanguageTable::kCount);
    EXPECT_EQ(list->currentData().toInt(), 0x419);
    const int count = list->count();
    dialog.FormShow();
    EXPECT_EQ(list->count(), count);
    list->setCurrentIndex(0);
    dialog.s3Click();
    EXPECT_EQ(Stored().LangDVDTitle, 0);
}

TEST_F(PropertyTest, PlacesAreStoredAtOnceAndRestoredToTheDefaults)
{
    host.chosenFolder = QStringLiteral("/films");
    dialog.FormShow();
    QLabel *desktop = Control<QLabel>("l5");
    QMouseEvent click(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(desktop, &click);
    EXPECT_EQ(host.store->value(&R::PlacesBar), QStringLiteral("\n/films\n\n\n"));
    Control<QPushButton>("s1")->click();
    EXPECT_EQ(host.store->value(&R::PlacesBar), QString());
}

TEST_F(PropertyTest, PluginsAreListedAndConfiguredBySelection)
{
    host.plugins = {QStringLiteral("Equalizer (libeq.so)")};
    dialog.FormShow();
    auto *list = Control<QListWidget>("plList");
    ASSERT_EQ(list->count(), 1);
    Control<QPushButton>("plConfig")->click();
    EXPECT_TRUE(host.configured.empty());
    list->setCurrentRow(0);
    Control<QPushButton>("plConfig")->click();
    EXPECT_EQ(host.configured, std::vector<int>{0});
}
