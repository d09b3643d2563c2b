#pragma once

#include <QString>
#include <QStringList>

// What a playlist command decided, for the caller that owns the media and the
// status line: what to open, and which status text to show for how long.
struct PlaylistOutcome
{
    enum class Action {
        None,
        OpenFile,      // OpenFile(fileName)
        OpenDvd,       // OpenDvd with fileName as the pending DVD path (a VIDEO_TS.IFO)
        RunOpenDialog, // the open dialog (command 323)
    };

    Action action = Action::None;
    QString fileName;
    int statusTextIndex = -1;    // language text to show, -1 for none
    QString statusText;          // a fixed text to show instead
    int statusTenths = 0;        // how long, in tenths of a second (small status caption)
    QStringList added;           // chosen or dropped names appended or read, in order
    QStringList unreadPlaylists; // playlist files that could not be read
};
