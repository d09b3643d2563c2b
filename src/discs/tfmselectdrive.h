#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QListWidgetItem;
class QPushButton;
class TLang;

// The drive chooser: a small fixed dialog listing one caption per optical drive
// ("D [label]"). OK (or a double click on an item) chooses the focused drive; with no
// drive in the list OK closes as cancelled. Made for one use and destroyed afterwards.
class TfmSelectDrive : public QDialog
{
    Q_OBJECT

public:
    TfmSelectDrive(const TLang &lang, const QStringList &driveCaptions, QWidget *parent = nullptr);

    // The drive chosen by OK; a null character when the dialog was cancelled.
    QChar ChosenDrive() const { return m_chosenDrive; }

    QListWidget *lbSD = nullptr;
    QPushButton *btOk = nullptr;
    QPushButton *btCancel = nullptr;

private:
    void btOkClick();
    void lbSDDblClick(QListWidgetItem *item);

    QChar m_chosenDrive;
};
