#pragma once

class TCommandDispatcher;
class TTavrelPlayer;

// Binds the command codes whose rules the main window owns: 10 and 340 (full screen), 48/49
// (zoom steps), 303/304/319 (fill, zoom-or-fill, picture as is), 305/306 (clocks), 316/317
// (crop), 326 (close the on-video menus), 328 (a key through the key map), 331 (full-screen
// query) and 337 (always on top).
void BindWindowCommands(TCommandDispatcher &dispatcher, TTavrelPlayer &window);
