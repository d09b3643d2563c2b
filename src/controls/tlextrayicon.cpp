#include "tlextrayicon.h"

#include <QCursor>
#include <QMenu>
#include <QSystemTrayIcon>

TLexTrayIcon::TLexTrayIcon(QObject *parent)
    : QObject(parent)
    , m_icon(new QSystemTrayIcon(this))
{
    // Qt reports a left press as Trigger and the second press of a double click as
    // DoubleClick; the notification area's own press/release pairs are rebuilt from them.
    connect(m_icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                switch (reason) {
                case QSystemTrayIcon::Trigger:
                    Notify(TTrayMouse::LeftDown);
                    Notify(TTrayMouse::LeftUp);
                    break;
                case QSystemTrayIcon::DoubleClick:
                    Notify(TTrayMouse::LeftDouble);
                    break;
                case QSystemTrayIcon::Context:
                    Notify(TTrayMouse::RightUp, QCursor::pos());
                    break;
                default:
                    break;
                }
            });
}

TLexTrayIcon::~TLexTrayIcon()
{
    SetActive(false);
}

bool TLexTrayIcon::Available()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TLexTrayIcon::SetActive(bool active)
{
    if (active == m_active)
        return;
    if (active && !Available())
        return;
    m_active = active;
    m_icon->setVisible(active);
}

void TLexTrayIcon::SetIcon(const QIcon &icon)
{
    m_iconPicture = icon;
    m_icon->setIcon(icon);
}

void TLexTrayIcon::SetToolTip(const QString &text)
{
    m_toolTip = text.left(kToolTipLimit);
    m_icon->setToolTip(m_toolTip);
}

QRect TLexTrayIcon::Geometry() const
{
    return m_active ? m_icon->geometry() : QRect();
}

void TLexTrayIcon::Notify(TTrayMouse message, QPoint cursor)
{
    switch (message) {
    case TTrayMouse::LeftDown:
        m_leftPressed = true;
        if (OnMouseDown)
            OnMouseDown();
        break;
    case TTrayMouse::LeftUp:
        if (!m_leftPressed)
            break;
        m_leftPressed = false;
        if (OnClick)
            OnClick();
        break;
    case TTrayMouse::LeftDouble:
        m_leftPressed = false;
        if (OnDblClick)
            OnDblClick();
        break;
    case TTrayMouse::RightUp:
        if (m_popupMenu)
            m_popupMenu->popup(cursor);
        if (OnRightClick)
            OnRightClick(cursor);
        break;
    }
}
