#pragma once

#include <QRect>
#include <QRegion>
#include <QSize>
#include <optional>

struct TSettingsRecord;

// Where the playlist window and its controls go, docked or floating. Plain geometry, so the
// rules can be checked without a window.
namespace PlayListPlacement {

constexpr QSize kDesignClient{350, 230};
constexpr QSize kMinimumSize{100, 100};
constexpr int kCornerEllipse = 30;
constexpr int kCloseBoxWidth = 29;
constexpr int kCloseBoxHeight = 25;

// The list's font and row height.
struct TListLook
{
    int fontPoints = 0;
    int itemHeight = 0;
};

// What showing the docked window sets: its size, and the list's look when it changes.
struct TDockedLook
{
    QSize size;
    std::optional<TListLook> list; // unset: the list keeps the look it has
};

TDockedLook Docked(bool mainFullScreen, const TSettingsRecord &settings);
// A floating window's list.
TListLook Floating();

// The docked window centred in the main window's client area, each half truncated.
QRect DockedGeometry(QSize mainClient, QSize own);
// The shape of the docked window: a rectangle with 30 x 30 elliptic corners.
QRegion DockedShape(QSize own);

// Where a window that floats for the first time goes: beside the main window, to its right
// when it fits on the screen, else to its left, else over its right edge, always on the screen.
QPoint FirstFloatingPosition(const QRect &mainFrame, QSize own, const QRect &screen);

// The list inside a client area of the given size.
QRect ListGeometry(QSize client, bool docked);
// The close glyph's box at the top right.
QRect CloseBoxGeometry(QSize client);
// The top of the button row, anchored to the bottom edge.
int ButtonTop(QSize client);

} // namespace PlayListPlacement
