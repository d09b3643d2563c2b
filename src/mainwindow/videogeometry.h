#pragma once

#include "settings/settingsrecord.h"

#include <QRect>
#include <QSize>
#include <array>

// The picture rectangle of the video inside the video area, from the aspect mode, the zoom,
// the pan offsets and the crop. Every rounding is to the nearest integer with halves to even.
namespace VideoGeometry {

constexpr int kMinZoom = -25;
constexpr int kMaxZoom = 200;
constexpr int kZoomSliderOffset = 25; // slider value = zoom + 25
constexpr int kZoomSliderMax = 225;
constexpr int kMaxCrop = 200;
constexpr int kCropStep = 2;

// Aspect modes: -1 the area's own shape, 0 the stream's, 1..4 a user ratio.
constexpr int kAspectWindow = -1;
constexpr int kAspectStream = 0;

struct TInput
{
    QSize glob;
    QSize source;    // W_s x H_s
    QSize dvdAspect; // X_a : Y_a in DVD mode, empty otherwise
    int aspectMode = kAspectStream;
    std::array<TAspectPair, 4> userAspect{};
    int zoom = 0;
    int panX = 0;
    int panY = 0;
    int crop = 0;
};

struct TResult
{
    QRect picture; // VideoWin bounds inside Glob
    int panX = 0;  // the pan offsets after clamping
    int panY = 0;
    QRect sourceRect; // the part of the source shown
};

int rnd(double value);
// Picture height over width for the input's aspect mode (0 when it cannot be known).
double Ratio(const TInput &input);
// The picture rectangle; an empty source or area gives an empty result.
TResult Compute(const TInput &input);
// The source rectangle that cuts `crop` pixels from the left and right edges and the same share
// of the height from the top and bottom.
QRect CropRect(QSize source, int crop);
// The zoom slider position that fills the area's height with a picture of this ratio without
// exceeding it (FillHeight).
int FillHeightSlider(QSize glob, double ratio);

} // namespace VideoGeometry
