#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>
#include <span>

// Window-message numbers of the command channel.
namespace CommandMessage {
constexpr quint32 Command = 1224;
constexpr quint32 Deferred = 1324;
constexpr quint32 BusyQuery = 1424;
} // namespace CommandMessage

// The player's command codes. Menus, keys, the tray, plug-ins, other
// processes and the player itself all act through them.
namespace Cmd {
enum Code : qint32 {
    VolumeUp = 1,
    VolumeDown = 2,
    ToggleFullScreen = 10,
    SeekBack = 14,
    SeekForward = 15,
    Play = 20,
    Pause = 21,
    Close = 22,
    Previous = 25,
    Next = 28,
    PlaylistOrDvdMenu = 34,
    ZoomUp = 48,
    ZoomDown = 49,
    About = 70,
    Exit = 75,
    PlayPause = 302,
    FillWindow = 303,
    ZoomOrFill = 304,
    ShowTime = 305,
    ShowClock = 306,
    ShowTitle = 307,
    MediaInfo = 308,
    QueryState = 309,
    QueryPlaylistVisible = 310,
    QueryDvdMode = 311,
    QueryDvdMenu = 312,
    OpenDvd = 313,
    PreviousTitle = 314,
    NextTitle = 315,
    CropMore = 316,
    CropLess = 317,
    AudioTracks = 318,
    PictureAsIs = 319,
    Restart = 320,
    QueryPosition = 321,
    QueryDuration = 322,
    OpenDialog = 323,
    Settings = 324,
    SeekTo = 325,
    CloseMenus = 326,
    Focus = 327,
    Key = 328,
    DvdMenu = 329,
    QueryAudioStreams = 330,
    QueryFullScreen = 331,
    PlayDisc = 332,
    Navigate = 333,
    AddFiles = 334,
    PublishCurrent = 335,
    OpenHandedFile = 336,
    ToggleTopMost = 337,
    QueryDrive = 338,
    PictureAdjust = 339,
    SetFullScreen = 340,
    Activate = 341,
};
} // namespace Cmd

struct TCommandInfo
{
    qint32 code;
    const char *name;
};

namespace CommandCodes {

// Every code the player answers, with a short name for logs and the command line.
std::span<const TCommandInfo> all();
QString nameOf(qint32 code);
// A name from all() (any case) or a decimal code.
std::optional<qint32> parse(const QString &text);
// The seeks are re-posted and run after the sender's call returns.
bool isDeferred(qint32 code);

} // namespace CommandCodes
