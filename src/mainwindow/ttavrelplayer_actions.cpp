// Performing the actions that keys, gestures, icons and menu items ask for: commands go to the
// player, window operations are done here, the rest is the application's.
#include "iplayerhost.h"
#include "lang/tlang.h"
#include "media/filtergraph.h"
#include "media/videowindow.h"
#include "menus/iconclicks.h"
#include "ttavrelplayer.h"
#include "ttimeline.h"
#include "tvideoarea.h"
#include "tvideopopupmenu.h"
#include "tvpanel.h"
#include "videogeometry.h"

#include <QMenu>
#include <QTimer>
#include <QWindow>

namespace {

constexpr int kDiscNotFoundTenths = 20;
constexpr int kVolumeMaximum = 10000;

} // namespace

void TTavrelPlayer::PerformActions(const TActionList &actions)
{
    ::RunActions(actions, [this](const TAction &action) { return performAction(action); });
}

QString TTavrelPlayer::text(int index) const
{
    return m_host ? m_host->Text(index) : TLang::builtInText(index);
}

void TTavrelPlayer::stepVolume(int delta)
{
    const int position = qBound(0, VolumeBar() + delta, kVolumeMaximum);
    if (position == VolumeBar())
        return;
    SetVolumeBar(position);
    emit VolumeBarMoved(position);
}

void TTavrelPlayer::nextAspect()
{
    // The cycle runs through the window shape (-1) and the four fixed aspects back again.
    SetAspectMode(m_aspectMode >= 4 ? VideoGeometry::kAspectWindow : m_aspectMode + 1);
}

qint32 TTavrelPlayer::performAction(const TAction &action)
{
    switch (action.kind) {
    case TActionKind::Command:
        return m_host ? m_host->SendCommand(action.code, action.param) : 0;
    case TActionKind::CloseVideoMenus:
        CloseVideoMenus();
        break;
    case TActionKind::CloseVideoMenu:
        VideoMenu(static_cast<TVideoMenu>(action.param))->Close();
        break;
    case TActionKind::OpenVideoMenu: {
        TVideoPopupMenu *menu = VideoMenu(static_cast<TVideoMenu>(action.param));
        if (menu->IsOpen())
            break;
        if (action.code > 0)
            menu->IntervalClose = action.code;
        menu->ShowAt(action.at.x(), action.at.y());
        break;
    }
    case TActionKind::RaisePanels:
        RaisePanels();
        break;
    case TActionKind::StartClickWait:
        tClickWait->start(action.param);
        break;
    case TActionKind::ShowPanelsAt:
        ShowPanelsForMouse(Glob->mapToGlobal(action.at));
        break;
    case TActionKind::RestoreCursor:
        noteMouseActivity(QCursor::pos());
        applyPluginCursor(action.param);
        break;
    case TActionKind::Pan:
        PanBy(action.at.x(), action.at.y());
        break;
    case TActionKind::WindowDragMove:
        if (windowHandle())
            windowHandle()->startSystemMove();
        break;
    case TActionKind::ContextMenu:
        PmMain->popup(action.at);
        break;
    case TActionKind::ShowPlayPanel:
        if (action.param > 0)
            pnPlay->ShowFor(action.param);
        else
            pnPlay->ShowPanel();
        break;
    case TActionKind::HidePlayPanel:
        pnPlay->hide();
        break;
    case TActionKind::FlipPlayPanel:
        TogglePlayPanel(false);
        break;
    case TActionKind::ZoomStep:
        ZoomStep(action.param > 0);
        break;
    case TActionKind::ResetZoom:
        SetZoomBar(VideoGeometry::kZoomSliderOffset);
        break;
    case TActionKind::VolumeStep:
        stepVolume(action.param);
        break;
    case TActionKind::Minimise:
        CloseVideoMenus();
        showMinimized();
        break;
    case TActionKind::NextAspect:
        nextAspect();
        break;
    case TActionKind::SetAspect:
        SetAspectMode(action.param);
        break;
    case TActionKind::QuickVolume:
        if (m_host)
            m_host->QuickVolumeClick();
        break;
    case TActionKind::FullScreenOtherMonitor:
        MoveToSecondMonitor();
        break;
    case TActionKind::BackToFirstMonitor:
        MoveBackToFirstMonitor();
        break;
    case TActionKind::RestoreWindow:
        RestoreWindow();
        break;
    case TActionKind::FrameStep:
        // Without a medium the engine would wait for a pause that never comes.
        if (m_host && m_host->IsMediaActive() && m_host->Graph())
            m_host->Graph()->FrameStep();
        break;
    case TActionKind::PlayDiscMenu:
        PerformActions(PlayDiscActions(settings()));
        break;
    case TActionKind::StatusText:
        ShowStatusText(text(action.code), action.param, 1);
        break;
    case TActionKind::DiscNotFoundText:
        ShowStatusText(QStringLiteral("Not found CD/DVD video"), kDiscNotFoundTenths, 1);
        break;
    case TActionKind::Help:
        // The player minimises only for a page that is there to be read.
        CloseVideoMenus();
        return m_host ? m_host->RunAction(action) : 0;
    case TActionKind::DvdSelectAt:
    case TActionKind::DvdActivateAt: {
        // The navigator wants the point in the video window.
        TFilterGraph *graph = m_host ? m_host->Graph() : nullptr;
        if (!graph)
            break;
        QPoint point = action.at;
        if (m_mouseSource && m_mouseSource != VideoWin)
            point = VideoWin->mapFrom(m_mouseSource, point);
        if (action.kind == TActionKind::DvdSelectAt)
            graph->DvdSelectAt(point);
        else
            graph->DvdActivateAt(point);
        break;
    }
    default:
        return m_host ? m_host->RunAction(action) : 0;
    }
    return 0;
}
