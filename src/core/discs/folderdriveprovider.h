#pragma once

#include "discs/idriveprovider.h"

#include <QMap>

// Drives that are plain folders: a letter stands for a folder and a label. Used where
// there is no optical hardware to ask, such as automated runs of the player.
class TFolderDriveProvider : public IDriveProvider
{
public:
    // Adds or replaces a drive; the letter is taken in upper case, anything but A..Z is
    // ignored. An empty folder is a drive without a disc.
    void AddDrive(QChar letter, const QString &folder, const QString &label = {});
    void RemoveDrive(QChar letter);

    // Reads "D=/path/to/folder;E=/other|LABEL" (label after "|", optional). Malformed
    // items are skipped.
    static TFolderDriveProvider FromSpec(const QString &spec);

    QString OpticalDriveLetters() const override;
    QString RootFolder(QChar letter) const override;
    QString VolumeLabel(QChar letter) const override;

private:
    struct Drive
    {
        QString folder;
        QString label;
    };
    QMap<QChar, Drive> m_drives;
};
