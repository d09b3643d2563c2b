#include "pluginwindowrules.h"

#include <array>

namespace PluginWindowRules {

namespace {

// In the order of the interface's TVL_CURSOR_* list.
constexpr std::array kShapes{
    Qt::ArrowCursor,     Qt::UpArrowCursor,      Qt::CrossCursor,     Qt::WaitCursor,
    Qt::IBeamCursor,     Qt::SizeVerCursor,      Qt::SizeHorCursor,   Qt::SizeBDiagCursor,
    Qt::SizeFDiagCursor, Qt::SizeAllCursor,      Qt::BlankCursor,     Qt::SplitVCursor,
    Qt::SplitHCursor,    Qt::PointingHandCursor, Qt::ForbiddenCursor, Qt::WhatsThisCursor,
    Qt::BusyCursor,
};

} // namespace

bool IsCustomCursor(int id)
{
    return id > 0 && id < static_cast<int>(kShapes.size());
}

Qt::CursorShape CursorShape(int id)
{
    return IsCustomCursor(id) ? kShapes[static_cast<std::size_t>(id)] : Qt::ArrowCursor;
}

int EventOfStateChange(Qt::WindowStates before, Qt::WindowStates now)
{
    if (now.testFlag(Qt::WindowFullScreen) || before.testFlag(Qt::WindowFullScreen))
        return 0;
    if (before.testFlag(Qt::WindowMinimized))
        return now.testFlag(Qt::WindowMinimized) ? 0 : 12;
    if (now.testFlag(Qt::WindowMinimized))
        return 0;
    if (now.testFlag(Qt::WindowMaximized) && !before.testFlag(Qt::WindowMaximized))
        return 7;
    if (before.testFlag(Qt::WindowMaximized) && !now.testFlag(Qt::WindowMaximized))
        return 8;
    return 0;
}

} // namespace PluginWindowRules
