#pragma once

#include "framescaler.h"
#include "videoframe.h"

#include <QImage>
#include <QMutex>
#include <QObject>
#include <QSize>
#include <atomic>

typedef struct _GstElement GstElement;
typedef struct _GstAppSink GstAppSink;
typedef struct _GstSample GstSample;

// The video end of the pipeline: crop, then an appsink taking native-size
// frames, which are scaled to the picture size (TFrameScaler) and handed to
// the UI thread.
// Lives on the UI thread; the appsink callbacks run on a streaming thread.
class TVideoSink : public QObject
{
    Q_OBJECT

public:
    TVideoSink();
    ~TVideoSink() override;

    // The bin to hand to playbin as its video sink (owned by the pipeline once
    // handed over; this object keeps its own reference).
    GstElement *Element() const { return m_bin; }

    // Frames are scaled to this size (device pixels); empty keeps the native
    // size. Takes effect from the next frame.
    void SetTargetSize(const QSize &size);
    // Pixels cut from each edge of the native picture.
    void SetCrop(int left, int top, int right, int bottom);
    // The size of the frames the sink receives now: the native picture less
    // the crop (empty before the first frame). Pointer positions travel
    // upstream in these coordinates, not in those of the scaled frame on screen.
    QSize NegotiatedSize() const;
    // Hands a frame still waiting for the UI thread over now; true if there was one.
    bool DeliverPending();
    // While kept, the sink holds a reference to the last frame it received (a snapshot asks
    // for it); otherwise it keeps none.
    void KeepLastSample(bool keep);
    // The last frame received while kept (a new reference), or null.
    GstSample *LastSample() const;

signals:
    void FrameReady(const TVideoFrame &frame);

private:
    static int OnNewSample(GstAppSink *sink, void *self);
    static int OnNewPreroll(GstAppSink *sink, void *self);
    void Accept(GstSample *sample);
    TVideoFrame Convert(GstSample *sample);

    GstElement *m_bin = nullptr;
    GstElement *m_crop = nullptr;
    GstElement *m_appsink = nullptr;
    TFrameScaler m_scaler; // used on the streaming thread only
    QMutex m_mutex;        // guards the target size and the pending frame
    QSize m_targetSize;
    TVideoFrame m_pending;
    std::atomic<bool> m_deliveryQueued{false};
};
