#include "ttavrelplayer.h"

#include "media/videowindow.h"
#include "tvideoarea.h"
#include "videogeometry.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMetaObject>
#include <QMouseEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

TTavrelPlayer::TTavrelPlayer(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("TTavrelPlayer"));
    setWindowTitle(QStringLiteral("Tavrel"));
    setMinimumSize(kMinimumSize);
    resize(kDesignClientSize + QSize(2 * kSizingBorder, 2 * kSizingBorder));
    setMouseTracking(true);

    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);

    // The thin margin is the sizing frame of a window without a caption.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(kSizingBorder, kSizingBorder, kSizingBorder, kSizingBorder);
    Glob = new TVideoArea(this);
    layout->addWidget(Glob);

    VideoWin = new TVideoWindow(Glob);
    VideoWin->setObjectName(QStringLiteral("VideoWin"));
    VideoWin->setGeometry(0, 0, 0, 0);
    VideoWin->hide();
    connect(Glob, &TVideoArea::Resized, this, &TTavrelPlayer::layoutPicture);

    m_status = new QLabel(Glob);
    m_status->setObjectName(QStringLiteral("pnStatus"));
    m_status->setStyleSheet(
        QStringLiteral("color: white; background: rgba(0, 0, 0, 160); padding: 2px 6px;"));
    m_status->hide();
    m_statusTimer = new QTimer(this);
    m_statusTimer->setSingleShot(true);
    connect(m_statusTimer, &QTimer::timeout, this, &TTavrelPlayer::HideStatus);
}

void TTavrelPlayer::ShowStatusText(const QString &text, int tenths, int kind)
{
    m_statusText = text;
    m_statusKind = kind;
    m_statusTenths = tenths;
    QFont font = m_status->font();
    font.setPixelSize(kind == 2 ? 32 : 13);
    font.setBold(kind == 2);
    m_status->setFont(font);
    m_status->setText(text);
    m_status->adjustSize();
    // Kind 1 sits at the top right, kind 2 lower down, both inside the video.
    const int x = qMax(0, Glob->width() - m_status->width() - 9);
    m_status->move(x, kind == 2 ? 40 : 6);
    m_status->show();
    m_status->raise();
    if (tenths > 0)
        m_statusTimer->start(tenths * 100);
    else
        m_statusTimer->stop();
}

bool TTavrelPlayer::StatusVisible() const
{
    return m_status->isVisible();
}

void TTavrelPlayer::HideStatus()
{
    m_statusTimer->stop();
    m_status->hide();
}

TTavrelPlayer::~TTavrelPlayer() = default;

void TTavrelPlayer::ShowPicture(const QSize &sourceSize)
{
    m_sourceSize = sourceSize;
    Glob->SetShowLogo(sourceSize.isEmpty());
    layoutPicture();
}

void TTavrelPlayer::layoutPicture()
{
    const QRect picture = FitPictureRect(m_sourceSize, Glob->size());
    VideoWin->setGeometry(picture);
    VideoWin->setVisible(!picture.isEmpty());
}

void TTavrelPlayer::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (m_firstPaintDone)
        return;
    m_firstPaintDone = true;
    // The second stage of start-up runs once the window has been drawn, not
    // inside the paint itself: it opens media and may show boxes.
    QMetaObject::invokeMethod(this, &TTavrelPlayer::FirstPaint, Qt::QueuedConnection);
}

void TTavrelPlayer::closeEvent(QCloseEvent *event)
{
    event->ignore();
    emit CloseRequested();
}

Qt::Edges TTavrelPlayer::edgesAt(const QPoint &pos) const
{
    Qt::Edges edges;
    if (pos.x() < kSizingBorder)
        edges |= Qt::LeftEdge;
    if (pos.x() >= width() - kSizingBorder)
        edges |= Qt::RightEdge;
    if (pos.y() < kSizingBorder)
        edges |= Qt::TopEdge;
    if (pos.y() >= height() - kSizingBorder)
        edges |= Qt::BottomEdge;
    return edges;
}

void TTavrelPlayer::mousePressEvent(QMouseEvent *event)
{
    const Qt::Edges edges = edgesAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && edges && windowHandle()) {
        windowHandle()->startSystemResize(edges);
        return;
    }
    QWidget::mousePressEvent(event);
}

void TTavrelPlayer::mouseMoveEvent(QMouseEvent *event)
{
    const Qt::Edges edges = edgesAt(event->position().toPoint());
    if (edges == (Qt::LeftEdge | Qt::TopEdge) || edges == (Qt::RightEdge | Qt::BottomEdge))
        setCursor(Qt::SizeFDiagCursor);
    else if (edges == (Qt::RightEdge | Qt::TopEdge) || edges == (Qt::LeftEdge | Qt::BottomEdge))
        setCursor(Qt::SizeBDiagCursor);
    else if (edges & (Qt::LeftEdge | Qt::RightEdge))
        setCursor(Qt::SizeHorCursor);
    else if (edges & (Qt::TopEdge | Qt::BottomEdge))
        setCursor(Qt::SizeVerCursor);
    else
        unsetCursor();
    QWidget::mouseMoveEvent(event);
}
