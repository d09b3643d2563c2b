// Keys, mouse gestures and wheel turns over the picture, turned into actions by the input rules.
#include "commands/commandcodes.h"
#include "input/keymap.h"
#include "input/tinputstate.h"
#include "input/virtualkey.h"
#include "iplayerhost.h"
#include "media/videowindow.h"
#include "pluginwindowrules.h"
#include "shiftstate.h"
#include "ttavrelplayer.h"
#include "ttimeline.h"
#include "tvideoarea.h"
#include "tvideopopupmenu.h"
#include "tvidmenuwnd.h"
#include "tvpanel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWheelEvent>
#include <utility>
#include <vector>

void TTavrelPlayer::createInput()
{
    m_inputClock.start();
    setFocusPolicy(Qt::StrongFocus);
    tClickWait = new QTimer(this);
    tClickWait->setObjectName(QStringLiteral("tClickWait"));
    tClickWait->setSingleShot(true);
    // A coarse timer may fire a little before the click is due, and the click would be lost.
    tClickWait->setTimerType(Qt::PreciseTimer);
    connect(tClickWait, &QTimer::timeout, this, &TTavrelPlayer::clickWaitTimer);

    // A press, and every move of a left-button drag (the slider reports it as a press), seeks
    // to the place under the pointer.
    pl->OnMouseDown = [this](TTimeLine *, TShiftState, int, int, int value) {
        PerformActions(TMouseInput::TimeLinePress(qBound(0, value, pl->maxValue())));
    };
    auto zoomMove = lZoom->OnMouseMove;
    lZoom->OnMouseMove
        = [this, zoomMove](TTimeLine *sender, TShiftState shift, int x, int y, int value) {
              m_cursorOnZoomSlider = true;
              if (zoomMove)
                  zoomMove(sender, shift, x, y, value);
          };
    lZoom->OnMouseLeave = [this](TTimeLine *) { m_cursorOnZoomSlider = false; };
    m_mouse.setPluginMoveHook([this](int &x, int &y, TInputShift &shift, int &cursor) {
        if (m_host)
            m_host->PluginMouseMove(x, y, shift, cursor);
    });
}

std::function<void(int &, TInputShift &)> TTavrelPlayer::pluginKeyHook()
{
    return [this](int &virtualKey, TInputShift &shift) {
        if (m_host)
            m_host->PluginKey(virtualKey, shift);
    };
}

void TTavrelPlayer::applyPluginCursor(int id)
{
    // Only a cursor a plug-in asked for is set on the form itself: its borders keep their
    // sizing cursors otherwise.
    if (PluginWindowRules::IsCustomCursor(id)) {
        const Qt::CursorShape shape = PluginWindowRules::CursorShape(id);
        setCursor(shape);
        Glob->setCursor(shape);
        m_pluginCursor = true;
        return;
    }
    Glob->unsetCursor();
    if (std::exchange(m_pluginCursor, false))
        unsetCursor();
}

TInputState TTavrelPlayer::InputState() const
{
    TInputState state = moveInputState();
    if (m_host) {
        state.playbackState = m_host->SendCommand(Cmd::QueryState, 0);
        state.playlistVisible = m_host->SendCommand(Cmd::QueryPlaylistVisible, 0);
    }
    return state;
}

// Moves come in streams and look at none of the query answers, so they are not asked.
TInputState TTavrelPlayer::moveInputState() const
{
    TInputState state;
    state.mediaActive = IsMediaActive();
    state.dvdMode = IsDvdMode();
    state.dvdMenuOnScreen = state.dvdMode && m_host->IsDvdMenuShowing();
    state.fullScreen = m_fullScreen;
    state.zoom = Zoom();
    state.playPanelShowing = pnPlay->isVisible();
    state.cursorOnZoomSlider = m_cursorOnZoomSlider;
    state.cursorOnTimeLine = pl->isVisible() && CursorOver(pl);
    if (m_host)
        m_host->AddInputState(state);
    return state;
}

void TTavrelPlayer::KeyDown(int virtualKey, TInputShift shift)
{
    PerformActions(::KeyDown(virtualKey, shift, InputState(), settings(), pluginKeyHook()));
}

void TTavrelPlayer::TranslateKeyCommand(qint32 param)
{
    const int virtualKey = param & 0xFFFF;
    const TInputShift shift = keyModifiers(TInputShift::fromInt((param >> 16) & 0xFF));
    TActionList actions;
    ::TranslateKey(virtualKey, shift, InputState(), settings(), actions, pluginKeyHook());
    PerformActions(actions);
}

void TTavrelPlayer::keyPressEvent(QKeyEvent *event)
{
    const int virtualKey = virtualKeyFromQt(event->key(), event->modifiers());
    KeyDown(virtualKey, keyModifiers(shiftStateOf(event->modifiers(), {})));
    event->accept();
}

TMouseEvent TTavrelPlayer::mouseEventOf(const QMouseEvent *event, QWidget *source) const
{
    TMouseEvent result;
    result.screenPos = event->globalPosition().toPoint();
    result.pos = event->position().toPoint();
    result.globPos = source == Glob ? result.pos : Glob->mapFromGlobal(result.screenPos);
    result.shift = shiftStateOf(event->modifiers(), event->buttons());
    result.nowMs = m_inputClock.elapsed();
    return result;
}

void TTavrelPlayer::pictureMouse(QWidget *source, QEvent *event)
{
    const auto *mouse = static_cast<QMouseEvent *>(event);
    const TMouseEvent input = mouseEventOf(mouse, source);
    m_mouseSource = source;
    switch (event->type()) {
    case QEvent::MouseMove: {
        std::vector<TOpenVideoMenu> open;
        for (const TVideoMenu menu : kAllVideoMenus) {
            const TVideoPopupMenu *popup = VideoMenu(menu);
            if (popup->IsOpen()) {
                const QWidget *window = popup->Window();
                open.push_back({menu, QRect(window->mapToGlobal(QPoint(0, 0)), window->size())});
            }
        }
        PerformActions(m_mouse.MouseMove(input, open, moveInputState()));
        break;
    }
    case QEvent::MouseButtonPress:
        tClickWait->stop();
        PerformActions(m_mouse.MouseDown(mouse->button(), input));
        break;
    case QEvent::MouseButtonDblClick:
        // The second press of a double click drops the pending single click.
        tClickWait->stop();
        PerformActions(m_mouse.MouseDown(mouse->button(), input));
        // Its release ends the double click; it is not a click of its own.
        m_releaseEndsDoubleClick = true;
        if (mouse->button() == Qt::LeftButton)
            PerformActions(source == this ? TMouseInput::FormDoubleClick()
                                          : m_mouse.DoubleClick(settings()));
        break;
    case QEvent::MouseButtonRelease: {
        const TInputState state = InputState();
        const bool click = mouse->button() == Qt::LeftButton && source != this
                           && source->rect().contains(input.pos)
                           && !std::exchange(m_releaseEndsDoubleClick, false);
        PerformActions(m_mouse.MouseUp(mouse->button(), input, state, settings()));
        if (click)
            PerformActions(m_mouse.Click(input.nowMs, state, settings()));
        break;
    }
    default:
        break;
    }
    m_mouseSource = nullptr;
}

void TTavrelPlayer::clickWaitTimer()
{
    tClickWait->stop();
    PerformActions(m_mouse.ClickWaitTick(m_inputClock.elapsed(), InputState(), settings()));
}

void TTavrelPlayer::TrayClick()
{
    PerformActions(m_mouse.TrayClick(m_inputClock.elapsed()));
}

void TTavrelPlayer::wheelEvent(QWheelEvent *event)
{
    const bool alt = event->modifiers().testFlag(Qt::AltModifier);
    const QPoint delta = event->angleDelta();
    if (delta.y() == 0 && !(alt && delta.x() != 0)) {
        event->ignore();
        return;
    }
    // A report is never worth more than a few notches, whatever a device claims.
    constexpr int kMostNotches = 10;
    const int notches = qBound(-kMostNotches, m_wheelNotches.Add(delta, alt), kMostNotches);
    const TInputShift shift = shiftStateOf(event->modifiers(), event->buttons());
    for (int i = 0; i < qAbs(notches); ++i)
        PerformActions(m_mouse.Wheel(notches > 0, shift, InputState()));
    event->accept();
}

void TTavrelPlayer::mouseReleaseEvent(QMouseEvent *event)
{
    pictureMouse(this, event);
    QWidget::mouseReleaseEvent(event);
}

void TTavrelPlayer::mouseDoubleClickEvent(QMouseEvent *event)
{
    pictureMouse(this, event);
    event->accept();
}
