#pragma once

#include <QPoint>

// Turns the wheel's angle reports into whole notches. A notch is 120 eighths of a degree; a
// touchpad or a high-resolution wheel reports a notch in many small parts, and a fast turn
// can report several notches at once.
class TWheelNotches
{
public:
    static constexpr int kNotch = 120;

    // Adds one report and answers the whole notches it completes (positive: up, away from
    // the user). With Alt held the X server reports the vertical wheel as horizontal, so the
    // horizontal part counts when there is no vertical one.
    int Add(QPoint angleDelta, bool alt);

private:
    int m_rest = 0;
};
