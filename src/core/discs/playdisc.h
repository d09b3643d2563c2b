#pragma once

#include "discs/findfiles.h"

#include <QString>
#include <QStringList>

class TDiscDrives;
class TPlayListModel;

// Which drives a disc play tries.
enum class TDiscSource {
    AllDrives = 1,      // every optical drive
    SelectedDrives = 2, // the letters of the Select_Drive setting
    ChosenDrive = 3,    // the one drive picked in the chooser or the drive submenu
};

struct TDiscPlayRequest
{
    TDiscSource Source = TDiscSource::AllDrives;
    QString SelectDrive; // the Select_Drive setting, for SelectedDrives
    QChar ChosenDrive;   // for ChosenDrive
};

// What a disc play found, for the application to carry out: open a DVD, or fill the
// playlist with a disc's files and open the first, or nothing (then StatusText is what
// the play-disc command shows for StatusTenths tenths of a second).
struct TDiscPlay
{
    enum class Action { Nothing, OpenDvd, OpenFiles };

    Action What = Action::Nothing;
    QChar Drive;        // the drive that was found
    QString DvdPath;    // OpenDvd: the disc's VIDEO_TS.IFO, the pending DVD path
    QStringList Files;  // OpenFiles: the playlist, in order
    QString Title;      // OpenFiles with a single file: the disc's title for it
    QString StatusText; // Nothing: the small status caption to show
    int StatusTenths = 0;
    bool Aborted = false; // the yield stopped the scan

    bool Started() const { return What != Action::Nothing; }
};

// Looks for something to play on the drives of the request: first a DVD on any ready
// drive, then the video files of each ready drive in turn. Opens nothing itself; the
// yield runs after every directory entry of the file search.
TDiscPlay PlayDisc(const TDiscDrives &drives, const TDiscPlayRequest &request,
                   const TScanYield &yield = {});

// Puts the files of an OpenFiles result into the playlist (replacing what was there)
// and takes its first playable entry. Returns the path to open; empty when none.
QString ApplyDiscPlay(const TDiscPlay &play, TPlayListModel &playlist);
