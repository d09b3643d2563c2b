// Re-layout on resize, showing panels on mouse movement and on command, stacking order.
#include "iplayerhost.h"
#include "labelkey.h"
#include "readouts.h"
#include "torimage.h"
#include "ttavrelplayer.h"
#include "ttimeline.h"
#include "tvideoarea.h"
#include "tvideopopupmenu.h"
#include "tvlabel.h"
#include "tvpanel.h"

#include <QCursor>

void TTavrelPlayer::FormResize()
{
    CloseVideoMenus();
    const bool large = m_fullScreen && settings().FSScale;
    // The captions and clocks size themselves to their texts; a resize keeps those sizes.
    m_layout.pnStatus = pnStatus->geometry();
    m_layout.pnStatus2 = pnStatus2->geometry();
    m_layout.pnTime = pnTime->geometry();
    m_layout.pnTime2 = pnTime2->geometry();
    m_layout.pnTime2.setWidth(lbTime2->width());
    m_layout = ComputePanelLayout(Glob->size(), m_fullScreen, large, m_layout, m_layoutGlob);
    m_layoutGlob = Glob->size();
    applyLayout(m_layout);
    emit LayoutChanged();
    ApplyVideoGeometry(Zoom());
}

void TTavrelPlayer::applyLayout(const TPanelLayout &l)
{
    const int icon = l.iconSize;
    panMainMenu->setGeometry(l.panMainMenu);
    int x = 0;
    for (TOrImage *button : {iOpen, iPlay, iPlayList, iProp, iHelp}) {
        button->setGeometry(x, 0, icon, icon);
        x += icon;
    }
    panBorderIcons->setGeometry(l.panBorderIcons);
    x = 0;
    for (TOrImage *button : {iMinim, iFullScr, iClose}) {
        button->setGeometry(x, 0, icon, icon);
        x += icon;
    }
    pnTime->setGeometry(l.pnTime);
    pnStatus2->setGeometry(l.pnStatus2);

    PanVolume->setGeometry(l.PanVolume);
    lVolume->setGeometry(l.sliderLeft, lVolume->y(), l.sliderWidth,
                         l.PanVolume.height() - lVolume->y());
    PanVolume->UpdateRegion();
    PanZoom->setGeometry(l.PanZoom);
    lZoom->setGeometry(l.sliderLeft, lZoom->y(), l.sliderWidth, l.PanZoom.height() - lZoom->y());
    PanZoom->UpdateRegion();

    panTimeLine->setGeometry(l.panTimeLine);
    pl->setGeometry(0, l.panTimeLine.height() - l.plHeight, l.panTimeLine.width(), l.plHeight);
    pnTime2->setGeometry(l.pnTime2);
    pnStatus->setGeometry(l.pnStatus);
    pnPlay->setGeometry(l.pnPlay);
}

TPanelContext TTavrelPlayer::panelContext() const
{
    TPanelContext c;
    c.globWidth = Glob->width();
    c.mediaActive = IsMediaActive();
    c.dvdMode = IsDvdMode();
    if (m_host) {
        c.dvdMenuShowing = m_host->IsDvdMenuShowing();
        c.audioStreams = m_host->AudioStreamCount();
        c.stillPicture = m_host->IsStillPicture();
    }
    c.statusForced = m_statusForced;
    c.clockPinned = m_clockPinned;
    for (const TVideoPopupMenu *menu : {pmOpen, pmPlay, pmHelp, pmPlayList, pmProp, pmDVDMenu})
        c.mainMenuOpen = c.mainMenuOpen || menu->IsOpen();
    c.borderMenuOpen = pmClose->IsOpen() || pmMonitor->IsOpen();

    c.cursor = cursorAreasAt(QCursor::pos());
    return c;
}

TCursorAreas TTavrelPlayer::cursorAreasAt(QPoint globalCursor) const
{
    TCursorAreas a;
    a.pnTime = CursorOver(pnTime, globalCursor);
    a.panMainMenu = CursorOver(panMainMenu, globalCursor);
    a.panBorderIcons = CursorOver(panBorderIcons, globalCursor);
    a.pnPlay = CursorOver(pnPlay, globalCursor);
    a.panTimeLine = CursorOver(panTimeLine, globalCursor);
    a.PanZoom = CursorOver(PanZoom, globalCursor);
    a.PanVolume = CursorOver(PanVolume, globalCursor);
    a.pl = CursorOver(pl, globalCursor);
    a.lZoom = CursorOver(lZoom, globalCursor);
    a.lVolume = CursorOver(lVolume, globalCursor);
    return a;
}

void TTavrelPlayer::ShowPanelsForMouse(QPoint globalCursor)
{
    noteMouseActivity(globalCursor);
    TPanelContext c = panelContext();
    c.cursor = cursorAreasAt(globalCursor);
    for (const TPanelShow &show : PanelsShownByMove(c, settings()))
        panelOf(show.panel)->ShowFor(show.tenths);
}

void TTavrelPlayer::RaisePanels()
{
    for (TVPanel *panel : {pnTime, panMainMenu, panBorderIcons, panTimeLine, PanVolume, PanZoom,
                           pnPlay, pnStatus, pnStatus2, pnTime2})
        panel->raise();
}

void TTavrelPlayer::ShowStartPanels()
{
    panMainMenu->ShowFor(10);
    if (settings().StartShowPlayPanel)
        pnPlay->ShowFor(settings().PnPlayAutoShowHide ? 30 : 0);
}

void TTavrelPlayer::ShowFirstStartHints(int startCount)
{
    if (startCount < 2) {
        panTimeLine->ShowFor(30);
        pnTime->ShowFor(30);
        panBorderIcons->ShowFor(30);
    }
    if (startCount < 4) {
        PanVolume->ShowFor(30);
        PanZoom->ShowFor(30);
    }
}

void TTavrelPlayer::ShowMainMenuIcons()
{
    panMainMenu->ShowFor(settings().TimeShowIcon);
}

void TTavrelPlayer::TogglePlayPanel(bool timed)
{
    if (pnPlay->isVisible()) {
        pnPlay->hide();
        return;
    }
    if (!timed) {
        pnPlay->ShowPanel();
        return;
    }
    pnPlay->ShowFor(settings().PnPlayAutoShowHide ? 30 : 0);
}

void TTavrelPlayer::ShowClock(int tenths)
{
    pnTime->ShowFor(tenths);
}

void TTavrelPlayer::ShowLargeClock(int tenths)
{
    SetKeyedCaption(lbTime2, Readouts::LargeClock(QTime::currentTime()));
    pnTime2->ShowFor(tenths);
}
