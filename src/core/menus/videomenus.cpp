#include "videomenus.h"

#include "commands/commandcodes.h"

namespace {

using ActionTables::cmd;
using ActionTables::named;

const TMenuItemDef kOpen[] = {
    {.name = "N25", .textIndex = 0, .shortCut = u"O", .action = cmd(Cmd::OpenDialog)},
    {.name = "N19", .textIndex = 1, .shortCut = u"I", .action = cmd(Cmd::MediaInfo)},
    {.name = "nPlayCD",
     .textIndex = 2,
     .shortCut = u"Alt + O",
     .action = named(TActionKind::PlayDiscMenu)},
    {.name = "N3", .textIndex = 181, .action = named(TActionKind::DriveDialog)},
    {.name = "N26", .caption = u"-"},
    {.name = "N27", .textIndex = 3, .shortCut = u"Alt+F4", .action = cmd(Cmd::Exit)},
};

const TMenuItemDef kPlay[] = {
    {.name = "space1", .textIndex = 4, .shortCut = u"Space", .action = cmd(Cmd::PlayPause)},
    {.name = "esc1", .textIndex = 5, .shortCut = u"Esc", .action = cmd(Cmd::Close)},
    {.name = "nHomeFile", .textIndex = 6, .shortCut = u"Home", .action = cmd(Cmd::Restart)},
    {.name = "N1", .caption = u"-"},
    {.name = "nNext", .textIndex = 7, .shortCut = u"PgUp", .action = cmd(Cmd::Next)},
    {.name = "nPrev", .textIndex = 8, .shortCut = u"PgDn", .action = cmd(Cmd::Previous)},
    {.name = "N23", .caption = u"-"},
    {.name = "DVDNextTitle",
     .textIndex = 9,
     .shortCut = u"Ctrl+PgUp",
     .action = cmd(Cmd::NextTitle)},
    {.name = "DVDPrevTitle",
     .textIndex = 10,
     .shortCut = u"Ctrl+PgDn",
     .action = cmd(Cmd::PreviousTitle)},
};

const TMenuItemDef kProp[] = {
    {.name = "N4", .textIndex = 26, .shortCut = u"Num *", .action = cmd(Cmd::PictureAsIs)},
    {.name = "N10", .textIndex = 27, .shortCut = u"Num /", .action = cmd(Cmd::FillWindow)},
    {.name = "nTopMost", .textIndex = 28, .shortCut = u"A", .action = cmd(Cmd::ToggleTopMost)},
    {.name = "nColor", .textIndex = 29, .shortCut = u"V", .action = cmd(Cmd::PictureAdjust)},
    {.name = "N15", .caption = u"-"},
    {.name = "N16", .textIndex = 30, .shortCut = u"F10", .action = cmd(Cmd::Settings)},
    {.name = "nSoun1", .textIndex = 31, .action = named(TActionKind::ReopenWithAudio, 1)},
    {.name = "nSoun2", .textIndex = 32, .action = named(TActionKind::ReopenWithAudio, 2)},
    {.name = "nSoundCustom", .textIndex = 33, .shortCut = u"S", .action = cmd(Cmd::AudioTracks)},
    {.name = "N13", .caption = u"-"},
    {.name = "N11",
     .textIndex = 34,
     .shortCut = u"Alt+Enter",
     .action = cmd(Cmd::ToggleFullScreen)},
};

const TMenuItemDef kPlayList[] = {
    {.name = "N6", .textIndex = 13, .action = named(TActionKind::NewPlaylist)},
    {.name = "N5",
     .textIndex = 14,
     .shortCut = u"Ctrl+O",
     .action = named(TActionKind::LoadPlaylist)},
    {.name = "N7", .textIndex = 15, .action = named(TActionKind::SavePlaylist)},
    {.name = "N8", .caption = u"-"},
    {.name = "N14", .textIndex = 16, .shortCut = u"Insert", .action = cmd(Cmd::AddFiles)},
    // The second letter of the short cut has always been Cyrillic; it looks the same.
    {.name = "nDelFile",
     .textIndex = 17,
     .shortCut = u"Del\u0435te",
     .action = named(TActionKind::DeleteFile)},
    {.name = "N12", .caption = u"-"},
    {.name = "nSort", .textIndex = 174, .action = named(TActionKind::SortPlaylist)},
    {.name = "nRand", .textIndex = 18, .action = named(TActionKind::ShufflePlaylist)},
    {.name = "N17", .caption = u"-"},
    {.name = "N9", .textIndex = 19, .shortCut = u"P", .action = cmd(Cmd::PlaylistOrDvdMenu)},
};

// Tags are the DVD navigator's menu identifiers.
const TMenuItemDef kDvdMenu[] = {
    {.name = "mDVD1", .textIndex = 20, .action = cmd(Cmd::DvdMenu, 3)},
    {.name = "mDVD2", .textIndex = 21, .action = cmd(Cmd::DvdMenu, 2)},
    {.name = "mDVD3", .textIndex = 22, .action = cmd(Cmd::DvdMenu, 7)},
    {.name = "mDVD4", .textIndex = 23, .action = cmd(Cmd::DvdMenu, 5)},
    {.name = "mDVD5", .textIndex = 24, .action = cmd(Cmd::DvdMenu, 4)},
    {.name = "mDVD6", .textIndex = 25, .action = cmd(Cmd::DvdMenu, 6)},
};

const TMenuItemDef kHelp[] = {
    {.name = "N21", .textIndex = 35, .action = named(TActionKind::Help)},
    {.name = "WWW1", .caption = u"www - Home Page", .action = named(TActionKind::OpenHomePage)},
    {.name = "nIrRemote",
     .caption = u"www - Дистанционное управление",
     .action = named(TActionKind::OpenRemotePage)},
    {.name = "N22", .caption = u"-"},
    {.name = "N20", .textIndex = 36, .action = cmd(Cmd::About)},
};

const TMenuItemDef kClose[] = {
    {.name = "mShutDown", .textIndex = 37, .action = named(TActionKind::ShutDownNow)},
    {.name = "mShutDownEndFile", .textIndex = 38, .action = named(TActionKind::ShutDownAfterFile)},
    {.name = "mShutDownEndList", .textIndex = 39, .action = named(TActionKind::ShutDownAfterList)},
};

const TMenuItemDef kMonitor[] = {
    {.name = "monFullScreen", .textIndex = 34, .action = cmd(Cmd::ToggleFullScreen)},
    {.name = "monTwo", .textIndex = 148, .action = named(TActionKind::FullScreenOtherMonitor)},
};

} // namespace

const char *VideoMenuName(TVideoMenu menu)
{
    switch (menu) {
    case TVideoMenu::pmOpen:
        return "pmOpen";
    case TVideoMenu::pmPlay:
        return "pmPlay";
    case TVideoMenu::pmProp:
        return "pmProp";
    case TVideoMenu::pmPlayList:
        return "pmPlayList";
    case TVideoMenu::pmDVDMenu:
        return "pmDVDMenu";
    case TVideoMenu::pmHelp:
        return "pmHelp";
    case TVideoMenu::pmClose:
        return "pmClose";
    case TVideoMenu::pmMonitor:
        return "pmMonitor";
    }
    return "";
}

std::span<const TMenuItemDef> VideoMenuItems(TVideoMenu menu)
{
    switch (menu) {
    case TVideoMenu::pmOpen:
        return kOpen;
    case TVideoMenu::pmPlay:
        return kPlay;
    case TVideoMenu::pmProp:
        return kProp;
    case TVideoMenu::pmPlayList:
        return kPlayList;
    case TVideoMenu::pmDVDMenu:
        return kDvdMenu;
    case TVideoMenu::pmHelp:
        return kHelp;
    case TVideoMenu::pmClose:
        return kClose;
    case TVideoMenu::pmMonitor:
        return kMonitor;
    }
    return {};
}

TVideoMenuAppearance VideoMenuAppearance(TVideoMenu menu)
{
    TVideoMenuAppearance look;
    if (menu == TVideoMenu::pmClose || menu == TVideoMenu::pmMonitor)
        look.clearBorder = 2;
    return look;
}

TVideoMenuOpeningLook VideoMenuOpeningLook(bool fsScale, bool fullScreen)
{
    TVideoMenuOpeningLook look;
    look.wide = fsScale && fullScreen;
    if (fsScale)
        look.fontSize = fullScreen ? 14 : 10;
    return look;
}
