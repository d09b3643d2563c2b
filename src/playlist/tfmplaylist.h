#pragma once

#include "menus/taction.h"
#include "playlistcolors.h"

#include <QEvent>
#include <QPoint>
#include <QRect>
#include <QStringList>
#include <QWidget>
#include <optional>

class QMenu;
class TOrImage;
class TPlayListBox;
class TPlayListCloseBox;
class TPlayListModel;
class TTavrelPlayer;

// The playlist window. Docked, it is a borderless child of the main window centred over the
// picture, see-through like the other panels, and its mouse and keys feed the main window's
// input rules as if it were part of the video. Floating, it is a resizable tool window that
// moves when dragged by its list. The entries, their selection and focus live in the model.
class TfmPlayList : public QWidget
{
    Q_OBJECT

public:
    TfmPlayList(TPlayListModel &model, TTavrelPlayer *mainWindow, const QString &themeFolder);
    ~TfmPlayList() override;

    TPlayListBox *ListBox1 = nullptr;
    TPlayListCloseBox *pbClose = nullptr;
    TOrImage *pbAdd = nullptr, *pbDel = nullptr, *pbRand = nullptr, *pbUp = nullptr,
             *pbDown = nullptr, *pbPlSwp = nullptr;
    QMenu *pmPL = nullptr;

    bool IsDocked() const { return m_docked; }
    bool IsShowing() const { return isVisible(); }
    // Command 34 outside DVD mode.
    void Toggle();
    // Docking and undocking show the window unless told not to (the start-up restore).
    void Dock(bool show = true);
    void Undock(bool show = true);
    void SwitchDocking();
    // The bounds of the floating window: its own while floating, else those it had when it was
    // last docked (empty when it never floated).
    QRect FloatingBounds() const;
    void SetFloatingBounds(const QRect &bounds) { m_floatingBounds = bounds; }
    // Whether a point of the screen lies on the showing window.
    bool ContainsGlobal(QPoint globalPoint) const;
    // The main window's layout changed: a docked, showing window takes its new place and size.
    void Refit();
    const TPlayListColors &Colors() const { return m_colors; }

signals:
    // Buttons and the popup menu ask for the same operations as the main window's menus.
    void ActionRequested(const TAction &action);
    // A double click on an entry, or Enter in the floating window.
    void PlaySelectedRequested();
    void FilesDropped(const QStringList &names, QPoint globalPoint);

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createButtons(const QString &themeFolder);
    void createMenu();
    void applyShowingSteps();
    void layoutChildren();
    void applyTopMost();
    std::optional<TColor> dockedBackground() const;
    bool mouseEvent(QWidget *source, QMouseEvent *event);
    bool keyEvent(QKeyEvent *event);
    // The event again, at the same screen point, for one of the main window's controls.
    static void forwardMouse(QWidget *target, QMouseEvent *event, QEvent::Type type);

    TPlayListModel &m_model;
    TTavrelPlayer *m_main;
    TPlayListColors m_colors;
    bool m_docked = true;
    QRect m_floatingBounds;
    QPoint m_dragStart;  // where the last press was, on the screen
    QPoint m_dragOrigin; // where the window was then
    bool m_systemMove = false;
};
