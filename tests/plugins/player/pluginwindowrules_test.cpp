// Which window state changes the plug-ins hear of, and the cursors they may pick.
#include "pluginwindowrules.h"
#include "tavrel/plugin.h"

#include <gtest/gtest.h>

namespace {

using namespace PluginWindowRules;

TEST(PluginWindowRules, StateChangesGiveTheirEvents)
{
    const Qt::WindowStates none = Qt::WindowNoState;
    const Qt::WindowStates max = Qt::WindowMaximized;
    const Qt::WindowStates min = Qt::WindowMinimized;
    const Qt::WindowStates full = Qt::WindowFullScreen;
    struct TCase
    {
        Qt::WindowStates before, now;
        int event;
    } const cases[] = {
        {none, max, 7},       {max, none, 8},
        {min, none, 12},      {min, max, 12}, // a maximized window coming back
        {min | max, max, 12},                 // the same as the window system reports it
        {none, min, 0},                       // minimizing is not an event
        {max, min | max, 0},  {max, max, 0},
        {none, full, 0}, // the player's own full screen
        {full, none, 0},      {none | Qt::WindowActive, Qt::WindowActive, 0},
    };
    for (const TCase &c : cases)
        EXPECT_EQ(EventOfStateChange(c.before, c.now), c.event)
            << c.before.toInt() << " -> " << c.now.toInt();
}

TEST(PluginWindowRules, CursorIdentifiersOutsideTheListGiveTheDefault)
{
    EXPECT_EQ(CursorShape(TVL_CURSOR_NONE), Qt::BlankCursor);
    EXPECT_EQ(CursorShape(TVL_CURSOR_HAND), Qt::PointingHandCursor);
    EXPECT_EQ(CursorShape(TVL_CURSOR_LAST), Qt::BusyCursor);
    for (const int id : {int(TVL_CURSOR_DEFAULT), -1, -2, TVL_CURSOR_LAST + 1, 32767, -32768}) {
        EXPECT_EQ(CursorShape(id), Qt::ArrowCursor) << id;
        EXPECT_FALSE(IsCustomCursor(id)) << id;
    }
}

} // namespace
