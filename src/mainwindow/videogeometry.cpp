#include "videogeometry.h"

#include <algorithm>
#include <cmath>

namespace VideoGeometry {

int rnd(double value)
{
    // The default floating-point rounding mode is to nearest, ties to even.
    return static_cast<int>(std::nearbyint(value));
}

double Ratio(const TInput &in)
{
    if (in.aspectMode == kAspectWindow)
        return in.glob.width() > 0 ? double(in.glob.height()) / in.glob.width() : 0.0;
    if (in.aspectMode >= 1 && in.aspectMode <= static_cast<int>(in.userAspect.size()))
        return in.userAspect[static_cast<size_t>(in.aspectMode - 1)].ratio();
    if (!in.dvdAspect.isEmpty())
        return double(in.dvdAspect.height()) / in.dvdAspect.width();
    return in.source.width() > 0 ? double(in.source.height()) / in.source.width() : 0.0;
}

QRect CropRect(QSize source, int crop)
{
    const int ws = source.width();
    const int hs = source.height();
    if (ws <= 0 || hs <= 0)
        return {};
    // A crop wider than the picture would leave nothing (or a negative width) to show.
    const int c = std::clamp(crop, 0, (ws - 1) / 2);
    const double share = double(hs) / ws;
    return QRect(c, rnd(share * c), ws - 2 * c, rnd(share * (ws - 2 * c)));
}

TResult Compute(const TInput &in)
{
    TResult out;
    const double r = Ratio(in);
    const int gw = in.glob.width();
    const int gh = in.glob.height();
    if (r <= 0.0 || gw <= 0 || gh <= 0 || in.source.isEmpty())
        return out;

    int w = gw;
    if (gh < rnd(w * r))
        w = rnd(gh / r);
    const int zoom = std::clamp(in.zoom, kMinZoom, kMaxZoom);
    w = w + rnd(zoom / 50.0 * w);
    const int h = rnd(w * r);
    int left = (gw - w) / 2;
    int top = (gh - h) / 2;

    auto clampPan = [](int pan, int size, int area) {
        if (size <= area)
            return 0;
        const int half = (size - area) / 2;
        return std::clamp(pan, -half, half);
    };
    out.panY = clampPan(in.panY, h, gh);
    out.panX = clampPan(in.panX, w, gw);
    left += out.panX;
    top += out.panY;
    out.picture = QRect(left, top, w, h);
    out.sourceRect = CropRect(in.source, in.crop);
    return out;
}

int FillHeightSlider(QSize glob, double ratio)
{
    const int gw = glob.width();
    const int gh = glob.height();
    for (int i = 0; i <= kMaxZoom; ++i) {
        if (rnd((gw + rnd(i / 50.0 * gw)) * ratio) > gh)
            return i == 0 ? kZoomSliderOffset : i + 24;
    }
    return kZoomSliderMax;
}

} // namespace VideoGeometry
