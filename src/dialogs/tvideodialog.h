#pragma once

#include <QColor>
#include <QDialog>

// A window made for the video: no border, always on top, modal, filled with
// the video window's key colour, framed by a rounded rectangle and shown
// centred over the video panel.
class TVideoDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TVideoDialog(QWidget *parent = nullptr);

    void SetFrameColour(const QColor &colour);
    QColor FrameColour() const { return m_frame; }
    void SetFillColour(const QColor &colour);

    // Places the window over the panel, `lift` pixels above its centre.
    void CentreOver(const QWidget *panel, int lift = 0);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_frame = Qt::white;
};

// The close box of those windows: a corner line and a cross in the frame colour.
class TCloseBox : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize kSize{29, 25};
    explicit TCloseBox(QWidget *parent = nullptr);
    void SetColour(const QColor &colour);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QColor m_colour = Qt::white;
};
