#include "tfmplaylist.h"

#include "commands/commandcodes.h"
#include "media/videowindow.h"
#include "menus/playlistmenu.h"
#include "menus/tmenumodel.h"
#include "playlist/droppedfiles.h"
#include "playlist/tplaylistmodel.h"
#include "playlistplacement.h"
#include "settings/settingsrecord.h"
#include "themeloader.h"
#include "torimage.h"
#include "tplaylistbox.h"
#include "tplaylistclosebox.h"
#include "ttavrelplayer.h"
#include "tvideoarea.h"
#include "tvpanel.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QWindow>

namespace Place = PlayListPlacement;

namespace {

constexpr int kTextCaption = 96;
constexpr int kButtonSize = 24;

} // namespace

TfmPlayList::TfmPlayList(TPlayListModel &model, TTavrelPlayer *mainWindow,
                         const QString &themeFolder)
    : QWidget(mainWindow)
    , m_model(model)
    , m_main(mainWindow)
    , m_colors(TPlayListColors::FromTable(mainWindow->ColorTable()))
{
    setObjectName(QStringLiteral("fmPlayList"));
    setMinimumSize(Place::kMinimumSize);
    resize(Place::kDesignClient);
    hide();

    ListBox1 = new TPlayListBox(model, this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->SetColors(m_colors);
    ListBox1->installEventFilter(this);
    ListBox1->viewport()->installEventFilter(this);
    installEventFilter(this);
    connect(ListBox1, &TPlayListBox::ItemDoubleClicked, this,
            [this] { emit PlaySelectedRequested(); });

    pbClose = new TPlayListCloseBox(this);
    pbClose->setObjectName(QStringLiteral("pbClose"));
    pbClose->SetColor(m_colors.frame);
    connect(pbClose, &TPlayListCloseBox::Clicked, this, &QWidget::hide);

    connect(m_main, &TTavrelPlayer::LayoutChanged, this, &TfmPlayList::Refit);
    // What shows through the docked window changed: it is shown again to take it up.
    connect(m_main->Glob, &TVideoArea::LogoChanged, this, [this] {
        if (m_docked && isVisible()) {
            hide();
            show();
        }
    });
    createButtons(themeFolder);
    createMenu();
    setAcceptDrops(true);
    layoutChildren();
}

TfmPlayList::~TfmPlayList() = default;

void TfmPlayList::createButtons(const QString &themeFolder)
{
    const auto make = [this, &themeFolder](const char *name, const char *picture, int left) {
        auto *button = new TOrImage(this);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(left, 0, kButtonSize, kButtonSize);
        button->setTransparent(true);
        button->setCursor(Qt::PointingHandCursor);
        button->setPictureOriginal(
            ThemeLoader::LoadThemePicture(themeFolder, QLatin1String(picture)));
        return button;
    };
    pbAdd = make("pbAdd", "PBADD", 15);
    pbDel = make("pbDel", "PBDEL", 40);
    pbRand = make("pbRand", "PBRAND", 65);
    pbUp = make("pbUp", "PBUP", 97);
    pbDown = make("pbDown", "PBDOWN", 122);
    pbPlSwp = make("pbPlSwp", "PBPLSWP", 154);

    using ActionTables::cmd;
    using ActionTables::named;
    pbAdd->OnClick = [this](QWidget *) { emit ActionRequested(cmd(Cmd::AddFiles)); };
    pbDel->OnClick = [this](QWidget *) { emit ActionRequested(named(TActionKind::DeleteFile)); };
    pbRand->OnMouseDown = [this](QWidget *, Qt::MouseButton button, TShiftState, int, int) {
        if (button == Qt::LeftButton)
            emit ActionRequested(named(TActionKind::SortPlaylist));
        else if (button == Qt::RightButton)
            emit ActionRequested(named(TActionKind::ShufflePlaylist));
    };
    pbUp->OnMouseDown = [this](QWidget *, Qt::MouseButton button, TShiftState, int, int) {
        if (button == Qt::LeftButton || button == Qt::RightButton)
            m_model.MoveUp(button == Qt::RightButton);
        ListBox1->ScrollToItem(m_model.ItemIndex());
    };
    pbDown->OnMouseDown = [this](QWidget *, Qt::MouseButton button, TShiftState, int, int) {
        if (button == Qt::LeftButton || button == Qt::RightButton)
            m_model.MoveDown(button == Qt::RightButton);
        ListBox1->ScrollToItem(m_model.ItemIndex());
    };
    // The switch re-parents this window, so it waits until the button's click is over.
    pbPlSwp->OnClick = [this](QWidget *) {
        QMetaObject::invokeMethod(this, &TfmPlayList::SwitchDocking, Qt::QueuedConnection);
    };
}

void TfmPlayList::createMenu()
{
    pmPL = new QMenu(this);
    pmPL->setObjectName(QStringLiteral("pmPL"));
    for (const TMenuItemDef &def : PlayListMenuItems()) {
        QAction *action = def.isSeparator() ? pmPL->addSeparator()
                                            : pmPL->addAction(m_main->TextOf(def.textIndex));
        action->setObjectName(QLatin1String(def.name));
        if (!def.isSeparator())
            connect(action, &QAction::triggered, this,
                    [this, &def] { emit ActionRequested(def.action); });
    }
}

void TfmPlayList::layoutChildren()
{
    const QSize client = size();
    ListBox1->setGeometry(Place::ListGeometry(client, m_docked));
    pbClose->setGeometry(Place::CloseBoxGeometry(client));
    const int top = Place::ButtonTop(client);
    for (TOrImage *button : {pbAdd, pbDel, pbRand, pbUp, pbDown, pbPlSwp})
        button->move(button->x(), top);
}

void TfmPlayList::applyShowingSteps()
{
    setWindowTitle(m_main->TextOf(kTextCaption));
    if (m_docked) {
        pbClose->show();
        const Place::TDockedLook look
            = Place::Docked(m_main->IsFullScreen(), m_main->CurrentSettings());
        if (look.list)
            ListBox1->SetLook(look.list->fontPoints, look.list->itemHeight);
        resize(look.size.expandedTo(Place::kMinimumSize));
        ListBox1->SetBackground(dockedBackground());
        // A thin bar in the frame colour, so that the picture is not covered by a grey one.
        ListBox1->verticalScrollBar()->setStyleSheet(
            QStringLiteral("QScrollBar:vertical { background: transparent; width: 7px; margin: 0; }"
                           "QScrollBar::handle:vertical { background: %1; min-height: 12px;"
                           " border-radius: 3px; }"
                           "QScrollBar::add-line, QScrollBar::sub-line { height: 0; }"
                           "QScrollBar::add-page, QScrollBar::sub-page { background: none; }")
                .arg(toQColor(m_colors.frame).name()));
        move(Place::DockedGeometry(m_main->size(), size()).topLeft());
        setMask(Place::DockedShape(size()));
        raise();
    } else {
        pbClose->hide();
        const Place::TListLook look = Place::Floating();
        ListBox1->SetLook(look.fontPoints, look.itemHeight);
        ListBox1->SetBackground(m_colors.floatingBackground);
        ListBox1->verticalScrollBar()->setStyleSheet(QString());
        clearMask();
    }
    layoutChildren();
    if (m_model.ItemIndex() < 0 && m_model.Count() > 0)
        m_model.SetItemIndex(0);
}

std::optional<TColor> TfmPlayList::dockedBackground() const
{
    // Like every panel over the picture the docked list lets the picture show through; over
    // the logo it takes the panels' own colour so that its titles stay readable.
    if (m_main->Glob->ShowLogo())
        return TTavrelPlayer::kPanelKey;
    return std::nullopt;
}

void TfmPlayList::showEvent(QShowEvent *event)
{
    applyShowingSteps();
    QWidget::showEvent(event);
}

void TfmPlayList::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutChildren();
    if (m_docked)
        setMask(Place::DockedShape(size()));
}

void TfmPlayList::Refit()
{
    if (m_docked && isVisible())
        applyShowingSteps();
}

void TfmPlayList::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_docked) {
        painter.fillRect(rect(), toQColor(m_colors.floatingBackground));
        return;
    }
    if (const std::optional<TColor> background = dockedBackground())
        painter.fillRect(rect(), toQColor(*background));
    painter.setPen(toQColor(m_colors.frame));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRect(0, 0, width() - 1, height() - 1), Place::kCornerEllipse / 2,
                            Place::kCornerEllipse / 2);
}

void TfmPlayList::Toggle()
{
    if (!isVisible() && !m_main->IsFullScreen())
        m_main->pnStatus2->hide();
    setVisible(!isVisible());
    if (isVisible() && !m_docked)
        applyTopMost();
}

void TfmPlayList::Dock(bool show)
{
    if (m_docked)
        return;
    hide();
    m_floatingBounds = geometry();
    m_docked = true;
    setParent(m_main, Qt::Widget);
    if (show)
        this->show();
}

void TfmPlayList::Undock(bool show)
{
    if (!m_docked)
        return;
    hide();
    m_docked = false;
    clearMask();
    setParent(m_main, Qt::Tool);
    if (m_floatingBounds.width() != 0) {
        setGeometry(m_floatingBounds);
    } else {
        // The first time it floats it keeps the size it was designed with, beside the film.
        resize(Place::kDesignClient);
        const QScreen *screen = m_main->screen();
        move(Place::FirstFloatingPosition(m_main->frameGeometry(), size(),
                                          screen ? screen->availableGeometry() : QRect()));
    }
    if (show)
        this->show();
}

void TfmPlayList::SwitchDocking()
{
    if (m_docked)
        Undock();
    else
        Dock();
}

QRect TfmPlayList::FloatingBounds() const
{
    return m_docked ? m_floatingBounds : geometry();
}

bool TfmPlayList::ContainsGlobal(QPoint globalPoint) const
{
    if (!isVisible())
        return false;
    if (!m_docked)
        return frameGeometry().contains(globalPoint);
    const QPoint local = mapFromGlobal(globalPoint);
    return rect().contains(local) && (mask().isEmpty() || mask().contains(local));
}

void TfmPlayList::applyTopMost()
{
    const bool top = m_main->CurrentSettings().TOPMOST || m_main->IsFullScreen();
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == top)
        return;
    // Changing the flag hides the window; its place and size stay.
    const QRect bounds = geometry();
    setWindowFlag(Qt::WindowStaysOnTopHint, top);
    setGeometry(bounds);
    show();
}

void TfmPlayList::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !m_docked && isActiveWindow())
        applyTopMost();
}

void TfmPlayList::dragEnterEvent(QDragEnterEvent *event)
{
    if (!DroppedFileNames(*event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TfmPlayList::dropEvent(QDropEvent *event)
{
    const QStringList names = DroppedFileNames(*event->mimeData());
    if (names.isEmpty())
        return;
    event->acceptProposedAction();
    emit FilesDropped(names, mapToGlobal(event->position().toPoint()));
}

bool TfmPlayList::eventFilter(QObject *watched, QEvent *event)
{
    const bool mine = watched == this || watched == ListBox1 || watched == ListBox1->viewport();
    if (!mine)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        return watched != ListBox1
               && mouseEvent(static_cast<QWidget *>(watched), static_cast<QMouseEvent *>(event));
    case QEvent::KeyPress:
        return keyEvent(static_cast<QKeyEvent *>(event));
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void TfmPlayList::forwardMouse(QWidget *target, QMouseEvent *event, QEvent::Type type)
{
    const QPointF global = event->globalPosition();
    const QPointF local = target->mapFromGlobal(global);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : event->button();
    QMouseEvent copy(type, local, global, button, event->buttons(), event->modifiers());
    QCoreApplication::sendEvent(target, &copy);
}

bool TfmPlayList::mouseEvent(QWidget *source, QMouseEvent *event)
{
    const bool inList = source == ListBox1->viewport();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        m_main->ClearPopupSuppression();
        m_dragStart = event->globalPosition().toPoint();
        m_dragOrigin = pos();
        // A double click reaches the picture as the press it is, not as its double click.
        if (m_docked && inList)
            forwardMouse(m_main->VideoWin, event, QEvent::MouseButtonPress);
        if (event->type() == QEvent::MouseButtonDblClick && !inList
            && event->button() == Qt::LeftButton) {
            QMetaObject::invokeMethod(this, &TfmPlayList::SwitchDocking, Qt::QueuedConnection);
            return true;
        }
        return false;
    case QEvent::MouseMove:
        if (m_docked) {
            forwardMouse(m_main->Glob, event, QEvent::MouseMove);
            return false;
        }
        if (event->buttons() & Qt::LeftButton) {
            // The floating window follows a drag of its list instead of extending the selection.
            if (!m_systemMove && windowHandle())
                m_systemMove = windowHandle()->startSystemMove();
            if (!m_systemMove)
                move(m_dragOrigin + event->globalPosition().toPoint() - m_dragStart);
            return true;
        }
        return false;
    case QEvent::MouseButtonRelease:
        m_systemMove = false;
        if (event->button() == Qt::RightButton
            && !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))
            && !m_main->PopupSuppressed()) {
            pmPL->popup(event->globalPosition().toPoint());
            return true;
        }
        return false;
    default:
        return false;
    }
}

bool TfmPlayList::keyEvent(QKeyEvent *event)
{
    const bool plain
        = (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == 0;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!m_docked) {
        if (enter && plain)
            emit PlaySelectedRequested();
        // Up and Down go on to the list, which moves its focus; Enter has nothing more to do.
        if (enter || event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)
            return enter;
    }
    // Docked, the key map decides, list navigation included (command 333).
    QCoreApplication::sendEvent(m_main, event);
    return true;
}
