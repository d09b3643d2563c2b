#pragma once

#include "discs/idriveprovider.h"

#include <QMap>

// Optical drives as the Linux kernel lists them, reached through the mount table.
//
// Drive letters: the kernel's SCSI CD-ROM devices keep the letters Windows would
// usually give them, sr0 = D, sr1 = E, … sr22 = Z (scdN is the older name of srN).
// A drive with any other kernel name takes the lowest free letter from D on, in name
// order. A drive's letter therefore stays the same while other drives come and go.
// Root folder: where the drive's device is mounted (the first such mount); a drive
// without a mounted disc is not ready. Label: the name udev files the device under in
// the by-label folder.
class TLinuxDriveProvider : public IDriveProvider
{
public:
    struct Sources
    {
        QString cdromInfo = QStringLiteral("/proc/sys/dev/cdrom/info");
        QString mountTable = QStringLiteral("/proc/self/mounts");
        QString labelFolder = QStringLiteral("/dev/disk/by-label");
    };

    TLinuxDriveProvider() = default;
    explicit TLinuxDriveProvider(Sources sources);

    QString OpticalDriveLetters() const override;
    QString RootFolder(QChar letter) const override;
    QString VolumeLabel(QChar letter) const override;

    // The kernel device name (such as "sr0") behind a letter; empty when none.
    QString DeviceName(QChar letter) const;

    // The letter for each kernel device name of the list, by the rule above.
    static QMap<QChar, QString> AssignLetters(const QStringList &deviceNames);

private:
    QMap<QChar, QString> Drives() const;

    Sources m_sources;
};
