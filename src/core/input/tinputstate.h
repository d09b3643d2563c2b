#pragma once

// What the input rules need to know about the player at the moment of an event. The main
// window fills it from its own state and the answers of the query commands.
struct TInputState
{
    bool mediaActive = false;     // IsMediaActive
    bool dvdMode = false;         // IsDvdMode
    bool dvdMenuOnScreen = false; // DVD mode and the current title has no length
    int playbackState = 0;        // command 309: 0 stopped or nothing loaded, 1 paused, 2 running
    bool playlistExists = false;
    bool playlistDocked = false; // docked in the main window
    int playlistVisible = 0;     // command 310
    bool fullScreen = false;     // IsFullScreen
    int zoom = 0;                // above 0 a right-button drag pans
    bool playPanelShowing = false;
    bool cursorOnZoomSlider = false; // lZoom had a mouse move since the cursor left it
    bool cursorOnTimeLine = false;   // over pl
    bool cursorOverShowingPlaylist = false;
};
