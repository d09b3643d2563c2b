#include "contextmenu.h"

#include "commands/commandcodes.h"

namespace {

using ActionTables::cmd;
using ActionTables::named;

const TMenuItemDef kFile[] = {
    {.name = "N39", .textIndex = 0, .action = cmd(Cmd::OpenDialog)},
    {.name = "N70", .caption = u"-"},
    {.name = "N35", .textIndex = 1, .action = cmd(Cmd::MediaInfo)},
};

const TMenuItemDef kPlayback[] = {
    {.name = "N41", .textIndex = 4, .action = cmd(Cmd::PlayPause)},
    {.name = "N42", .textIndex = 5, .action = cmd(Cmd::Close)},
    {.name = "N43", .textIndex = 6, .action = cmd(Cmd::Restart)},
    {.name = "N44", .caption = u"-"},
    {.name = "N45", .textIndex = 7, .action = cmd(Cmd::Next)},
    {.name = "N46", .textIndex = 8, .action = cmd(Cmd::Previous)},
    {.name = "N73", .textIndex = 9, .action = cmd(Cmd::NextTitle)},
    {.name = "N74", .textIndex = 10, .action = cmd(Cmd::PreviousTitle)},
};

const TMenuItemDef kPlaylist[] = {
    {.name = "N48", .textIndex = 13, .action = named(TActionKind::NewPlaylist)},
    {.name = "N49", .textIndex = 14, .action = named(TActionKind::LoadPlaylist)},
    {.name = "N50", .textIndex = 15, .action = named(TActionKind::SavePlaylist)},
    {.name = "N51", .caption = u"-"},
    {.name = "N52", .textIndex = 16, .action = cmd(Cmd::AddFiles)},
    {.name = "N53", .textIndex = 17, .action = named(TActionKind::DeleteFile)},
    {.name = "N54", .caption = u"-"},
    {.name = "N55", .textIndex = 174, .action = named(TActionKind::SortPlaylist)},
    {.name = "N56", .textIndex = 18, .action = named(TActionKind::ShufflePlaylist)},
    {.name = "N57", .caption = u"-"},
    {.name = "N58", .textIndex = 19, .action = cmd(Cmd::PlaylistOrDvdMenu)},
};

const TMenuItemDef kDvd[] = {
    {.name = "N110", .textIndex = 20, .action = cmd(Cmd::DvdMenu, 3)},
    {.name = "N210", .textIndex = 21, .action = cmd(Cmd::DvdMenu, 2)},
    {.name = "N310", .textIndex = 22, .action = cmd(Cmd::DvdMenu, 7)},
    {.name = "N410", .textIndex = 23, .action = cmd(Cmd::DvdMenu, 5)},
    {.name = "N510", .textIndex = 24, .action = cmd(Cmd::DvdMenu, 4)},
    {.name = "N610", .textIndex = 25, .action = cmd(Cmd::DvdMenu, 6)},
};

const TMenuItemDef kVideo[] = {
    {.name = "N60", .textIndex = 26, .action = cmd(Cmd::PictureAsIs)},
    {.name = "N61", .textIndex = 27, .action = cmd(Cmd::FillWindow)},
    {.name = "N62", .textIndex = 29, .action = cmd(Cmd::PictureAdjust)},
    {.name = "N75", .textIndex = 190, .shortCut = u"F12", .action = named(TActionKind::Snapshot)},
};

const TMenuItemDef kWindow[] = {
    {.name = "N64", .textIndex = 28, .action = cmd(Cmd::ToggleTopMost)},
    {.name = "N65", .textIndex = 34, .action = cmd(Cmd::ToggleFullScreen)},
};

const TMenuItemDef kProgram[] = {
    {.name = "N67", .textIndex = 30, .action = cmd(Cmd::Settings)},
    {.name = "N69", .textIndex = 35, .action = named(TActionKind::Help)},
    {.name = "N68", .textIndex = 36, .action = cmd(Cmd::About)},
};

// Filled when it opens (SubtitleSubmenu); only its first row is stored.
const TMenuItemDef kSubtitlesStored[] = {
    {.name = "NSubtitlesOff", .textIndex = 200, .action = named(TActionKind::SubtitleTrack, 0)},
};

// Filled when it opens (DriveSubmenu); only its first row is stored.
const TMenuItemDef kDrivesStored[] = {
    {.name = "N72", .caption = u"-"},
};

const TMenuItemDef kContext[] = {
    {.name = "N34", .textIndex = 0, .action = cmd(Cmd::OpenDialog)},
    {.name = "play_CD_DVD", .textIndex = 2, .action = named(TActionKind::PlayDiscMenu)},
    {.name = "N36", .textIndex = 181, .submenu = kDrivesStored},
    {.name = "N71", .caption = u"-"},
    {.name = "N33", .textIndex = 183, .submenu = kFile},
    {.name = "N40", .textIndex = 184, .submenu = kPlayback},
    {.name = "N47", .textIndex = 96, .submenu = kPlaylist},
    {.name = "DVDmenu1", .caption = u"DVD menu", .submenu = kDvd},
    {.name = "N59", .textIndex = 185, .submenu = kVideo},
    {.name = "NSubtitles", .textIndex = 199, .submenu = kSubtitlesStored},
    {.name = "N63", .textIndex = 186, .submenu = kWindow},
    {.name = "N66", .textIndex = 187, .submenu = kProgram},
    {.name = "N37", .caption = u"-"},
    {.name = "N38", .textIndex = 3, .action = cmd(Cmd::Exit)},
};

} // namespace

std::span<const TMenuItemDef> ContextMenuItems()
{
    return kContext;
}

std::vector<TDriveMenuItem> SubtitleSubmenu(const QStringList &trackLanguages, int currentTrack,
                                            const std::function<QString(int)> &textOf,
                                            bool canLoadFile)
{
    constexpr int kOffText = 200;
    constexpr int kLoadText = 201;
    constexpr int kTrackText = 202;
    std::vector<TDriveMenuItem> items;
    TDriveMenuItem off;
    off.name = QStringLiteral("NSubtitlesOff");
    off.caption = textOf(kOffText);
    off.checked = currentTrack == 0;
    off.action = TAction::of(TActionKind::SubtitleTrack, 0);
    items.push_back(off);
    for (qsizetype i = 0; i < trackLanguages.size(); ++i) {
        const int track = static_cast<int>(i) + 1;
        TDriveMenuItem item;
        item.name = QStringLiteral("NSubtitles_%1").arg(track);
        item.caption = textOf(kTrackText).arg(track);
        if (!trackLanguages[i].isEmpty())
            item.caption += QStringLiteral(" [%1]").arg(trackLanguages[i]);
        item.checked = track == currentTrack;
        item.action = TAction::of(TActionKind::SubtitleTrack, track);
        items.push_back(item);
    }
    TDriveMenuItem separator;
    separator.name = QStringLiteral("NSubtitlesSep");
    separator.caption = QStringLiteral("-");
    separator.separator = true;
    items.push_back(separator);
    TDriveMenuItem load;
    load.name = QStringLiteral("NSubtitlesLoad");
    load.caption = textOf(kLoadText);
    load.enabled = canLoadFile;
    load.action = TAction::of(TActionKind::LoadSubtitleFile);
    items.push_back(load);
    return items;
}

std::vector<TDriveMenuItem> DriveSubmenu(const QStringList &driveCaptions)
{
    std::vector<TDriveMenuItem> items;
    TDriveMenuItem separator;
    separator.name = QStringLiteral("N72");
    separator.caption = QStringLiteral("-");
    separator.enabled = false;
    separator.separator = true;
    items.push_back(separator);
    for (const QString &caption : driveCaptions) {
        if (caption.isEmpty())
            continue;
        TDriveMenuItem item;
        item.name = QStringLiteral("N72_") + caption.at(0);
        item.caption = caption;
        item.action = TAction::of(TActionKind::PlayDrive, caption.at(0).unicode());
        items.push_back(item);
    }
    return items;
}
