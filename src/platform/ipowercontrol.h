#pragma once

// Switches the computer off. The request's outcome is not examined: a system that refuses
// leaves the player running.
class IPowerControl
{
public:
    virtual ~IPowerControl() = default;
    virtual void PowerOff() = 0;
};
