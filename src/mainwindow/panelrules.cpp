#include "panelrules.h"

#include "settings/settingsrecord.h"

bool PanelShowVetoed(TPanelId panel, const TPanelContext &c, const TSettingsRecord &s)
{
    switch (panel) {
    case TPanelId::panTimeLine:
        return c.stillPicture || (c.dvdMode && c.dvdMenuShowing);
    case TPanelId::PanVolume:
        return s.LockSound || (c.audioStreams <= 0 && !c.dvdMode);
    case TPanelId::PanZoom:
        return s.LockZoom;
    case TPanelId::pnTime:
        return c.globWidth < kClockMinimumWidth || s.LockUpTimeCPU;
    case TPanelId::pnStatus:
        return s.LockStatus && !c.statusForced;
    case TPanelId::pnStatus2:
        return c.stillPicture;
    default:
        return false;
    }
}

bool PanelHideVetoed(TPanelId panel, const TPanelContext &c, const TSettingsRecord &s)
{
    switch (panel) {
    case TPanelId::panMainMenu:
        // With nothing playing the icon bar is the only way in, so it stays.
        if (c.mainMenuOpen || !c.mediaActive)
            return true;
        return s.NoHideIconIsMouse && c.cursor.panMainMenu;
    case TPanelId::panBorderIcons:
        if (c.borderMenuOpen)
            return true;
        return s.NoHideIconIsMouse && c.cursor.panBorderIcons;
    case TPanelId::pnPlay:
        return s.NoHideIconIsMouse && c.cursor.pnPlay;
    case TPanelId::panTimeLine:
        return s.NoHideLineIsMouse && c.cursor.pl;
    case TPanelId::PanZoom:
        return s.NoHideLineIsMouse && c.cursor.lZoom;
    case TPanelId::PanVolume:
        return s.NoHideLineIsMouse && c.cursor.lVolume;
    case TPanelId::pnTime:
        return c.clockPinned;
    default:
        return false;
    }
}

std::vector<TPanelShow> PanelsShownByMove(const TPanelContext &c, const TSettingsRecord &s)
{
    std::vector<TPanelShow> shown;
    if (c.cursor.pnTime)
        shown.push_back({TPanelId::pnTime, kClockTimeOut});
    else if (c.cursor.panBorderIcons)
        shown.push_back({TPanelId::panBorderIcons, s.TimeShowIcon});
    else if (c.cursor.panMainMenu)
        shown.push_back({TPanelId::panMainMenu, s.TimeShowIcon});

    if (s.PnPlayAutoShowHide && c.cursor.pnPlay)
        shown.push_back({TPanelId::pnPlay, s.TimeShowIcon});

    if (c.mediaActive) {
        if (c.cursor.panTimeLine)
            shown.push_back({TPanelId::panTimeLine, s.TimeShowLine});
        else if (c.cursor.PanZoom)
            shown.push_back({TPanelId::PanZoom, s.TimeShowLine});
        else if (c.cursor.PanVolume)
            shown.push_back({TPanelId::PanVolume, s.TimeShowLine});
    }
    return shown;
}

bool CursorOver(QPoint cursor, const QRect &control)
{
    return cursor.x() >= control.left() && cursor.x() <= control.left() + control.width()
           && cursor.y() >= control.top() && cursor.y() <= control.top() + control.height();
}
