#pragma once

#include <QString>
#include <QStringList>

// Texts and file masks of opening and playback.
namespace MediaTexts {

// The media masks shared by the open dialog, the disc search and the plug-ins.
QString MediaFileMasks();

// "<volume word> - <position div 100> %", volumeWord being text 101.
QString VolumeStatus(const QString &volumeWord, int barPosition);

// The open dialog's filter in its classic "name|masks|name|masks" form: texts 44 (video
// files), 46 (DVD folder) and 45 (all files) with the media and playlist masks.
QString OpenDialogFilter(const QString &videoFiles, const QString &dvdFolder,
                         const QString &allFiles);

// A "name|masks|..." filter as Qt file-dialog filters ("name (mask mask)"); a name that
// already ends with its masks in parentheses is kept as it is, and "*.*" becomes "*".
QStringList ToQtFilters(const QString &filter);

} // namespace MediaTexts
