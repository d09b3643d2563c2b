#include "tnooff.h"

#include "ikeepawake.h"
#include "tcpumeter.h"

#include <QTimer>

TNoOff::TNoOff(TNoOffHooks hooks, IKeepAwake &keepAwake, TCpuMeter &meter, QObject *parent)
    : QObject(parent)
    , m_hooks(std::move(hooks))
    , m_keepAwake(keepAwake)
    , m_meter(meter)
{
    NoOff = new QTimer(this);
    NoOff->setObjectName(QStringLiteral("NoOff"));
    NoOff->setInterval(kInterval);
    connect(NoOff, &QTimer::timeout, this, &TNoOff::NoOffTimer);
    NoOff->start();
}

TNoOff::~TNoOff()
{
    m_keepAwake.Release();
}

void TNoOff::NoOffTimer()
{
    const TNoOffState state = m_hooks.state();
    if (PowerOffRules::StillPictureDone(state.stillPicture, state.running, state.dvdMode,
                                        state.shownMs, state.pictureInterval)) {
        // Ending the picture opens the next entry; this tick's view of the player is stale.
        m_hooks.endStillPicture();
        return;
    }
    if (state.loadShowing) {
        m_meter.CollectCpuData();
        m_hooks.showLoad(TCpuMeter::LoadCaption(m_meter.CpuUsage(0)));
    }
    if (!state.running) {
        if (m_holding)
            m_keepAwake.Release();
        m_holding = false;
        return;
    }
    if (!m_holding) {
        m_keepAwake.Hold();
        m_holding = true;
    }
    if (++m_keepAwakeCounter >= kKeepAwakeSeconds) {
        m_keepAwakeCounter = 0;
        // A hold in force is left alone; one that was refused (no service yet) is tried again.
        m_keepAwake.Hold();
    }
    PowerOffRules::TCountdownInput countdown = state.countdown;
    countdown.running = true;
    if (const std::optional<int> remaining = PowerOffRules::Countdown(countdown))
        m_hooks.showCountdown(*remaining);
}
