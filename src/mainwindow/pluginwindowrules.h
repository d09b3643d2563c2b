#pragma once

#include <Qt>

// The window's side of the plug-in events: the cursor a plug-in picks for the pointer over
// the picture, and which window state changes the plug-ins hear of.
namespace PluginWindowRules {

// The shape for a cursor identifier of the plug-in interface; identifiers outside its list
// give the default arrow.
Qt::CursorShape CursorShape(int id);
// Whether an identifier asks for something other than the default.
bool IsCustomCursor(int id);

// The event for a change of the window's state: 7 maximized, 8 restored from maximized,
// 12 shown again after being minimized; 0 for every other change. Full screen is the
// player's own state, not the window manager's maximize.
int EventOfStateChange(Qt::WindowStates before, Qt::WindowStates now);

} // namespace PluginWindowRules
