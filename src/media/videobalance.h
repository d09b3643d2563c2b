#pragma once

class TFilterGraph;

// Brightness, contrast and saturation of the picture of a graph, two ways:
// the colour balance an element of the video path offers itself (a hardware
// decoder or sink), or the player's own balance stage in front of the video
// sink. The stage joins the pipeline only once a value leaves its default, so
// a film watched as it is passes no extra element.
//
// `which` is 1 brightness, 2 contrast, 3 saturation. Every operation does
// nothing (and reads 0) without a graph or without the mechanism asked for.
class TVideoBalance
{
public:
    explicit TVideoBalance(TFilterGraph *graph);

    // An element of the video path offers all three channels.
    bool HasHardware() const;
    // A slider position 0..maximum, its default on the channel's neutral middle.
    bool SetHardware(int which, int position, int maximum, int defaultPosition);
    int Hardware(int which, int maximum, int defaultPosition) const;

    // The graph carries a picture the stage can work on.
    bool HasStage() const;
    // The stage's value -127..128 (0 leaves the picture as it is).
    bool SetStage(int which, int value);
    int Stage(int which) const;
    // Whether the stage is in the pipeline now.
    bool StageInserted() const;

private:
    TFilterGraph *m_graph;
};
