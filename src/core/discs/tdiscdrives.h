#pragma once

#include "discs/idriveprovider.h"

#include <QString>

// The drive operations every disc rule is built on, over whatever provider the
// platform (or a test) supplies. Drive letters are taken without regard to case.
class TDiscDrives
{
public:
    // Labels longer than this are cut, as the system reports at most this many.
    static constexpr int kMaxLabelLength = 255;

    explicit TDiscDrives(const IDriveProvider &provider);

    // Letters of the optical drives present, in alphabetical order; empty when none.
    QString ListOpticalDrives() const;
    // The disc's label, at most 255 characters and cut at its first NUL; empty when the
    // volume cannot be read.
    QString VolumeLabel(QChar letter) const;
    // True when the drive's root folder can be listed now. Never prompts or blocks on
    // an empty drive: a drive without a disc simply has no root folder.
    bool IsDriveReady(QChar letter) const;
    // The folder standing for "<letter>:\"; empty when the drive holds no disc.
    QString RootFolder(QChar letter) const;
    // The optical drive whose root folder holds the path; a null character when none.
    QChar DriveOfPath(const QString &path) const;

private:
    const IDriveProvider &m_provider;
};
