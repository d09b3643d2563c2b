#pragma once

#include "framescaler.h"
#include "videoframe.h"

#include <QColor>
#include <QImage>
#include <QPointer>
#include <QWidget>

class QPainter;
class TFilterGraph;

// Shows the frames of the graph it is bound to. Its geometry is the picture
// rectangle: the pipeline scales (and crops) every frame to exactly this size,
// so painting is a plain copy, or, for 4:2:0 frames, a conversion straight
// into the window's pixels. Keys and mouse events reach the parent's
// handlers through event filters.
class TVideoWindow : public QWidget
{
    Q_OBJECT

public:
    explicit TVideoWindow(QWidget *parent = nullptr);
    ~TVideoWindow() override;

    // Binds the window to a graph (which then feeds it); null unbinds.
    void SetFilterGraph(TFilterGraph *graph);
    TFilterGraph *FilterGraph() const;

    // Colour of the window where no picture is shown.
    QColor Color() const { return m_color; }
    void SetColor(const QColor &color);

    // Hides the mouse pointer over the video until it moves again.
    void HideCursor();
    // Back to the default pointer.
    void ShowCursor();

    // The frame shown now as 32-bit pixels (null when none).
    QImage CurrentFrame() const;
    // Frame size the pipeline is asked for, in device pixels. A picture that
    // reaches beyond its parent (a strong zoom) is asked for at its native
    // size instead (empty here) and stretched while painting, so a zoom never
    // makes the pipeline produce frames many times the screen's size.
    QSize PictureSize() const;

    // Called by the graph's sink on the UI thread.
    void ShowFrame(const TVideoFrame &frame);
    void ClearFrame();

signals:
    void PictureSizeChanged(const QSize &deviceSize);
    // A new frame has been painted (not merely received: a window that is
    // hidden shows nothing).
    void FrameShown();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool FitsInParent() const;
    // The frame's 32-bit pixels for a paint that cannot convert in place.
    const QImage &PaintedPixels();
    bool PaintPlanarInPlace(QPainter &painter, const QPaintEvent &event);
    void WatchParent();
    // Tells the pipeline when the size it should produce has changed.
    void UpdatePictureSize();

    QPointer<TFilterGraph> m_graph;
    QColor m_color = Qt::black;
    TVideoFrame m_frame;
    // UI thread only: the frame's 32-bit pixels, made when a planar frame is
    // painted in part.
    QImage m_framePixels;
    mutable TFrameScaler m_paintScaler;
    bool m_frameAnnounced = true; // FrameShown was emitted for m_frame
    bool m_cursorHidden = false;
    QSize m_requestedSize;
    QPointer<QWidget> m_watchedParent;
};
