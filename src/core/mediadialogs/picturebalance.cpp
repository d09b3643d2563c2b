#include "mediadialogs/picturebalance.h"

#include <algorithm>
#include <cmath>

namespace PictureBalance {

namespace {

constexpr int kDecoderMaximum = 255;
constexpr int kDecoderCentre = 127;
constexpr int kHardBrightnessMaximum = 10000;
constexpr int kHardFactorMaximum = 20000;
constexpr int kHardBrightnessDefault = 750;
constexpr int kHardFactorDefault = 10000;
// The decoder's value that stands for the stage's full swing.
constexpr double kStageSwing = 128.0;

} // namespace

int ChooseMode(bool hardPropImage, bool hasHardware, bool hasStage)
{
    if (hardPropImage && hasHardware)
        return static_cast<int>(TMode::Hardware);
    return hasStage ? static_cast<int>(TMode::Decoder) : 0;
}

int Maximum(TMode mode, int which)
{
    if (mode == TMode::Decoder)
        return kDecoderMaximum;
    return which == kBrightness ? kHardBrightnessMaximum : kHardFactorMaximum;
}

int DefaultPosition(TMode mode, int which)
{
    if (mode == TMode::Decoder)
        return kDecoderCentre;
    return which == kBrightness ? kHardBrightnessDefault : kHardFactorDefault;
}

int Step(TMode mode, int which)
{
    return Maximum(mode, which) / 100;
}

int ValueOf(TMode mode, int position)
{
    return mode == TMode::Decoder ? position - kDecoderCentre : position;
}

int PositionOf(TMode mode, int value)
{
    return mode == TMode::Decoder ? value + kDecoderCentre : value;
}

int PreviousSlider(int selected)
{
    return selected <= 1 ? kSliders : selected - 1;
}

int NextSlider(int selected)
{
    return selected >= kSliders ? 1 : selected + 1;
}

int WindowWidth(int videoPanelWidth)
{
    return std::min(kDesignWidth, videoPanelWidth);
}

QPoint CentredOrigin(const QRect &panel, const QSize &window, int lift)
{
    // Integer division truncates toward zero, also for a window wider than the panel.
    return {panel.x() + (panel.width() - window.width()) / 2,
            panel.y() + (panel.height() - window.height()) / 2 - lift};
}

int ChannelValue(int position, int maximum, int defaultPosition, int channelMin, int channelMax)
{
    if (maximum <= 0 || channelMax <= channelMin)
        return channelMin;
    position = std::clamp(position, 0, maximum);
    defaultPosition = std::clamp(defaultPosition, 0, maximum);
    const double middle = (channelMin + channelMax) / 2.0;
    double value;
    if (position <= defaultPosition)
        value = defaultPosition == 0
                    ? middle
                    : channelMin + (middle - channelMin) * position / defaultPosition;
    else
        value
            = middle
              + (channelMax - middle) * (position - defaultPosition) / (maximum - defaultPosition);
    return std::clamp(static_cast<int>(std::lround(value)), channelMin, channelMax);
}

int ChannelPosition(int channelValue, int maximum, int defaultPosition, int channelMin,
                    int channelMax)
{
    if (maximum <= 0 || channelMax <= channelMin)
        return 0;
    channelValue = std::clamp(channelValue, channelMin, channelMax);
    defaultPosition = std::clamp(defaultPosition, 0, maximum);
    const double middle = (channelMin + channelMax) / 2.0;
    double position;
    if (channelValue <= middle)
        position = middle == channelMin
                       ? defaultPosition
                       : defaultPosition * (channelValue - channelMin) / (middle - channelMin);
    else
        position = defaultPosition
                   + (maximum - defaultPosition) * (channelValue - middle) / (channelMax - middle);
    return std::clamp(static_cast<int>(std::lround(position)), 0, maximum);
}

double StageProperty(int which, int value)
{
    if (which == kBrightness)
        return std::clamp(value / kStageSwing, -1.0, 1.0);
    return std::clamp(1.0 + value / kStageSwing, 0.0, 2.0);
}

int StageValue(int which, double property)
{
    const double neutral = which == kBrightness ? 0.0 : 1.0;
    return static_cast<int>(std::lround((property - neutral) * kStageSwing));
}

} // namespace PictureBalance
