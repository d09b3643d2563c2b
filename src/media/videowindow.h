#pragma once

#include <QColor>
#include <QImage>
#include <QPointer>
#include <QWidget>

class TFilterGraph;

// Shows the frames of the graph it is bound to. Its geometry is the picture
// rectangle: the pipeline scales (and crops) every frame to exactly this size,
// so painting is a plain copy. Keys and mouse events reach the parent's
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

    // The frame shown now (null when none); shares the pipeline's memory.
    QImage CurrentFrame() const { return m_frame; }
    // Frame size the pipeline is asked for, in device pixels. A picture that
    // reaches beyond its parent (a strong zoom) is asked for at its native
    // size instead (empty here) and stretched while painting, so a zoom never
    // makes the pipeline produce frames many times the screen's size.
    QSize PictureSize() const;

    // Called by the graph's sink on the UI thread.
    void ShowFrame(const QImage &frame);
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
    void WatchParent();
    // Tells the pipeline when the size it should produce has changed.
    void UpdatePictureSize();

    QPointer<TFilterGraph> m_graph;
    QColor m_color = Qt::black;
    QImage m_frame;
    bool m_frameAnnounced = true; // FrameShown was emitted for m_frame
    bool m_cursorHidden = false;
    QSize m_requestedSize;
    QPointer<QWidget> m_watchedParent;
};
