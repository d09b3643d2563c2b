#pragma once

#include "tcolor.h"
#include "tmousecontrol.h"

#include <QRegion>
#include <QTimer>
#include <functional>

// The container of every floating control group: it shows for a while and then hides itself
// unless its owner objects, ignores timed shows for a moment after such a hide, and can limit
// itself to the rectangles of its children so that the picture shows through the gaps.
//
// Its owner decides policy through OnShow and OnHide, std::function handlers that receive a
// cancel flag by reference: a veto is one assignment, and a missing handler means "go ahead".
class TVPanel : public TMouseControl
{
    Q_OBJECT
    Q_PROPERTY(int TimeOut READ timeOut WRITE setTimeOut)
    Q_PROPERTY(bool Region READ region WRITE SetRegion)
    Q_PROPERTY(TColor Color READ color WRITE setColor)

public:
    using CancelEvent = std::function<void(TVPanel *sender, bool &cancel)>;
    using HandledEvent = std::function<void(TVPanel *sender, bool &handled)>;

    explicit TVPanel(QWidget *parent = nullptr);

    // Shows the panel for the given tenths of a second; 0 shows it with no automatic hide.
    void ShowFor(int tenths);
    // Restarts a running countdown from its full interval; does nothing without one.
    void RestartHideTimer();
    // Shows the panel without a countdown, unless OnShow cancels.
    void ShowPanel();
    // Applies the window region: the union of the children's rectangles, or none.
    void UpdateRegion();
    void SetRegion(bool region);
    bool region() const { return m_region; }
    // Lock-out after an automatic hide, in milliseconds.
    int timeOut() const { return m_timeOut; }
    void setTimeOut(int milliseconds) { m_timeOut = milliseconds; }
    TColor color() const { return m_color; }
    void setColor(TColor color);

    // The timer state the owner and tests can observe.
    bool CanShow() const { return m_canShow; }
    bool HideTimerRunning() const { return m_hideTimer.isActive(); }
    int HideInterval() const { return m_hideTimer.interval(); }

    // The region the panel is cut to when Region is set: the union of the children's rectangles
    // (hidden children included), or a region that covers none of the panel without children.
    QRegion childrenRegion() const;

    CancelEvent OnShow;
    CancelEvent OnHide;
    std::function<void(TVPanel *sender)> OnPaint;
    // Lets the owner take over filling the background; unhandled, the panel fills it with Color.
    HandledEvent OnWMERASEBKGND;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void hideTimerFired();
    void rearmTimerFired();

    QTimer m_hideTimer;
    QTimer m_rearmTimer;
    bool m_canShow = true;
    int m_timeOut = 100;
    bool m_region = false;
    TColor m_color = clBlack;
};
