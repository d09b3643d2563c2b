#pragma once

#include "tmenuitem.h"
#include "tvidmenuwnd.h"
#include "vidmenupainter.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

// A menu drawn by the player itself as a child window over the video: coloured to the theme,
// joined to its icon by a tab, closing itself after an idle time, and kept inside a full-screen
// picture because it lives inside ParentControl.
class TVideoPopupMenu : public QObject
{
    Q_OBJECT
    Q_PROPERTY(TColor Grad_Color1 READ gradColor1 WRITE setGradColor1)
    Q_PROPERTY(TColor Grad_Color2 READ gradColor2 WRITE setGradColor2)
    Q_PROPERTY(TColor ColorBorder READ colorBorder WRITE setColorBorder)
    Q_PROPERTY(TColor Font_ColorBorder READ fontColorBorder WRITE setFontColorBorder)
    Q_PROPERTY(TColor Font_ColorSelect MEMBER Font_ColorSelect)
    Q_PROPERTY(TColor Font_ColorSelectBorder MEMBER Font_ColorSelectBorder)
    Q_PROPERTY(TColor Font_ColorChecked READ fontColorChecked WRITE setFontColorChecked)
    Q_PROPERTY(
        TColor Font_ColorCheckedBorder READ fontColorCheckedBorder WRITE setFontColorCheckedBorder)
    Q_PROPERTY(QFont Font READ font WRITE setFont)
    Q_PROPERTY(TColor FontColor READ fontColor WRITE setFontColor)
    Q_PROPERTY(int FontSize READ fontSize WRITE setFontSize)
    Q_PROPERTY(QFont FontShortCut READ fontShortCut WRITE setFontShortCut)
    Q_PROPERTY(TColor FontShortCutColor READ fontShortCutColor WRITE setFontShortCutColor)
    Q_PROPERTY(TColor Color READ color WRITE setColor)
    Q_PROPERTY(int IntervalClose MEMBER IntervalClose)
    Q_PROPERTY(int ClearBorder READ clearBorder WRITE setClearBorder)
    Q_PROPERTY(bool Wide READ wide WRITE setWide)
    Q_PROPERTY(QWidget *ParentControl READ ParentControl WRITE setParentControl)

public:
    static constexpr int CloseTick = 100;

    explicit TVideoPopupMenu(QObject *owner = nullptr);
    ~TVideoPopupMenu() override;

    // The item tree; its direct children are the menu's items.
    TMenuItem *Items() const { return m_items.get(); }
    // The item with the given index among all items, hidden ones included.
    TMenuItem *itemAt(int index) const;

    // Opens the menu with its anchor at (x, y) in ParentControl's coordinates.
    void ShowAt(int x, int y);
    bool IsOpen() const;
    // Hides the window; it stays for reuse.
    void Close();
    QPoint MenuOrigin() const;
    int MenuWidth() const;
    int MenuHeight() const;
    // The open window, if one was built.
    TVidMenuWnd *Window() const { return m_window; }
    // How many times a window was built; a reused window does not count.
    int BuildCount() const { return m_buildCount; }

    QWidget *ParentControl() const { return m_parentControl; }
    void setParentControl(QWidget *parent) { m_parentControl = parent; }

    TColor gradColor1() const { return m_look.gradColor1; }
    void setGradColor1(TColor color) { m_look.gradColor1 = color; }
    TColor gradColor2() const { return m_look.gradColor2; }
    void setGradColor2(TColor color) { m_look.gradColor2 = color; }
    TColor colorBorder() const { return m_look.colorBorder; }
    void setColorBorder(TColor color) { m_look.colorBorder = color; }
    TColor fontColorBorder() const { return m_look.fontColorBorder; }
    void setFontColorBorder(TColor color) { m_look.fontColorBorder = color; }
    TColor fontColorChecked() const { return m_look.fontColorChecked; }
    void setFontColorChecked(TColor color) { m_look.fontColorChecked = color; }
    TColor fontColorCheckedBorder() const { return m_look.fontColorCheckedBorder; }
    void setFontColorCheckedBorder(TColor color) { m_look.fontColorCheckedBorder = color; }
    QFont font() const { return m_look.font; }
    void setFont(const QFont &font);
    TColor fontColor() const { return m_look.fontColor; }
    void setFontColor(TColor color) { m_look.fontColor = color; }
    // In points; a change of value forces the next ShowAt to rebuild the window.
    int fontSize() const;
    void setFontSize(int points);
    QFont fontShortCut() const { return m_look.fontShortCut; }
    void setFontShortCut(const QFont &font) { m_look.fontShortCut = font; }
    TColor fontShortCutColor() const { return m_look.fontShortCutColor; }
    void setFontShortCutColor(TColor color) { m_look.fontShortCutColor = color; }
    TColor color() const { return m_look.color; }
    // Also repaints an open menu in place.
    void setColor(TColor color);
    int clearBorder() const { return m_look.clearBorder; }
    void setClearBorder(int clearBorder);
    bool wide() const { return m_look.wide; }
    void setWide(bool wide);

    const TVidMenuLook &look() const { return m_look; }
    int captionWidth() const { return m_captionWidth; }

    // Called by the rows.
    void RestartCountdown();
    void RowClicked(int itemIndex);

    TColor Font_ColorSelect = clWhite;
    TColor Font_ColorSelectBorder = clBlack;
    int IntervalClose = 30; // tenths of a second
    std::function<void(TVideoPopupMenu *)> OnPopup;

private:
    void build(int x, int y);
    void closeTick();
    void markRebuild() { m_rebuildNeeded = true; }

    std::unique_ptr<TMenuItem> m_items;
    TVidMenuLook m_look;
    QPointer<QWidget> m_parentControl;
    QPointer<TVidMenuWnd> m_window;
    QTimer m_closeTimer;
    int m_countdown = 0;
    int m_captionWidth = 0;
    int m_buildCount = 0;
    bool m_rebuildNeeded = true;
};
