#include "tfmselectdrive.h"

#include "discs/drivecaptions.h"
#include "lang/tlang.h"

#include <QListWidget>
#include <QPushButton>

namespace {

constexpr int kCaptionText = 181;
constexpr int kOkText = 61;
constexpr int kCancelText = 62;
constexpr int kItemHeight = 13;

} // namespace

TfmSelectDrive::TfmSelectDrive(const TLang &lang, const QStringList &driveCaptions, QWidget *parent)
    : QDialog(parent)
    , lbSD(new QListWidget(this))
    , btOk(new QPushButton(this))
    , btCancel(new QPushButton(this))
{
    setWindowTitle(lang.GetLine(kCaptionText));
    setFixedSize(196, 165);

    lbSD->setGeometry(2, 8, 192, 121);
    lbSD->setUniformItemSizes(true);
    for (const QString &caption : driveCaptions) {
        auto *item = new QListWidgetItem(caption, lbSD);
        item->setSizeHint(QSize(0, kItemHeight));
    }
    if (lbSD->count() > 0)
        lbSD->setCurrentRow(0);

    btOk->setGeometry(16, 136, 65, 22);
    btOk->setFlat(true);
    btOk->setDefault(true);
    lang.SetCaption(btOk, kOkText);
    btCancel->setGeometry(112, 136, 65, 22);
    btCancel->setFlat(true);
    lang.SetCaption(btCancel, kCancelText);

    connect(btOk, &QPushButton::clicked, this, &TfmSelectDrive::btOkClick);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lbSD, &QListWidget::itemDoubleClicked, this, &TfmSelectDrive::lbSDDblClick);
    lbSD->setFocus();
}

void TfmSelectDrive::btOkClick()
{
    const QListWidgetItem *focused = lbSD->currentItem();
    m_chosenDrive = focused ? DriveOfCaption(focused->text()) : QChar();
    if (m_chosenDrive.isNull())
        reject();
    else
        accept();
}

void TfmSelectDrive::lbSDDblClick(QListWidgetItem *item)
{
    if (item)
        lbSD->setCurrentItem(item);
    btOkClick();
}
