#include "traymenu.h"

#include "commands/commandcodes.h"

namespace {

using ActionTables::cmd;
using ActionTables::named;

const TMenuItemDef kTray[] = {
    {.name = "nTrayMainMonitor",
     .textIndex = 149,
     .action = named(TActionKind::BackToFirstMonitor)},
    {.name = "N76", .textIndex = 196, .action = named(TActionKind::RestoreWindow)},
    {.name = "N18", .caption = u"-"},
    {.name = "nTrayOpen", .textIndex = 0, .shortCut = u"O", .action = cmd(Cmd::OpenDialog)},
    {.name = "nTrayCD_DVD",
     .textIndex = 2,
     .shortCut = u"Alt+O",
     .action = named(TActionKind::PlayDiscMenu)},
    {.name = "N32", .caption = u"-"},
    {.name = "N24", .textIndex = 4, .shortCut = u"Space", .action = cmd(Cmd::PlayPause)},
    {.name = "N29", .textIndex = 5, .shortCut = u"Esc", .action = cmd(Cmd::Close)},
    {.name = "N30", .textIndex = 7, .shortCut = u"PgUp", .action = cmd(Cmd::Next)},
    {.name = "N31", .textIndex = 8, .shortCut = u"PgDown", .action = cmd(Cmd::Previous)},
    {.name = "nTrayNextTitle",
     .textIndex = 9,
     .shortCut = u"Ctrl+PgUp",
     .action = cmd(Cmd::NextTitle)},
    {.name = "nTrayPrevTitle",
     .textIndex = 10,
     .shortCut = u"Ctrl+PgDown",
     .action = cmd(Cmd::PreviousTitle)},
    {.name = "N28", .caption = u"-"},
    {.name = "N2", .textIndex = 3, .shortCut = u"Alt+F4", .action = cmd(Cmd::Exit)},
};

} // namespace

std::span<const TMenuItemDef> TrayMenuItems()
{
    return kTray;
}
