#pragma once

#include <QImage>
#include <QMutex>
#include <QObject>
#include <QSize>
#include <atomic>
#include <optional>

typedef struct _GstElement GstElement;
typedef struct _GstAppSink GstAppSink;
typedef struct _GstSample GstSample;

// The video end of the pipeline: crop, then convert and scale to the picture
// size, then an appsink whose frames go to the UI thread without being copied.
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

    // Frames are scaled to this size (device pixels); empty keeps the native size.
    void SetTargetSize(const QSize &size);
    // Pixels cut from each edge of the native picture.
    void SetCrop(int left, int top, int right, int bottom);
    // The frame size agreed with the pipeline now (empty before the first
    // frame). Pointer positions travel upstream in these coordinates, which a
    // frame still on screen from before a resize does not have.
    QSize NegotiatedSize() const;
    // Hands a frame still waiting for the UI thread over now; true if there was one.
    bool DeliverPending();

signals:
    void FrameReady(const QImage &frame);

private:
    static int OnNewSample(GstAppSink *sink, void *self);
    static int OnNewPreroll(GstAppSink *sink, void *self);
    void Accept(GstSample *sample);

    GstElement *m_bin = nullptr;
    GstElement *m_crop = nullptr;
    GstElement *m_caps = nullptr;
    GstElement *m_appsink = nullptr;
    std::optional<QSize> m_targetSize; // empty until caps were first set
    QMutex m_mutex;
    QImage m_pending;
    std::atomic<bool> m_deliveryQueued{false};
};
