// The notification-area icon, its menu, and minimising to it.
#include "commands/commandcodes.h"
#include "iplayerhost.h"
#include "menus/traymenu.h"
#include "tlextrayicon.h"
#include "ttavrelplayer.h"

#include <QBitmap>
#include <QMenu>
#include <QPixmap>
#include <QTimer>

void TTavrelPlayer::createTray()
{
    TrayPopup = new QMenu(this);
    TrayPopup->setObjectName(QStringLiteral("TrayPopup"));
    fillMenu(TrayPopup, TrayMenuItems());
    connect(TrayPopup, &QMenu::aboutToShow, this, [this] { applyMenuRules(TrayPopup); });

    TrayIcon = new TLexTrayIcon(this);
    TrayIcon->setObjectName(QStringLiteral("TrayIcon"));
    // The skin's play picture, its key colour (the corner pixel) cut out.
    QPixmap picture(QStringLiteral(":/artwork/IPLAY.bmp"));
    if (!picture.isNull())
        picture.setMask(QBitmap::fromImage(
            picture.toImage().createMaskFromColor(picture.toImage().pixel(0, 0), Qt::MaskInColor)));
    TrayIcon->SetIcon(QIcon(picture));
    TrayIcon->SetToolTip(QStringLiteral("Tavrel"));
    TrayIcon->SetPopupMenu(TrayPopup);
    TrayIcon->OnMouseDown = [this] { tClickWait->stop(); };
    TrayIcon->OnClick = [this] { TrayClick(); };
    TrayIcon->OnDblClick = [this] {
        tClickWait->stop();
        if (settings().LeftMouseModeTray == 2)
            RestoreWindow();
    };
    TrayIcon->SetActive(true);
}

void TTavrelPlayer::RestoreWindow()
{
    m_minimisedToTray = false;
    if (isMinimized() || isHidden()) {
        if (m_fullScreen)
            showFullScreen();
        else
            showNormal();
    }
    raise();
    activateWindow();
    if (std::exchange(m_minimisePaused, false) && IsMediaActive() && m_host)
        m_host->SendCommand(Cmd::Play, 0);
}

void TTavrelPlayer::windowStateChanged()
{
    if (!(windowState() & Qt::WindowMinimized)) {
        // Restored by the window manager rather than by the tray or the player.
        if (m_minimisedToTray || m_minimisePaused)
            RestoreWindow();
        return;
    }
    if (m_minimisedToTray)
        return;
    if (settings().MinimizePause && IsMediaActive() && m_host) {
        m_host->SendCommand(Cmd::Pause, 0);
        m_minimisePaused = true;
    }
    // Without a notification area the window stays on the task bar, as with the setting off.
    if (settings().MinimizeToTray && TrayIcon->Active()) {
        m_minimisedToTray = true;
        // Hidden once the window manager has finished minimising it.
        QTimer::singleShot(0, this, [this] {
            if (m_minimisedToTray)
                hide();
        });
    }
}
