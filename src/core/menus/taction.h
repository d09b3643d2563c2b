#pragma once

#include <QPoint>
#include <QtGlobal>
#include <functional>
#include <vector>

// What a key, a mouse gesture, a menu item or an icon asks the main window to do.
// Most of it is a command of the dispatcher; the rest are window operations that have no
// command code. The window runs a list of them in order.
enum class TActionKind {
    Command,         // SendCommand(code, param)
    CloseVideoMenus, // all eight on-video menus
    CloseVideoMenu,  // param: the TVideoMenu that is too far from the cursor
    OpenVideoMenu,   // param: TVideoMenu, at: menu origin, code: its IntervalClose
    RaisePanels,
    StartClickWait, // param: ms until the single click is decided (ClickWaitTick)
    ShowPanelsAt,   // panel showing by position; at: cursor in Glob coordinates
    RestoreCursor,  // param: the plug-ins' cursor (0 default shape); renderer cursor un-hidden
    DvdSelectAt,    // at: event coordinates
    DvdActivateAt,  // at: event coordinates
    Pan,            // at: horizontal and vertical pan change; then re-apply the geometry
    WindowDragMove, // release capture and let the window follow the mouse
    ContextMenu,    // PmMain at the screen point `at`
    ShowPlayPanel,  // param: ShowFor time-out in tenths, 0 = untimed
    HidePlayPanel,
    FlipPlayPanel, // plain show or hide, no time-out
    ZoomStep,      // param: +1 or -1 on the zoom slider
    ResetZoom,     // zoom slider to its middle, i.e. zoom 0
    VolumeStep,    // param: +500 or -500 on the volume slider
    Minimise,      // close the on-video menus, then the window's minimise system command
    NextAspect,    // next aspect mode of the cycle, then re-apply the geometry
    SetAspect,     // param: aspect mode, then re-apply the geometry
    QuickVolume,
    DeleteFile, // DeleteSelected while the playlist window shows, else DeleteCurrent
    Help,       // minimise, then the help page
    Snapshot,
    FullScreenOtherMonitor,
    BackToFirstMonitor,
    RestoreWindow,
    FrameStep,
    PlayDiscMenu, // the disc search with "Not found CD/DVD video" when nothing starts
    DriveDialog,
    PlayDrive,    // param: the drive letter
    NewPlaylist,  // also clears the shut-down-after-the-list order
    LoadPlaylist, // also clears the shut-down-after-the-list order
    SavePlaylist,
    SortPlaylist,
    ShufflePlaylist,
    ReopenWithAudio, // param: audio channel
    OpenHomePage,
    OpenRemotePage,
    ShutDownNow,
    ShutDownAfterFile,
    ShutDownAfterList,
    StatusText,       // code: text index, param: tenths; always the small caption
    DiscNotFoundText, // the fixed "Not found CD/DVD video" for 2 s, small caption
    SubtitleTrack,    // param: the subtitle track to show, 0 none
    LoadSubtitleFile,
    StepSubtitles, // off, each track in turn, off again
};

// A command may depend on what the command before it answered.
enum class TActionGuard {
    Always,
    UnlessPreviousAnswered1,
};

struct TAction
{
    TActionKind kind = TActionKind::Command;
    qint32 code = 0;
    qint32 param = 0;
    QPoint at;
    TActionGuard guard = TActionGuard::Always;

    static constexpr TAction command(qint32 code, qint32 param = 0)
    {
        return make(TActionKind::Command, code, param, {});
    }
    static constexpr TAction of(TActionKind kind, qint32 param = 0)
    {
        return make(kind, 0, param, {});
    }
    static constexpr TAction located(TActionKind kind, QPoint point)
    {
        return make(kind, 0, 0, point);
    }
    static constexpr TAction make(TActionKind kind, qint32 code, qint32 param, QPoint point)
    {
        TAction action;
        action.kind = kind;
        action.code = code;
        action.param = param;
        action.at = point;
        return action;
    }

    bool operator==(const TAction &) const = default;
};

using TActionList = std::vector<TAction>;

// Short names for the tables of menus, keys and mouse gestures.
namespace ActionTables {
constexpr TAction cmd(qint32 code, qint32 param = 0)
{
    return TAction::command(code, param);
}
constexpr TAction named(TActionKind kind, qint32 param = 0)
{
    return TAction::of(kind, param);
}
} // namespace ActionTables

// Runs the actions in order. `run` performs one and gives its answer (0 for window
// operations); a guarded action is skipped when the answer before it does not allow it.
void RunActions(const TActionList &actions, const std::function<qint32(const TAction &)> &run);
