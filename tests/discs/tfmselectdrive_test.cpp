#include "lang/tlang.h"
#include "tfmselectdrive.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

class SelectDriveTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "discs_dialog_tests";
        static char *argv[] = {name, nullptr};
        static QApplication app(argc, argv);
    }

    TLang lang;
};

TEST_F(SelectDriveTest, CaptionsAndFixedGeometry)
{
    lang.SetLine(181, QStringLiteral("Play from disc..."));
    const TfmSelectDrive form(lang, {QStringLiteral("D [FILM]")});
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Play from disc..."));
    EXPECT_EQ(form.btOk->text(), QStringLiteral("ОК"));
    EXPECT_EQ(form.btCancel->text(), QStringLiteral("Отмена"));
    EXPECT_EQ(form.size(), QSize(196, 165));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.lbSD->geometry(), QRect(2, 8, 192, 121));
    EXPECT_EQ(form.btOk->geometry(), QRect(16, 136, 65, 22));
    EXPECT_EQ(form.btCancel->geometry(), QRect(112, 136, 65, 22));
    EXPECT_EQ(form.lbSD->sizeHintForRow(0), 13);
}

TEST_F(SelectDriveTest, OkAndDoubleClickChooseTheFocusedDrive)
{
    TfmSelectDrive ok(lang, {QStringLiteral("D [FILM]"), QStringLiteral("E []")});
    EXPECT_EQ(ok.lbSD->currentRow(), 0);
    ok.lbSD->setCurrentRow(1);
    ok.btOk->click();
    EXPECT_EQ(ok.result(), QDialog::Accepted);
    EXPECT_EQ(ok.ChosenDrive(), QLatin1Char('E'));

    TfmSelectDrive doubleClicked(lang, {QStringLiteral("D []"), QStringLiteral("F [DATA]")});
    emit doubleClicked.lbSD->itemDoubleClicked(doubleClicked.lbSD->item(1));
    EXPECT_EQ(doubleClicked.result(), QDialog::Accepted);
    EXPECT_EQ(doubleClicked.ChosenDrive(), QLatin1Char('F'));
}

TEST_F(SelectDriveTest, OkWithoutAFocusedDriveAndCancelChooseNothing)
{
    TfmSelectDrive empty(lang, {});
    empty.setResult(QDialog::Accepted);
    empty.btOk->click();
    EXPECT_EQ(empty.result(), QDialog::Rejected);

    TfmSelectDrive unfocused(lang, {QStringLiteral("D []")});
    unfocused.lbSD->setCurrentRow(-1);
    unfocused.setResult(QDialog::Accepted);
    unfocused.btOk->click();
    EXPECT_EQ(unfocused.result(), QDialog::Rejected);

    TfmSelectDrive cancelled(lang, {QStringLiteral("D []")});
    cancelled.setResult(QDialog::Accepted);
    cancelled.btCancel->click();
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
    for (const TfmSelectDrive *form : {&empty, &unfocused, &cancelled})
        EXPECT_TRUE(form->ChosenDrive().isNull());
}

// Leaves a picture of the dialog for a person to look at.
TEST_F(SelectDriveTest, Screenshot)
{
    TfmSelectDrive form(lang, {QStringLiteral("D [SUMMER_2004]"), QStringLiteral("E []")});
    form.show();
    const QImage shot = form.grab().toImage();
    EXPECT_EQ(shot.size() / shot.devicePixelRatio(), QSize(196, 165));
    const QString folder = qEnvironmentVariable("TAVREL_SCREENSHOT_DIR", QDir::tempPath());
    EXPECT_TRUE(shot.save(QDir(folder).filePath(QStringLiteral("tfmselectdrive.png"))));
}

} // namespace
