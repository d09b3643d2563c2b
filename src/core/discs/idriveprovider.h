#pragma once

#include <QChar>
#include <QString>

// Where the player learns which optical drives exist, where their discs can be read
// and what the discs are called. Every disc rule treats a drive as a root folder, so
// the platform only has to say which folder stands for which drive letter.
class IDriveProvider
{
public:
    virtual ~IDriveProvider() = default;

    // Letters "A".."Z" of the optical drives present, each once, in any order.
    virtual QString OpticalDriveLetters() const = 0;
    // The folder at which the drive's disc can be read; empty when the drive is unknown
    // or holds no readable disc.
    virtual QString RootFolder(QChar letter) const = 0;
    // The label of the disc in the drive as the system reports it; empty when unknown.
    virtual QString VolumeLabel(QChar letter) const = 0;
};
