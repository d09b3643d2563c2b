#pragma once

// Keeps the screen saver and the display's power saving away while a film runs.
class IKeepAwake
{
public:
    virtual ~IKeepAwake() = default;
    // Takes the hold when it is not held (or asked for) already.
    virtual void Hold() = 0;
    // Gives the hold back; nothing when none is held.
    virtual void Release() = 0;
    // The hold is in force or on its way.
    virtual bool Held() const = 0;
};
