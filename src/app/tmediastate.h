#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

// What the player knows of the medium it has open: the record that the main
// window, the information window and plug-ins read.
struct TInfo
{
    QString CurrentName;
    QString CurrentTitle;
    int VideoWidth = 0;
    int VideoHeight = 0;
    int DvdAspectX = 0;
    int DvdAspectY = 0;
    int AudioStreams = 0;
};

// State of opening and playback, cleared and set by the opening rules.
struct TMediaState
{
    TInfo Info;
    bool MediaOpen = false;   // a medium is being opened or is open
    bool FrameFormat = false; // positions are in frames
    qint64 FramesPerSecond = 0;
    std::vector<quint32> KeyFrames; // ascending frame numbers of an AVI's key frames
    bool StillPicture = false;
    qint64 StartTick = 0;
    bool PowerOffAtEndOfFilm = false;
    bool PowerOffAtEndOfList = false;
    QString PendingDvdPath;

    bool KeyFramesValid() const { return !KeyFrames.empty(); }
};
