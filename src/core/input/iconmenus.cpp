#include "iconmenus.h"

#include "settings/settingsrecord.h"
#include "tinputstate.h"

namespace {

bool hangsFromBorderIcons(TMenuIcon icon)
{
    return icon == TMenuIcon::iFullScr || icon == TMenuIcon::iClose;
}

// intervalClose 0 leaves the menu's own time-out.
TAction openMenu(TMenuIcon icon, const TIconPlace &place, const TInputState &state,
                 const TSettingsRecord &settings, int intervalClose)
{
    return TAction::make(TActionKind::OpenVideoMenu, intervalClose,
                         static_cast<int>(MenuOfIcon(icon, state.dvdMode)),
                         MenuOrigin(icon, place, settings.FSScale, state.fullScreen));
}

} // namespace

TVideoMenu MenuOfIcon(TMenuIcon icon, bool dvdMode)
{
    switch (icon) {
    case TMenuIcon::iOpen:
        return TVideoMenu::pmOpen;
    case TMenuIcon::iPlay:
        return TVideoMenu::pmPlay;
    case TMenuIcon::iPlayList:
        return dvdMode ? TVideoMenu::pmDVDMenu : TVideoMenu::pmPlayList;
    case TMenuIcon::iProp:
        return TVideoMenu::pmProp;
    case TMenuIcon::iHelp:
        return TVideoMenu::pmHelp;
    case TMenuIcon::iFullScr:
        return TVideoMenu::pmMonitor;
    case TMenuIcon::iClose:
        return TVideoMenu::pmClose;
    }
    return TVideoMenu::pmOpen;
}

QPoint MenuOrigin(TMenuIcon icon, const TIconPlace &place, bool fsScale, bool fullScreen)
{
    const int y = place.icon.y() + place.icon.height() + place.allTop + 5;
    if (!hangsFromBorderIcons(icon))
        return {place.icon.x() + 3, y};
    const int inset = fsScale && fullScreen ? 18 : 2;
    return {place.borderIconsLeft + place.icon.x() + inset, y};
}

TActionList IconMouseEnter(TMenuIcon icon, const TIconPlace &place, const TInputState &state,
                           const TSettingsRecord &settings)
{
    // Closing first means the icon's own menu is never open here, so hovering always
    // (re)opens it with a fresh time-out.
    TActionList actions{TAction::of(TActionKind::CloseVideoMenus)};
    if (settings.ShowMainMenuMode == 0)
        actions.push_back(openMenu(icon, place, state, settings, settings.TimeShowMenu));
    return actions;
}

TActionList IconMouseDown(TMenuIcon icon, Qt::MouseButton button, const TIconPlace &place,
                          const TInputState &state, const TSettingsRecord &settings)
{
    if (button == Qt::RightButton) {
        if (settings.ShowMainMenuMode != 1)
            return {};
        return {TAction::of(TActionKind::CloseVideoMenus),
                openMenu(icon, place, state, settings, 0)};
    }
    if (!hangsFromBorderIcons(icon))
        return {TAction::of(TActionKind::CloseVideoMenus)};
    return {};
}
