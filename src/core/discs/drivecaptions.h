#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

class TDiscDrives;

// One caption per optical drive, "D [label]", in drive order: the items of the drive
// chooser and of the drive submenu.
QStringList DriveCaptions(const TDiscDrives &drives);

// The drive a caption stands for: its first character; a null character for an empty one.
QChar DriveOfCaption(const QString &caption);
