#pragma once

#include <QIcon>
#include <QObject>
#include <QPoint>
#include <QString>
#include <functional>

class QMenu;
class QSystemTrayIcon;

// The mouse messages of the notification area that the icon turns into events.
enum class TTrayMouse { LeftDown, LeftUp, LeftDouble, RightUp };

// One icon in the notification area (QSystemTrayIcon underneath), its tool tip, its popup menu
// and the click, double-click and press events. A click is a left press followed by a release;
// the release after a double click fires no click.
class TLexTrayIcon : public QObject
{
    Q_OBJECT

public:
    static constexpr int kToolTipLimit = 62;

    explicit TLexTrayIcon(QObject *parent = nullptr);
    ~TLexTrayIcon() override;

    // Whether the desktop offers a notification area at all.
    static bool Available();

    // The icon is in the notification area. Turning it on without a notification area leaves
    // it off.
    bool Active() const { return m_active; }
    void SetActive(bool active);
    QIcon Icon() const { return m_iconPicture; }
    void SetIcon(const QIcon &icon);
    QString ToolTip() const { return m_toolTip; }
    // Longer texts are cut to their first kToolTipLimit characters.
    void SetToolTip(const QString &text);
    QMenu *PopupMenu() const { return m_popupMenu; }
    void SetPopupMenu(QMenu *menu) { m_popupMenu = menu; }

    std::function<void()> OnMouseDown;
    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    std::function<void(QPoint cursor)> OnRightClick;

    // One mouse message from the notification area; `cursor` in screen coordinates.
    void Notify(TTrayMouse message, QPoint cursor = {});

    // The icon's rectangle on the screen (empty while it is not shown).
    QRect Geometry() const;

private:
    QSystemTrayIcon *m_icon = nullptr;
    QMenu *m_popupMenu = nullptr;
    QIcon m_iconPicture;
    QString m_toolTip;
    bool m_active = false;
    bool m_leftPressed = false;
};
