#pragma once

#include <QPoint>
#include <QRect>
#include <vector>

struct TSettingsRecord;

// The floating panels of the main window.
enum class TPanelId {
    panMainMenu,
    panBorderIcons,
    pnTime,
    pnStatus2,
    PanVolume,
    PanZoom,
    panTimeLine,
    pnTime2,
    pnStatus,
    pnPlay,
};

// Which of the areas the rules ask about the cursor is in (CursorOver of each control).
struct TCursorAreas
{
    bool pnTime = false;
    bool panMainMenu = false;
    bool panBorderIcons = false;
    bool pnPlay = false;
    bool panTimeLine = false;
    bool PanZoom = false;
    bool PanVolume = false;
    bool pl = false;
    bool lZoom = false;
    bool lVolume = false;
};

// Everything the show and hide rules look at besides the settings.
struct TPanelContext
{
    int globWidth = 0;
    bool mediaActive = false;
    bool dvdMode = false;
    bool dvdMenuShowing = false; // the DVD title's total time is zero
    int audioStreams = 0;
    bool stillPicture = false;
    bool statusForced = false;
    bool clockPinned = false;
    bool mainMenuOpen = false;   // pmOpen, pmPlay, pmHelp, pmPlayList, pmProp or pmDVDMenu
    bool borderMenuOpen = false; // pmClose or pmMonitor
    TCursorAreas cursor;
};

struct TPanelShow
{
    TPanelId panel;
    int tenths;

    bool operator==(const TPanelShow &) const = default;
};

// The narrowest window that shows the clock.
constexpr int kClockMinimumWidth = 381;
constexpr int kClockTimeOut = 30;

// A panel's OnShow: true cancels the show.
bool PanelShowVetoed(TPanelId panel, const TPanelContext &context, const TSettingsRecord &settings);
// A panel's OnHide: true keeps it up for one more interval.
bool PanelHideVetoed(TPanelId panel, const TPanelContext &context, const TSettingsRecord &settings);
// The panels a mouse move brings up, with their time-outs: at most one of the clock and the
// two icon bars, the transport bar when it hides by itself, and while something plays at most
// one of the time line and the two vertical bars.
std::vector<TPanelShow> PanelsShownByMove(const TPanelContext &context,
                                          const TSettingsRecord &settings);

// The control's client rectangle with its borders: both far edges count as inside. Hidden
// controls answer from where they would be.
bool CursorOver(QPoint cursor, const QRect &control);
