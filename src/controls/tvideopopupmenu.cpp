#include "tvideopopupmenu.h"

#include "skinfonts.h"
#include "tvidmenuwnd.h"

#include <cmath>

TVideoPopupMenu::TVideoPopupMenu(QObject *owner)
    : QObject(owner)
    , m_items(std::make_unique<TMenuItem>())
{
    m_look.gradColor1 = 255;
    m_look.gradColor2 = 166;
    m_look.colorBorder = clAqua;
    m_look.font = skinFont(QStringLiteral("MS Sans Serif"), -11);
    m_look.fontShortCut = m_look.font;
    m_closeTimer.setInterval(CloseTick);
    connect(&m_closeTimer, &QTimer::timeout, this, &TVideoPopupMenu::closeTick);
    connect(m_items.get(), &TMenuItem::changed, this, [this](bool structural) {
        if (structural)
            markRebuild();
        else if (m_window)
            m_window->update();
    });
}

TVideoPopupMenu::~TVideoPopupMenu()
{
    delete m_window.data();
}

TMenuItem *TVideoPopupMenu::itemAt(int index) const
{
    return index >= 0 && index < m_items->Count() ? m_items->Item(index) : nullptr;
}

void TVideoPopupMenu::ShowAt(int x, int y)
{
    if (OnPopup)
        OnPopup(this);
    if (m_rebuildNeeded || !m_window) {
        // A row's click can open its own menu again: the old window (and the row) may still
        // be inside its event handler, so it goes once the event is done with.
        if (m_window) {
            m_window->hide();
            m_window->deleteLater();
        }
        m_window = new TVidMenuWnd(this, m_parentControl);
        m_window->raise();
        m_countdown = IntervalClose;
        build(x, y);
        m_closeTimer.start();
        m_rebuildNeeded = false;
        return;
    }
    m_window->ClearHot();
    m_window->move(vidMenuLeft(x, m_window->width(), m_look.clearBorder), y);
    m_window->update();
    m_countdown = IntervalClose;
    m_closeTimer.start();
    m_window->show();
    m_window->raise();
}

void TVideoPopupMenu::build(int x, int y)
{
    std::vector<TVidMenuEntry> entries;
    for (int i = 0; i < m_items->Count(); ++i) {
        if (m_items->Item(i)->visible())
            entries.push_back({m_items->Item(i)->caption(), i});
    }
    const TVidMenuGeometry geometry
        = layoutVidMenu(entries, m_look.font, m_look.clearBorder, m_look.wide, QPoint(x, y));
    m_captionWidth = geometry.captionWidth;
    m_window->Build(geometry);
    ++m_buildCount;
    m_window->show();
    m_window->raise();
}

bool TVideoPopupMenu::IsOpen() const
{
    return m_window && m_window->isVisible();
}

void TVideoPopupMenu::Close()
{
    if (m_window)
        m_window->hide();
}

QPoint TVideoPopupMenu::MenuOrigin() const
{
    return m_window ? m_window->mapToGlobal(QPoint(0, 0)) : QPoint();
}

int TVideoPopupMenu::MenuWidth() const
{
    return m_window ? m_window->width() : 0;
}

int TVideoPopupMenu::MenuHeight() const
{
    return m_window ? m_window->height() : 0;
}

void TVideoPopupMenu::setFont(const QFont &font)
{
    if (font == m_look.font)
        return;
    m_look.font = font;
    // Captions measured in another face would not fit their rows.
    markRebuild();
}

int TVideoPopupMenu::fontSize() const
{
    return static_cast<int>(std::lround(fontPixelHeight(m_look.font) * 72.0 / 96.0));
}

void TVideoPopupMenu::setFontSize(int points)
{
    if (points == fontSize())
        return;
    m_look.font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0))));
    markRebuild();
}

void TVideoPopupMenu::setColor(TColor color)
{
    m_look.color = color;
    if (m_window)
        m_window->update();
}

void TVideoPopupMenu::setClearBorder(int clearBorder)
{
    if (clearBorder == m_look.clearBorder)
        return;
    m_look.clearBorder = clearBorder;
    // The shape and the anchor side were fixed by the last build.
    markRebuild();
}

void TVideoPopupMenu::setWide(bool wide)
{
    if (wide == m_look.wide)
        return;
    m_look.wide = wide;
    markRebuild();
}

void TVideoPopupMenu::RestartCountdown()
{
    m_countdown = IntervalClose;
}

void TVideoPopupMenu::RowClicked(int itemIndex)
{
    Close();
    if (TMenuItem *item = itemAt(itemIndex))
        item->Click();
}

void TVideoPopupMenu::closeTick()
{
    // A menu whose parent is hidden for a moment (the window minimised or going full screen)
    // is still open: the countdown runs on, so that it cannot come back with no timer to close it.
    if (!m_window || m_window->isHidden()) {
        m_closeTimer.stop();
        return;
    }
    if (--m_countdown <= 0) {
        m_closeTimer.stop();
        m_window->hide();
    }
}
