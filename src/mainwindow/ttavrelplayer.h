#pragma once

#include <QWidget>

class QLabel;
class QTimer;
class TVideoArea;
class TVideoWindow;

// The main window: borderless, black, the picture filling the client area.
// It owns its widgets and forwards what the user asks for; the rules of the
// player live in the application layer that drives it.
class TTavrelPlayer : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize kDesignClientSize{455, 353};
    static constexpr QSize kMinimumSize{346, 260};
    static constexpr int kSizingBorder = 5;

    explicit TTavrelPlayer(QWidget *parent = nullptr);
    ~TTavrelPlayer() override;

    TVideoArea *Glob = nullptr;
    TVideoWindow *VideoWin = nullptr;

    bool FirstPaintDone() const { return m_firstPaintDone; }

    // Places the picture over the video area for a source of this display size
    // (an empty size hides it and brings the logo back).
    void ShowPicture(const QSize &sourceSize);

    // The one way to show a transient message over the video: kind 1 the
    // small caption, kind 2 the large one; shown for tenths of a second.
    void ShowStatusText(const QString &text, int tenths, int kind);
    QString LastStatusText() const { return m_statusText; }
    int LastStatusKind() const { return m_statusKind; }
    int LastStatusTenths() const { return m_statusTenths; }
    bool StatusVisible() const;
    void HideStatus();

signals:
    // Right after the window's first paint, exactly once.
    void FirstPaint();
    // Every close request of the window; the application decides.
    void CloseRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void layoutPicture();
    Qt::Edges edgesAt(const QPoint &pos) const;

    QSize m_sourceSize;
    QLabel *m_status = nullptr;
    QTimer *m_statusTimer = nullptr;
    QString m_statusText;
    int m_statusKind = 0;
    int m_statusTenths = 0;
    bool m_firstPaintDone = false;
};
