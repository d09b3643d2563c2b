#pragma once

#include "inputshift.h"
#include "menus/taction.h"
#include "menus/videomenus.h"

#include <QPoint>
#include <QRect>
#include <QtGlobal>
#include <functional>
#include <optional>
#include <span>

struct TInputState;
struct TSettingsRecord;

// One mouse event over the picture (the form, Glob or the video window).
struct TMouseEvent
{
    QPoint screenPos; // the cursor on the screen
    QPoint pos;       // the event's coordinates in the control that received it
    QPoint globPos;   // the same point in Glob's coordinates
    TInputShift shift;
    qint64 nowMs = 0;
};

// An on-video menu that is open, with its rectangle in screen coordinates.
struct TOpenVideoMenu
{
    TVideoMenu menu;
    QRect rect;
};

// The mouse gestures over the picture: moves, presses, clicks, double clicks and wheel
// turns, turned into actions for the main window. It keeps the state of one gesture and
// the pending single click; the window arms a timer when told to (StartClickWait) and calls
// ClickWaitTick when it fires, so the decision between a click and a double click needs
// only timestamps.
class TMouseInput
{
public:
    static constexpr int kClickWaitMs = 280;

    // Plug-ins see every move first and may rewrite the position (Glob coordinates) and
    // the modifiers, and pick the cursor (0 the default), which the cursor action carries.
    using TMoveHook = std::function<void(int &x, int &y, TInputShift &shift, int &cursor)>;
    void setPluginMoveHook(TMoveHook hook) { m_moveHook = std::move(hook); }

    TActionList MouseMove(const TMouseEvent &event, std::span<const TOpenVideoMenu> openMenus,
                          const TInputState &state);
    TActionList MouseDown(Qt::MouseButton button, const TMouseEvent &event);
    TActionList MouseUp(Qt::MouseButton button, const TMouseEvent &event, const TInputState &state,
                        const TSettingsRecord &settings);
    // Glob's click and double click.
    TActionList Click(qint64 nowMs, const TInputState &state, const TSettingsRecord &settings);
    TActionList DoubleClick(const TSettingsRecord &settings) const;
    // The tray icon shares the click timer.
    TActionList TrayClick(qint64 nowMs);
    TActionList ClickWaitTick(qint64 nowMs, const TInputState &state,
                              const TSettingsRecord &settings);
    // One notch; `up` raises, otherwise lowers.
    TActionList Wheel(bool up, TInputShift shift, const TInputState &state);

    // The form's own double click.
    static TActionList FormDoubleClick();
    // A press, or a move with the left button held, on the time line at a value in seconds.
    static TActionList TimeLinePress(int seconds);

    qint64 lastActivityMs() const { return m_lastActivityMs; }
    // A wheel turn or a drag since the last press: a right-button release opens no menu then.
    bool moved() const { return m_moved; }
    void clearMoved() { m_moved = false; }
    bool clickPending() const { return m_clickDeadline.has_value(); }

private:
    enum class TClickKind { None, Picture, Tray };

    TActionList startClickWait(TClickKind kind, qint64 nowMs);

    TMoveHook m_moveHook;
    std::optional<QPoint> m_lastCursor;
    qint64 m_lastActivityMs = 0;
    QPoint m_dragPoint;
    bool m_moved = false;
    bool m_pressedHere = false;
    TClickKind m_clickKind = TClickKind::None;
    std::optional<qint64> m_clickDeadline;
};
