#include "drivecaptions.h"

#include "discs/tdiscdrives.h"

QStringList DriveCaptions(const TDiscDrives &drives)
{
    QStringList captions;
    const QString letters = drives.ListOpticalDrives();
    for (QChar letter : letters)
        captions.append(QString(letter) + u" [" + drives.VolumeLabel(letter) + u']');
    return captions;
}

QChar DriveOfCaption(const QString &caption)
{
    return caption.isEmpty() ? QChar() : caption.front();
}
