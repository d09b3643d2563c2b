#pragma once

#include "input/inputshift.h"
#include "input/tmouseinput.h"
#include "input/wheelnotches.h"
#include "menus/contextmenu.h"
#include "menus/taction.h"
#include "menus/videomenus.h"
#include "panellayout.h"
#include "panelrules.h"
#include "settings/settingsrecord.h"
#include "themeloader.h"

#include <QElapsedTimer>
#include <QWidget>
#include <array>
#include <span>

class IPlayerHost;
class QMenu;
class QTimer;
class TLexTrayIcon;
class TOrImage;
class TTimeLine;
class TVLabel;
class TVPanel;
class TVideoArea;
class TVideoPopupMenu;
class TVideoWindow;
struct TInputState;
struct TMenuState;

// The main window: borderless and black, the picture filling the client area under a set of
// floating panels that come up with the mouse and hide by themselves. The rules live in plain
// classes (panel layout and rules, readouts, caption fitting, video geometry, themes); this
// class owns the widgets and applies those rules. Sources are split by concern:
// ttavrelplayer_panels.cpp (building the panels), _layout.cpp (resize, showing and hiding),
// _readouts.cpp (clock, position, captions), _screen.cpp (full screen, zoom, monitors) and
// _theme.cpp (pictures and colours).
class TTavrelPlayer : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize kDesignClientSize{455, 353};
    static constexpr QSize kMinimumSize{346, 260};
    static constexpr int kSizingBorder = 5;
    static constexpr int kVisInterval = 220;
    static constexpr int kIdleCursorMs = 3000;

    explicit TTavrelPlayer(QWidget *parent = nullptr);
    ~TTavrelPlayer() override;

    // --- the controls, by their documented names ---
    TVideoArea *Glob = nullptr;
    TVideoWindow *VideoWin = nullptr;
    TVPanel *panMainMenu = nullptr, *panBorderIcons = nullptr, *pnTime = nullptr,
            *pnStatus2 = nullptr, *PanVolume = nullptr, *PanZoom = nullptr, *panTimeLine = nullptr,
            *pnTime2 = nullptr, *pnStatus = nullptr, *pnPlay = nullptr;
    TOrImage *iOpen = nullptr, *iPlay = nullptr, *iPlayList = nullptr, *iProp = nullptr,
             *iHelp = nullptr, *iMinim = nullptr, *iFullScr = nullptr, *iClose = nullptr,
             *iVolume = nullptr, *iZoom = nullptr;
    TOrImage *PPlay = nullptr, *PStop = nullptr, *PPause = nullptr, *pHome = nullptr,
             *pPrev = nullptr, *pNext = nullptr, *pOpen = nullptr, *pList = nullptr,
             *pFullScr = nullptr;
    TVLabel *lbTime = nullptr, *lbStatus2 = nullptr, *ll = nullptr, *l2 = nullptr,
            *lbTime2 = nullptr, *lbstatus = nullptr;
    TTimeLine *lVolume = nullptr, *lZoom = nullptr, *pl = nullptr;
    // The on-video menus; their items are filled by the menu code.
    TVideoPopupMenu *pmOpen = nullptr, *pmPlay = nullptr, *pmPlayList = nullptr, *pmProp = nullptr,
                    *pmHelp = nullptr, *pmDVDMenu = nullptr, *pmClose = nullptr,
                    *pmMonitor = nullptr;
    QTimer *tVis = nullptr;
    // The system context menu of the picture.
    QMenu *PmMain = nullptr;
    // Decides between a single and a double click on the picture (and the tray icon).
    QTimer *tClickWait = nullptr;
    // The notification-area icon and its menu (ttavrelplayer_tray.cpp); the icon stays
    // inactive where the desktop has no notification area.
    TLexTrayIcon *TrayIcon = nullptr;
    QMenu *TrayPopup = nullptr;

    // --- wiring ---
    void SetHost(IPlayerHost *host);
    IPlayerHost *Host() const { return m_host; }
    // Reads the theme at creation: pictures, colour table and "config.ini" of the folder.
    // An empty or missing folder keeps the built-in look.
    void LoadTheme(const QString &themeFolder);
    const TThemeConfig &ThemeConfig() const { return m_themeConfig; }
    // The theme's colour table as read at creation, for the windows that take their colours
    // from the main window's copy (the playlist).
    const std::optional<TColorTable> &ColorTable() const { return m_colorTable; }
    // The colour the panels' controls are drawn on; it is cut out over the picture.
    static constexpr TColor kPanelKey = 0x0A0A0A;

    bool FirstPaintDone() const { return m_firstPaintDone; }

    // --- picture and status ---
    // A medium of this display size is shown (empty: nothing is open, the logo comes back).
    void ShowPicture(const QSize &sourceSize);
    void ShowStatusText(const QString &text, int tenths, int kind);
    QString LastStatusText() const { return m_statusText; }
    int LastStatusKind() const { return m_statusKind; }
    int LastStatusTenths() const { return m_statusTenths; }
    bool StatusVisible() const;
    void HideStatus();

    // --- queries shared by the main window's rules ---
    bool IsMediaActive() const;
    bool IsDvdMode() const;
    bool IsFullScreen() const { return m_fullScreen; }
    // Whether the cursor is over the control, borders included (hidden controls too).
    bool CursorOver(const QWidget *control) const;
    bool CursorOver(const QWidget *control, QPoint globalCursor) const;

    // --- panels ---
    void RaisePanels();
    void CloseVideoMenus();
    void FormResize();
    TPanelLayout Layout() const { return m_layout; }
    // What a mouse move at this screen position brings up (the form, Glob and VideoWin call
    // it for every move that passes the input filters).
    void ShowPanelsForMouse(QPoint globalCursor);
    // Start-up: the icon bar, and the transport bar when StartShowPlayPanel is set.
    void ShowStartPanels();
    void ShowFirstStartHints(int startCount);
    void ShowMainMenuIcons();
    // Right button / grave key: the transport bar on and off.
    void TogglePlayPanel(bool timed);
    void ShowClock(int tenths);      // command 305
    void ShowLargeClock(int tenths); // command 306
    bool ClockPinned() const { return m_clockPinned; }
    bool ClockLoadMode() const { return m_clockLoadMode; }
    // The clock box shows the processor load and is up.
    bool ClockLoadShowing() const;
    // The processor load written into the clock by the one-second timer.
    void SetClockLoad(const QString &caption);

    // --- full screen, zoom, aspect, monitors ---
    void SetFullScreen(bool on);
    // The window's rectangle to store at exit: the windowed bounds while in full screen.
    QRect WindowedBounds() const { return m_fullScreen ? m_windowedBounds : geometry(); }
    void ApplyVideoGeometry(int zoom);
    int Zoom() const;
    int ZoomBar() const;
    void SetZoomBar(int position);
    void ZoomStep(bool up);                   // commands 48 / 49
    void FillHeight();                        // command 303
    void ZoomOrFill();                        // command 304
    void ApplyPictureAsIs(bool quiet = true); // command 319
    void CropMore();                          // command 316
    void CropLess();                          // command 317
    int Crop() const { return m_crop; }
    void SetAspectMode(int mode);
    int AspectMode() const { return m_aspectMode; }
    void PanBy(int dx, int dy);
    QPoint Pan() const { return {m_panX, m_panY}; }
    void ToggleTopMost();          // command 337
    void MoveToSecondMonitor();    // monTwo, Ctrl+F
    void MoveBackToFirstMonitor(); // the tray's item
    bool CanMoveToSecondMonitor() const;

    // --- input and menus ---
    // The key-down path of the form, Glob and VideoWin, by virtual key.
    void KeyDown(int virtualKey, TInputShift shift);
    // Command 328: the key map alone, the key packed in the parameter (key in the low 16 bits,
    // Shift 1, Alt 2, Ctrl 4 in the next byte).
    void TranslateKeyCommand(qint32 param);
    // Performs what a key, a gesture, an icon or a menu item asks for, in order.
    void PerformActions(const TActionList &actions);
    TVideoPopupMenu *VideoMenu(TVideoMenu menu) const;
    // The state the input rules and the menus look at, as the player answers now.
    TInputState InputState() const;
    TMenuState MenuState() const;
    // Set by a wheel turn or a drag over the picture; windows over the video (the docked
    // playlist) open their own menus only while it is clear, and clear it on a press.
    bool PopupSuppressed() const { return m_mouse.moved(); }
    void ClearPopupSuppression() { m_mouse.clearMoved(); }
    // The language text and the settings the window works with (its host's, or built-in).
    QString TextOf(int index) const { return text(index); }
    const TSettingsRecord &CurrentSettings() const { return settings(); }
    // The tray icon's click shares the picture's click timer.
    void TrayClick();
    // Back from the tray or the task bar: shown, in front and active; a film the minimise
    // paused runs again.
    void RestoreWindow();
    bool MinimisedToTray() const { return m_minimisedToTray; }

    // --- volume bar and time line ---
    void SetVolumeBar(int position);
    int VolumeBar() const;
    void SetTimeLine(int maximum, int position);

signals:
    // Right after the window's first paint, exactly once.
    void FirstPaint();
    // Every close request of the window; the application decides.
    void CloseRequested();
    // The user moved the volume bar (not the application's own SetVolumeBar).
    void VolumeBarMoved(int position);
    // The panels were laid out again for a new size of the video area (a docked playlist
    // re-fits itself then).
    void LayoutChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // ttavrelplayer_panels.cpp
    void createPanels();
    void createMenus();
    void wirePanelRules();
    void wireButtons();
    TVPanel *panelOf(TPanelId id) const;
    // ttavrelplayer_layout.cpp
    TPanelContext panelContext() const;
    TCursorAreas cursorAreasAt(QPoint globalCursor) const;
    void applyLayout(const TPanelLayout &layout);
    void sendCommand(qint32 code, qint32 param = 0);
    // ttavrelplayer_readouts.cpp
    void tVisTimer();
    void showSmallStatus(const QString &text, int tenths);
    void showLargeStatus(const QString &text, int tenths);
    void plMouseMove(int value);
    void idleCursorCheck();
    void noteMouseActivity(QPoint globalCursor);
    // Plug-ins: the key hook of the key map, the cursor they pick, the window state events.
    std::function<void(int &, TInputShift &)> pluginKeyHook();
    void applyPluginCursor(int id);
    void windowStateChanged(Qt::WindowStates before);
    // ttavrelplayer_screen.cpp
    void lZoomChange();
    QSize sourceSize() const;
    // ttavrelplayer_input.cpp
    void createInput();
    TInputState moveInputState() const;
    TMouseEvent mouseEventOf(const QMouseEvent *event, QWidget *source) const;
    // Press, release, double click and move over the form, Glob or VideoWin.
    void pictureMouse(QWidget *source, QEvent *event);
    void clickWaitTimer();
    // ttavrelplayer_tray.cpp
    void createTray();
    void windowStateChanged();
    // ttavrelplayer_actions.cpp
    qint32 performAction(const TAction &action);
    void stepVolume(int delta);
    void nextAspect();
    QString text(int index) const;
    // ttavrelplayer_menus.cpp
    void fillVideoMenus();
    void applyVideoMenuRules(TVideoMenu menu);
    void wireIconMenus();
    void buildContextMenu();
    void applyContextMenuRules();
    void fillMenu(QMenu *menu, std::span<const TMenuItemDef> items);
    void applyMenuRules(QMenu *root);
    void fillDynamicSubmenu(QMenu *submenu, const std::vector<TDriveMenuItem> &items);
    // ttavrelplayer_theme.cpp
    void loadPictures(const QString &themeFolder);
    void applyColorTable(const TColorTable &table);
    void applyDefaultColors();

    const TSettingsRecord &settings() const;
    Qt::Edges edgesAt(const QPoint &pos) const;

    IPlayerHost *m_host = nullptr;
    TSettingsRecord m_defaultSettings;
    TThemeConfig m_themeConfig;
    std::optional<TColorTable> m_colorTable;
    TPanelLayout m_layout = TPanelLayout::Design();
    QSize m_layoutGlob = TPanelLayout::kDesignGlob;

    QSize m_sourceSize;
    QString m_statusText;
    int m_statusKind = 0;
    int m_statusTenths = 0;
    bool m_statusForced = false;
    bool m_firstPaintDone = false;

    bool m_clockLoadMode = false;
    bool m_clockPinned = false;
    int m_hoverAge = 0;
    QPoint m_lastCursor;
    QElapsedTimer m_lastActivity;
    bool m_cursorHidden = false;
    bool m_pluginCursor = false; // a plug-in's cursor is set on the form
    bool m_updatingReadouts = false;
    bool m_settingVolume = false;
    bool m_quietZoom = false;

    bool m_fullScreen = false;
    QRect m_windowedBounds;
    int m_aspectMode = 0;
    int m_panX = 0;
    int m_panY = 0;
    int m_crop = 0;

    TMouseInput m_mouse;
    TWheelNotches m_wheelNotches;
    QElapsedTimer m_inputClock;
    QWidget *m_mouseSource = nullptr; // the control of the event being handled
    bool m_cursorOnZoomSlider = false;
    bool m_releaseEndsDoubleClick = false;

    bool m_minimisedToTray = false;
    bool m_minimisePaused = false;
};
