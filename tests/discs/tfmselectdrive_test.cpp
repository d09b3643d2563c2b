#include "lang/tlang.h"
#include "tfmselectdrive.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

QApplication &app()
{
    static int argc = 1;
    static char name[] = "tfmselectdrive_test";
    static char *argv[] = {name, nullptr};
    static QApplication instance(argc, argv);
    return instance;
}

class SelectDriveTest : public ::testing::Test
{
protected:
    void SetUp() override { app(); }

    TLang lang;
};

TEST_F(SelectDriveTest, CaptionsComeFromTheLanguageTable)
{
    lang.SetLine(181, QStringLiteral("Play from disc..."));
    lang.SetLine(61, QStringLiteral("OK"));
    const TfmSelectDrive form(lang, {});
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Play from disc..."));
    EXPECT_EQ(form.btOk->text(), QStringLiteral("OK"));
    EXPECT_EQ(form.btCancel->text(), QStringLiteral("Отмена"));
}

TEST_F(SelectDriveTest, FixedGeometry)
{
    const TfmSelectDrive form(lang, {QStringLiteral("D [FILM]")});
    EXPECT_EQ(form.size(), QSize(196, 165));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.lbSD->geometry(), QRect(2, 8, 192, 121));
    EXPECT_EQ(form.btOk->geometry(), QRect(16, 136, 65, 22));
    EXPECT_EQ(form.btCancel->geometry(), QRect(112, 136, 65, 22));
    EXPECT_EQ(form.lbSD->sizeHintForRow(0), 13);
    EXPECT_TRUE(form.btOk->isFlat());
}

TEST_F(SelectDriveTest, OkChoosesTheFocusedDrive)
{
    TfmSelectDrive form(lang, {QStringLiteral("D [FILM]"), QStringLiteral("E []")});
    EXPECT_EQ(form.lbSD->currentRow(), 0);
    form.lbSD->setCurrentRow(1);
    form.btOk->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.ChosenDrive(), QLatin1Char('E'));
}

TEST_F(SelectDriveTest, OkWithNoDriveCancels)
{
    TfmSelectDrive empty(lang, {});
    EXPECT_EQ(empty.lbSD->count(), 0);
    QSignalSpy rejected(&empty, &QDialog::rejected);
    empty.btOk->click();
    EXPECT_EQ(rejected.count(), 1);
    EXPECT_TRUE(empty.ChosenDrive().isNull());

    TfmSelectDrive unfocused(lang, {QStringLiteral("D []")});
    unfocused.lbSD->setCurrentRow(-1);
    unfocused.btOk->click();
    EXPECT_EQ(unfocused.result(), QDialog::Rejected);
    EXPECT_TRUE(unfocused.ChosenDrive().isNull());
}

TEST_F(SelectDriveTest, CancelAndEscapeChooseNothing)
{
    TfmSelectDrive form(lang, {QStringLiteral("D []")});
    QSignalSpy accepted(&form, &QDialog::accepted);
    form.btCancel->click();
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_TRUE(form.ChosenDrive().isNull());
    EXPECT_EQ(accepted.count(), 0);
}

TEST_F(SelectDriveTest, DoubleClickChoosesTheClickedDrive)
{
    TfmSelectDrive form(lang, {QStringLiteral("D []"), QStringLiteral("F [DATA]")});
    QListWidgetItem *item = form.lbSD->item(1);
    emit form.lbSD->itemDoubleClicked(item);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.ChosenDrive(), QLatin1Char('F'));
}

TEST_F(SelectDriveTest, Screenshot)
{
    TfmSelectDrive form(lang, {QStringLiteral("D [SUMMER_2004]"), QStringLiteral("E []")});
    form.show();
    const QImage shot = form.grab().toImage();
    EXPECT_EQ(shot.size() / shot.devicePixelRatio(), QSize(196, 165));
    const QString out = qEnvironmentVariable("TAVREL_SCREENSHOT_DIR", QDir::tempPath());
    EXPECT_TRUE(shot.save(QDir(out).filePath(QStringLiteral("tfmselectdrive.png"))));
}

} // namespace
