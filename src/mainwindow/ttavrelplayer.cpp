#include "ttavrelplayer.h"

#include "iplayerhost.h"
#include "media/filtergraph.h"
#include "media/videowindow.h"
#include "playlist/droppedfiles.h"
#include "pluginwindowrules.h"
#include "menus/iconclicks.h"
#include "torimage.h"
#include "tvideoarea.h"
#include "tvideopopupmenu.h"
#include "tvpanel.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
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
    setAcceptDrops(true);

    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);

    // The thin margin is the sizing frame of a window without a caption; full screen drops it.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(kSizingBorder, kSizingBorder, kSizingBorder, kSizingBorder);
    Glob = new TVideoArea(this);
    layout->addWidget(Glob);

    VideoWin = new TVideoWindow(Glob);
    VideoWin->setObjectName(QStringLiteral("VideoWin"));
    VideoWin->setGeometry(0, 0, 0, 0);
    VideoWin->hide();
    VideoWin->installEventFilter(this);
    Glob->installEventFilter(this);
    connect(Glob, &TVideoArea::Resized, this, &TTavrelPlayer::FormResize);

    createPanels();
    createMenus();
    wirePanelRules();
    wireButtons();
    createInput();
    fillVideoMenus();
    wireIconMenus();
    buildContextMenu();
    createTray();
    applyDefaultColors();
    loadPictures(QString());

    tVis = new QTimer(this);
    tVis->setInterval(kVisInterval);
    connect(tVis, &QTimer::timeout, this, &TTavrelPlayer::tVisTimer);
    tVis->start();
    m_lastActivity.start();
    FormResize();
}

TTavrelPlayer::~TTavrelPlayer() = default;

void TTavrelPlayer::SetHost(IPlayerHost *host)
{
    m_host = host;
    // The captions come from the player's language table.
    for (const TVideoMenu menu : kAllVideoMenus)
        applyVideoMenuRules(menu);
    applyContextMenuRules();
    for (TOrImage *button : {iMinim, iFullScr, iClose}) {
        const QByteArray name = button->objectName().toLatin1();
        button->setToolTip(text(IconHintIndex(std::string_view(name.constData(), name.size()))));
    }
}

const TSettingsRecord &TTavrelPlayer::settings() const
{
    return m_host ? m_host->Settings() : m_defaultSettings;
}

void TTavrelPlayer::ShowPicture(const QSize &sourceSize)
{
    m_sourceSize = sourceSize;
    Glob->SetShowLogo(sourceSize.isEmpty());
    if (sourceSize.isEmpty()) {
        VideoWin->hide();
        return;
    }
    ApplyVideoGeometry(Zoom());
    VideoWin->show();
    VideoWin->lower();
}

bool TTavrelPlayer::IsMediaActive() const
{
    return m_host ? m_host->IsMediaActive() : !m_sourceSize.isEmpty();
}

bool TTavrelPlayer::IsDvdMode() const
{
    return m_host && m_host->IsDvdMode();
}

bool TTavrelPlayer::CursorOver(const QWidget *control) const
{
    return CursorOver(control, QCursor::pos());
}

bool TTavrelPlayer::CursorOver(const QWidget *control, QPoint globalCursor) const
{
    if (!control || !control->parentWidget())
        return false;
    // Hidden controls answer from where they would be: map through the parent, which shows.
    const QPoint origin = control->parentWidget()->mapToGlobal(control->pos());
    return ::CursorOver(globalCursor, QRect(origin, control->size()));
}

void TTavrelPlayer::CloseVideoMenus()
{
    for (TVideoPopupMenu *menu :
         {pmOpen, pmPlay, pmPlayList, pmProp, pmHelp, pmDVDMenu, pmClose, pmMonitor}) {
        if (menu && menu->IsOpen())
            menu->Close();
    }
}

void TTavrelPlayer::sendCommand(qint32 code, qint32 param)
{
    if (m_host)
        m_host->SendCommand(code, param);
}

void TTavrelPlayer::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (m_firstPaintDone)
        return;
    m_firstPaintDone = true;
    // The second stage of start-up runs once the window has been drawn, not inside the paint
    // itself: it opens media and may show boxes.
    QMetaObject::invokeMethod(this, &TTavrelPlayer::FirstPaint, Qt::QueuedConnection);
}

void TTavrelPlayer::closeEvent(QCloseEvent *event)
{
    event->ignore();
    emit CloseRequested();
}

void TTavrelPlayer::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Glob follows through the layout and runs FormResize from its own resize.
}

void TTavrelPlayer::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        CloseVideoMenus();
    if (event->type() == QEvent::WindowStateChange)
        windowStateChanged(static_cast<QWindowStateChangeEvent *>(event)->oldState());
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        windowStateChanged();
}

void TTavrelPlayer::dragEnterEvent(QDragEnterEvent *event)
{
    if (!DroppedFileNames(*event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TTavrelPlayer::dropEvent(QDropEvent *event)
{
    const QStringList names = DroppedFileNames(*event->mimeData());
    if (names.isEmpty() || !m_host)
        return;
    event->acceptProposedAction();
    m_host->DropFiles(names, mapToGlobal(event->position().toPoint()));
}

void TTavrelPlayer::windowStateChanged(Qt::WindowStates before)
{
    const int event = PluginWindowRules::EventOfStateChange(before, windowState());
    if (event == 0)
        return;
    if (m_host)
        m_host->PluginWindowEvent(event);
    // A window coming back brings its panels to the front; maximizing does not.
    if (event != 7)
        RaisePanels();
}

bool TTavrelPlayer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Glob || watched == VideoWin) {
        switch (event->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            pictureMouse(static_cast<QWidget *>(watched), event);
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

Qt::Edges TTavrelPlayer::edgesAt(const QPoint &pos) const
{
    Qt::Edges edges;
    if (m_fullScreen)
        return edges;
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
    pictureMouse(this, event);
    QWidget::mousePressEvent(event);
}

void TTavrelPlayer::mouseMoveEvent(QMouseEvent *event)
{
    pictureMouse(this, event);
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
