#pragma once

#include "ipowercontrol.h"

#include <QDBusConnection>
#include <functional>

// Power-off through logind's manager on the system bus; when logind cannot be reached or
// refuses, `systemctl poweroff` is tried instead.
class TLogindPowerControl : public IPowerControl
{
public:
    using TFallback = std::function<void()>;

    TLogindPowerControl();
    // Tests point the manager at a private bus and record the fallback.
    TLogindPowerControl(const QDBusConnection &systemBus, TFallback fallback);

    void PowerOff() override;

private:
    QDBusConnection m_bus;
    TFallback m_fallback;
};
