#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The rules of the picture adjustment window: the two ways of adjusting, their
// slider ranges and defaults, the value each slider position sends, the keys'
// selection steps and where the window stands.
namespace PictureBalance {

// 1: the colour balance the video path offers itself; 2: the player's own
// balance stage.
enum class TMode { Hardware = 1, Decoder = 2 };

// The mode the picture command takes: the video path's own balance when the
// user asked for it (HardPropImage) and the path has one, else the player's
// stage when there is a picture; 0 when neither (nothing opens).
int ChooseMode(bool hardPropImage, bool hasHardware, bool hasStage);

// Slider 1 brightness, 2 contrast, 3 saturation.
constexpr int kBrightness = 1;
constexpr int kContrast = 2;
constexpr int kSaturation = 3;
constexpr int kSliders = 3;

int Maximum(TMode mode, int which);
int DefaultPosition(TMode mode, int which);
// One key step: the maximum / 100.
int Step(TMode mode, int which);
// What a slider position sends (the decoder takes -127..128 around 127).
int ValueOf(TMode mode, int position);
int PositionOf(TMode mode, int value);

// Up from slider 1 wraps to 3, down from 3 wraps to 1.
int PreviousSlider(int selected);
int NextSlider(int selected);

// The window is at most 392 wide and never wider than the video panel.
constexpr int kDesignWidth = 392;
int WindowWidth(int videoPanelWidth);
// Top left of a window of this size centred over a panel (halves rounded
// toward zero), lifted by `lift` pixels.
QPoint CentredOrigin(const QRect &panel, const QSize &window, int lift = 0);

// A slider position mapped onto a colour balance channel's own range, the
// default position landing on the middle of the channel (its neutral value).
int ChannelValue(int position, int maximum, int defaultPosition, int channelMin, int channelMax);
// And back: the slider position that a channel value stands for.
int ChannelPosition(int channelValue, int maximum, int defaultPosition, int channelMin,
                    int channelMax);

// The decoder value -127..128 as the balance stage's properties: brightness
// -1..1 around 0, contrast and saturation 0..2 around 1.
double StageProperty(int which, int value);
// And back, rounded to the nearest value.
int StageValue(int which, double property);

} // namespace PictureBalance
