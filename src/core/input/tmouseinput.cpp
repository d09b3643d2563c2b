#include "tmouseinput.h"

#include "commands/commandcodes.h"
#include "menudistance.h"
#include "settings/settingsrecord.h"
#include "tinputstate.h"

namespace {

using ActionTables::named;

constexpr int kPlayPanelTenths = 30;
constexpr int kVolumeStep = 500;
constexpr int kWheelSeekMs = 10000;

} // namespace

TActionList TMouseInput::MouseMove(const TMouseEvent &event,
                                   std::span<const TOpenVideoMenu> openMenus,
                                   const TInputState &state)
{
    TActionList actions;
    // Renderers and timers send moves without motion; they must not count as activity.
    if (m_lastCursor == event.screenPos)
        return actions;
    m_lastActivityMs = event.nowMs;
    m_lastCursor = event.screenPos;

    for (const TOpenVideoMenu &open : openMenus) {
        if (MenuDistance(open.rect, event.screenPos) > kMenuCloseDistance)
            actions.push_back(named(TActionKind::CloseVideoMenu, static_cast<int>(open.menu)));
    }
    if (state.mediaActive && state.dvdMode)
        actions.push_back(TAction::located(TActionKind::DvdSelectAt, event.pos));

    int x = event.globPos.x();
    int y = event.globPos.y();
    TInputShift shift = event.shift;
    int cursor = 0;
    if (m_moveHook)
        m_moveHook(x, y, shift, cursor);
    actions.push_back(named(TActionKind::RestoreCursor, cursor));

    if (shift.testFlag(TInputFlag::Right) && state.zoom > 0) {
        const QPoint motion = event.screenPos - m_dragPoint;
        if (!motion.isNull())
            m_moved = true;
        actions.push_back(
            TAction::located(TActionKind::Pan, QPoint(m_pressedHere ? motion.x() : 0, motion.y())));
        m_dragPoint = event.screenPos;
        return actions;
    }
    if (shift.testFlag(TInputFlag::Left) && !state.fullScreen) {
        actions.push_back(named(TActionKind::WindowDragMove));
        return actions;
    }
    actions.push_back(TAction::located(TActionKind::ShowPanelsAt, QPoint(x, y)));
    return actions;
}

TActionList TMouseInput::MouseDown(Qt::MouseButton button, const TMouseEvent &event)
{
    m_clickDeadline.reset();
    TActionList actions{named(TActionKind::CloseVideoMenus)};
    m_moved = false;
    m_pressedHere = true;
    const TInputShift others = event.shift & ~TInputShift(TInputFlag::Middle | TInputFlag::Double);
    if (button == Qt::MiddleButton && others == TInputShift())
        actions.push_back(TAction::command(Cmd::ToggleFullScreen));
    m_dragPoint = event.screenPos;
    return actions;
}

TActionList TMouseInput::MouseUp(Qt::MouseButton button, const TMouseEvent &event,
                                 const TInputState &state, const TSettingsRecord &settings)
{
    TActionList actions;
    if (button == Qt::LeftButton && state.mediaActive && state.dvdMode)
        actions.push_back(TAction::located(TActionKind::DvdActivateAt, event.pos));
    if (button == Qt::RightButton && !m_moved) {
        const TInputShift modifiers = keyModifiers(event.shift);
        if (modifiers.testFlag(TInputFlag::Ctrl) || !settings.RightMouseMode) {
            if (state.playPanelShowing)
                actions.push_back(named(TActionKind::HidePlayPanel));
            else
                actions.push_back(named(TActionKind::ShowPlayPanel,
                                        settings.PnPlayAutoShowHide ? kPlayPanelTenths : 0));
        }
        if (modifiers == TInputShift() && settings.RightMouseMode)
            actions.push_back(TAction::located(TActionKind::ContextMenu, event.screenPos));
    }
    m_pressedHere = false;
    return actions;
}

TActionList TMouseInput::Click(qint64 nowMs, const TInputState &state,
                               const TSettingsRecord &settings)
{
    if (settings.LeftMouseMode == 2 && !state.dvdMenuOnScreen)
        return startClickWait(TClickKind::Picture, nowMs);
    return {};
}

TActionList TMouseInput::DoubleClick(const TSettingsRecord &settings) const
{
    switch (settings.LeftMouseMode) {
    case 1:
        return {TAction::command(Cmd::PlayPause)};
    case 2:
    case 3:
        return {TAction::command(Cmd::ToggleFullScreen)};
    default:
        return {};
    }
}

TActionList TMouseInput::TrayClick(qint64 nowMs)
{
    return startClickWait(TClickKind::Tray, nowMs);
}

TActionList TMouseInput::startClickWait(TClickKind kind, qint64 nowMs)
{
    m_clickKind = kind;
    m_clickDeadline = nowMs + kClickWaitMs;
    return {named(TActionKind::StartClickWait, kClickWaitMs)};
}

TActionList TMouseInput::ClickWaitTick(qint64 nowMs, const TInputState &state,
                                       const TSettingsRecord &settings)
{
    // A timer may fire a little early or after the wait was cancelled: only a pending
    // click whose time has come is decided.
    if (!m_clickDeadline || nowMs < *m_clickDeadline)
        return {};
    m_clickDeadline.reset();
    const TClickKind kind = std::exchange(m_clickKind, TClickKind::None);
    if (kind == TClickKind::Picture) {
        if (settings.LeftMouseMode == 2 && !state.dvdMenuOnScreen)
            return {TAction::command(Cmd::PlayPause)};
    } else if (kind == TClickKind::Tray) {
        if (settings.LeftMouseModeTray == 1)
            return {named(TActionKind::RestoreWindow)};
        if (settings.LeftMouseModeTray == 2)
            return {TAction::command(Cmd::PlayPause)};
    }
    return {};
}

TActionList TMouseInput::Wheel(bool up, TInputShift shift, const TInputState &state)
{
    m_moved = true;
    if (!state.mediaActive)
        return {};
    if (state.cursorOnZoomSlider || shift == TInputShift(TInputFlag::Ctrl)
        || shift == TInputShift(TInputFlag::Right))
        return {named(TActionKind::ZoomStep, up ? 1 : -1)};
    if (state.cursorOnTimeLine)
        return {TAction::command(up ? Cmd::SeekForward : Cmd::SeekBack, kWheelSeekMs)};
    if (shift == TInputShift(TInputFlag::Alt))
        return {TAction::command(up ? Cmd::CropMore : Cmd::CropLess)};
    if (state.cursorOverShowingPlaylist || shift != TInputShift())
        return {};
    return {named(TActionKind::VolumeStep, up ? kVolumeStep : -kVolumeStep)};
}

TActionList TMouseInput::FormDoubleClick()
{
    return {TAction::command(Cmd::PlayPause)};
}

TActionList TMouseInput::TimeLinePress(int seconds)
{
    return {named(TActionKind::CloseVideoMenus), TAction::command(Cmd::SeekTo, seconds)};
}
