#pragma once

#include "power/poweroffrules.h"

#include <QObject>
#include <QString>
#include <functional>

class IKeepAwake;
class QTimer;
class TCpuMeter;

// What the one-second timer looks at, as the player answers now.
struct TNoOffState
{
    bool running = false; // the graph runs
    bool dvdMode = false;
    bool stillPicture = false;
    qint64 shownMs = 0; // since the medium was opened
    int pictureInterval = 5;
    bool loadShowing = false; // the clock box shows the processor load and is up
    PowerOffRules::TCountdownInput countdown;
};

// What the timer does to the player.
struct TNoOffHooks
{
    std::function<TNoOffState()> state;
    std::function<void()> endStillPicture;
    std::function<void(int remaining)> showCountdown;
    std::function<void(const QString &caption)> showLoad;
};

// The one-second timer `NoOff` and what hangs on it: the end of still pictures, the load
// figure of the clock, keeping the desktop awake while a film runs and the warning of the
// last minute before a power-off.
class TNoOff : public QObject
{
    Q_OBJECT

public:
    static constexpr int kInterval = 1000;
    // Seconds of playback after which a hold that was refused or lost is asked for again.
    static constexpr int kKeepAwakeSeconds = 30;

    TNoOff(TNoOffHooks hooks, IKeepAwake &keepAwake, TCpuMeter &meter, QObject *parent = nullptr);
    ~TNoOff() override;

    QTimer *NoOff = nullptr;

    // One tick (the timer's handler).
    void NoOffTimer();
    int KeepAwakeCounter() const { return m_keepAwakeCounter; }

private:
    TNoOffHooks m_hooks;
    IKeepAwake &m_keepAwake;
    TCpuMeter &m_meter;
    int m_keepAwakeCounter = 0;
    bool m_holding = false;
};
