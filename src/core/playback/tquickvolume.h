#pragma once

#include <optional>

// The volume icon's quick level: one click jumps the volume bar to QuickVolume * 100 and
// remembers where it was, the next click goes back. Any other move of the bar forgets the
// jump, so the next click jumps again.
class TQuickVolume
{
public:
    // The bar position to set after a click on the icon.
    int Click(int barPosition, int quickVolume);
    // Every change of the bar position, the ones caused by Click included.
    void BarMoved(int barPosition);
    bool IsToggled() const { return m_toggled; }

private:
    bool m_toggled = false;
    int m_saved = 0;
    std::optional<int> m_expected;
};
