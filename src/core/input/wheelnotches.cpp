#include "wheelnotches.h"

int TWheelNotches::Add(QPoint angleDelta, bool alt)
{
    const int delta = angleDelta.y() != 0 ? angleDelta.y() : alt ? angleDelta.x() : 0;
    if (delta == 0)
        return 0;
    // Turning back starts a new notch rather than undoing part of the last one.
    if ((delta > 0) != (m_rest > 0) && m_rest != 0)
        m_rest = 0;
    m_rest += delta;
    const int notches = m_rest / kNotch;
    m_rest -= notches * kNotch;
    return notches;
}
