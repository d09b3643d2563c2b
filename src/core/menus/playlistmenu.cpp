#include "playlistmenu.h"

#include "commands/commandcodes.h"

namespace {

using ActionTables::cmd;
using ActionTables::named;

const TMenuItemDef kPlayListMenu[] = {
    {.name = "N11", .textIndex = 13, .action = named(TActionKind::NewPlaylist)},
    {.name = "N21", .textIndex = 14, .action = named(TActionKind::LoadPlaylist)},
    {.name = "n22", .textIndex = 15, .action = named(TActionKind::SavePlaylist)},
    {.name = "N1", .caption = u"-"},
    {.name = "N41", .textIndex = 16, .action = cmd(Cmd::AddFiles)},
    {.name = "N51", .textIndex = 17, .action = named(TActionKind::DeleteFile)},
    {.name = "N2", .caption = u"-"},
    {.name = "N61", .textIndex = 174, .action = named(TActionKind::SortPlaylist)},
    {.name = "N81", .textIndex = 18, .action = named(TActionKind::ShufflePlaylist)},
};

} // namespace

std::span<const TMenuItemDef> PlayListMenuItems()
{
    return kPlayListMenu;
}
