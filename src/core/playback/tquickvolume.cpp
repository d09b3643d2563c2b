#include "playback/tquickvolume.h"

#include <algorithm>

namespace {

constexpr int kBarMaximum = 10000;

} // namespace

int TQuickVolume::Click(int barPosition, int quickVolume)
{
    int target = 0;
    if (m_toggled) {
        target = m_saved;
        m_toggled = false;
    } else {
        m_saved = barPosition;
        target = std::clamp(quickVolume, 0, kBarMaximum / 100) * 100;
        m_toggled = true;
    }
    m_expected = target;
    return target;
}

void TQuickVolume::BarMoved(int barPosition)
{
    // The move asked for by the click itself keeps the jump; any other forgets it.
    if (m_expected && *m_expected == barPosition) {
        m_expected.reset();
        return;
    }
    m_expected.reset();
    m_toggled = false;
}
