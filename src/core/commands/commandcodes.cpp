#include "commandcodes.h"

#include <array>

namespace {

constexpr std::array kCommands = {
    TCommandInfo{Cmd::VolumeUp, "volume-up"},
    TCommandInfo{Cmd::VolumeDown, "volume-down"},
    TCommandInfo{Cmd::ToggleFullScreen, "toggle-full-screen"},
    TCommandInfo{Cmd::SeekBack, "seek-back"},
    TCommandInfo{Cmd::SeekForward, "seek-forward"},
    TCommandInfo{Cmd::Play, "play"},
    TCommandInfo{Cmd::Pause, "pause"},
    TCommandInfo{Cmd::Close, "close"},
    TCommandInfo{Cmd::Previous, "previous"},
    TCommandInfo{Cmd::Next, "next"},
    TCommandInfo{Cmd::PlaylistOrDvdMenu, "playlist-or-dvd-menu"},
    TCommandInfo{Cmd::ZoomUp, "zoom-up"},
    TCommandInfo{Cmd::ZoomDown, "zoom-down"},
    TCommandInfo{Cmd::About, "about"},
    TCommandInfo{Cmd::Exit, "exit"},
    TCommandInfo{Cmd::PlayPause, "play-pause"},
    TCommandInfo{Cmd::FillWindow, "fill-window"},
    TCommandInfo{Cmd::ZoomOrFill, "zoom-or-fill"},
    TCommandInfo{Cmd::ShowTime, "show-time"},
    TCommandInfo{Cmd::ShowClock, "show-clock"},
    TCommandInfo{Cmd::ShowTitle, "show-title"},
    TCommandInfo{Cmd::MediaInfo, "media-info"},
    TCommandInfo{Cmd::QueryState, "state"},
    TCommandInfo{Cmd::QueryPlaylistVisible, "playlist-visible"},
    TCommandInfo{Cmd::QueryDvdMode, "dvd-mode"},
    TCommandInfo{Cmd::QueryDvdMenu, "dvd-menu-showing"},
    TCommandInfo{Cmd::OpenDvd, "open-dvd"},
    TCommandInfo{Cmd::PreviousTitle, "previous-title"},
    TCommandInfo{Cmd::NextTitle, "next-title"},
    TCommandInfo{Cmd::CropMore, "crop-more"},
    TCommandInfo{Cmd::CropLess, "crop-less"},
    TCommandInfo{Cmd::AudioTracks, "audio-tracks"},
    TCommandInfo{Cmd::PictureAsIs, "picture-as-is"},
    TCommandInfo{Cmd::Restart, "restart"},
    TCommandInfo{Cmd::QueryPosition, "position"},
    TCommandInfo{Cmd::QueryDuration, "duration"},
    TCommandInfo{Cmd::OpenDialog, "open-dialog"},
    TCommandInfo{Cmd::Settings, "settings"},
    TCommandInfo{Cmd::SeekTo, "seek-to"},
    TCommandInfo{Cmd::CloseMenus, "close-menus"},
    TCommandInfo{Cmd::Focus, "focus"},
    TCommandInfo{Cmd::Key, "key"},
    TCommandInfo{Cmd::DvdMenu, "dvd-menu"},
    TCommandInfo{Cmd::QueryAudioStreams, "audio-streams"},
    TCommandInfo{Cmd::QueryFullScreen, "full-screen"},
    TCommandInfo{Cmd::PlayDisc, "play-disc"},
    TCommandInfo{Cmd::Navigate, "navigate"},
    TCommandInfo{Cmd::AddFiles, "add-files"},
    TCommandInfo{Cmd::PublishCurrent, "publish-current"},
    TCommandInfo{Cmd::OpenHandedFile, "open-handed-file"},
    TCommandInfo{Cmd::ToggleTopMost, "toggle-top-most"},
    TCommandInfo{Cmd::QueryDrive, "drive"},
    TCommandInfo{Cmd::PictureAdjust, "picture-adjust"},
    TCommandInfo{Cmd::SetFullScreen, "set-full-screen"},
    TCommandInfo{Cmd::Activate, "activate"},
};

} // namespace

namespace CommandCodes {

std::span<const TCommandInfo> all()
{
    return kCommands;
}

QString nameOf(qint32 code)
{
    for (const TCommandInfo &info : kCommands) {
        if (info.code == code)
            return QString::fromLatin1(info.name);
    }
    return {};
}

std::optional<qint32> parse(const QString &text)
{
    bool ok = false;
    const qint32 number = text.trimmed().toInt(&ok);
    if (ok)
        return number;
    for (const TCommandInfo &info : kCommands) {
        if (text.trimmed().compare(QLatin1StringView(info.name), Qt::CaseInsensitive) == 0)
            return info.code;
    }
    return std::nullopt;
}

bool isDeferred(qint32 code)
{
    return code == Cmd::SeekBack || code == Cmd::SeekForward || code == Cmd::SeekTo;
}

} // namespace CommandCodes
