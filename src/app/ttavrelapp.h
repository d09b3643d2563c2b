#pragma once

#include "cmdline/tavrelversion.h"
#include "cmdline/tcommandline.h"
#include "commands/tcommanddispatcher.h"
#include "discs/idriveprovider.h"
#include "iplayerhost.h"
#include "lang/tlang.h"
#include "playback/tquickvolume.h"
#include "settings/settingsrecord.h"
#include "tmediastate.h"

#include <QObject>
#include <memory>

class TAppPlugins;
class TDeferredSave;
class TDialogHost;
class IKeepAwake;
class IPowerControl;
class TCpuMeter;
class TErrorReporter;
class TFileChooser;
class TFilterGraph;
class TNoOff;
class TInstanceServer;
class TMediaDialogs;
class TPluginHost;
class TPlayListModel;
class TSettingsHost;
class TSettingsStore;
class TSubtitles;
enum class TDiscSource;
class TTavrelPlayer;
class TfmPlayList;
class QWidget;
struct PlaylistOutcome;
struct TInstanceFrame;

// The program-wide part of the player: settings, language, the graph, the
// playlist, the main window, the command channel. It runs the two stages of
// start-up, the commands and the exit; the window only shows and forwards.
class TTavrelApp : public QObject, public IPlayerHost
{
    Q_OBJECT

public:
    static constexpr const char *kVersionText = TavrelVersion::kText;
    static constexpr const char *kWebAddress = "https://tavrel.org/";

    TTavrelApp(const QStringList &arguments, std::unique_ptr<TSettingsStore> store,
               QObject *parent = nullptr);
    ~TTavrelApp() override;

    // Listens on the command channel; false when another instance already does.
    bool Listen(const QString &endpoint);
    // Creates and shows the main window (the first stage of start-up).
    void FormCreate();

    // Runs a command now and returns its answer; the seeks are queued instead
    // and answer 0.
    qint32 SendCommand(qint32 code, qint32 param);
    void PostCommand(qint32 code, qint32 param);

    TTavrelPlayer *MainWindow() const { return m_window.get(); }
    TFilterGraph *Graph() const { return m_graph; }
    TPlayListModel &Playlist() const { return *m_playlist; }
    TErrorReporter &ErrorReporter() const { return *m_errors; }
    // The player's file dialogs; made with the main window as their parent on first use.
    TFileChooser &FileChooser();
    const TSettingsRecord &Settings() const { return m_settings; }
    TSettingsRecord &MutableSettings() { return m_settings; }
    const TLang &Lang() const { return m_lang; }
    const TMediaState &Media() const { return m_media; }
    // Plug-ins and tests add their own codes here.
    TCommandDispatcher &Dispatcher() { return m_dispatcher; }
    bool Exiting() const { return m_exiting; }
    // Where the optical drives are read; the system's unless a test points them elsewhere.
    void SetDriveProvider(std::unique_ptr<IDriveProvider> provider);
    bool ExitAtEnd() const { return m_exitAtEnd; }

    bool IsMediaActive() const;
    bool IsDvdMode() const;
    bool IsPlaylistShowing() const;
    TfmPlayList *PlayListWindow() const { return m_playlistWindow; }

    // What the main window asks of the player (ttavrelapp_window.cpp).
    bool IsMediaOpening() const override;
    bool IsDvdMenuShowing() const override;
    QSize DvdAspect() const override;
    int AudioStreamCount() const override;
    bool IsStillPicture() const override;
    QString Text(int index) const override;
    void AddMenuState(TMenuState &state) const override;
    qint32 RunAction(const TAction &action) override;
    QStringList DriveCaptions() const override;
    QStringList SubtitleTrackLanguages() const override;
    int CurrentSubtitleTrack() const override;
    void AddInputState(TInputState &state) const override;
    // Files dropped on the picture or on the playlist window, at this point of the screen.
    void DropFiles(const QStringList &names, QPoint globalPoint) override;

    // The plug-ins (ttavrelapp_plugins.cpp); null before the main window is created.
    TPluginHost *Plugins() const;
    void PluginKey(int &virtualKey, TInputShift &shift) override;
    void PluginMouseMove(int &x, int &y, TInputShift &shift, int &cursor) override;
    void PluginWindowEvent(int event) override;

    void ShowStatusText(const QString &text, int tenths, int kind);
    void ShowStatusTextIndex(int textIndex, int tenths, int kind);

    // Media operations used across the player.
    void OpenFile(const QString &name, int audioStream = 1, int startSeconds = 0);
    void CloseMedia();
    void OpenDvd();
    // A DVD's title from its volume label ("MY_FILM_NTSC" reads "MY FILM").
    static QString DvdTitleFromLabel(const QString &label);
    // The title that skipping a DVD's introduction starts, from the titles'
    // playing times in seconds (-1 unknown); 0 starts the disc normally.
    static int IntroductionSkipTitle(const QList<int> &seconds);
    // The volume bar: every change sets the engine's volume and tells the user.
    void SetVolumeBar(int position);
    int VolumeBar() const { return m_volumeBar; }
    void QuickVolumeClick();
    // Stores the state and ends the program.
    void Exit1Click();

    // Power-off, keep-awake and snapshots (ttavrelapp_power.cpp). Tests hand in recorders
    // before anything can switch the machine off.
    void SetPowerControl(std::unique_ptr<IPowerControl> control);
    void SetKeepAwake(std::unique_ptr<IKeepAwake> keepAwake);
    TNoOff *NoOffTimer() const { return m_noOff.get(); }
    void TakeSnapshot();
    // The answer to the busy query (message 1424).
    qint32 BusyQuery() const;

signals:
    // The first frame of the first medium was painted (start-up measurement).
    void FirstFrameShown();

private:
    // Subtitles (ttavrelapp_subtitles.cpp).
    void PrepareSubtitles(const QString &medium);
    void StartSubtitles();
    qint32 RunSubtitleAction(const TAction &action);
    bool DropSubtitleFile(const QStringList &names);

    void WireMainWindow();
    void LoadPlugins();
    void StartPlugins();

    // Start-up (ttavrelapp_startup.cpp).
    void FormPaint();
    void ApplyCommandLine();
    void UpdateReminder();
    void CountStarts();
    void RestoreWindowRect();
    void RestorePlaylistAtStart();

    // Commands (ttavrelapp_commands.cpp, ttavrelapp_playback.cpp).
    void BindCommands();
    void BindPlaybackCommands();
    void BindQueries();
    qint32 HandleFrame(const TInstanceFrame &frame);
    void Perform(const PlaylistOutcome &outcome);
    qint32 RelativeSeek(qint32 code, qint32 milliseconds);
    void AbsoluteSeek(qint32 seconds);
    void CloseCommand();
    void StartPlaylist();
    void HandOffOpen();
    void RunOpenDialog(QWidget *over = nullptr);

    // Opening and closing (ttavrelapp_open.cpp).
    bool RenderWithRetry(const QString &name);
    void SaveResumePosition();
    int PositionSeconds() const;
    int DurationSeconds() const;

    // DVD-Video (ttavrelapp_dvd.cpp).
    void BindDvdCommands();
    bool StartDvdNavigator(const QString &pending);
    void SkipDvdIntroduction();
    void AskForDvdDecoders(int missing);
    bool IsDvdMenuNow() const;
    void StepDvdTitle(int delta);
    void DvdNextChapter();
    void DvdPreviousChapter();
    qint32 DvdRelativeSeek(qint32 code, qint32 milliseconds);
    void OnDVDTitleChange(int title);
    void OnDvdDomainChange(qint64 domain);

    // The playlist window (ttavrelapp_playlist.cpp).
    void CreatePlayListWindow();
    void BindPlaylistCommands();
    void ShowPlaylistWindow();
    void RestorePlayListWindow();
    void StorePlayListWindowState();
    void HidePlaylistOnOpen();

    // What is kept across runs (ttavrelapp_session.cpp).
    void RefreshSessionState();
    void SaveSessionState();
    void WatchSessionState();
    // Discs and drives (ttavrelapp_discs.cpp).
    void BindDiscCommands();
    const IDriveProvider &DriveProvider() const;
    qint32 PlayDiscFrom(TDiscSource source, QChar chosen);
    qint32 RunDriveChooser();

    // Events of the graph.
    void OnGraphComplete();
    void OnGraphErrorAbort(quint32 code);

    // The media information, picture and audio track windows (ttavrelapp_dialogs.cpp).
    friend class TDialogHost;
    void BindDialogCommands();
    void ApplyStoredPicture();
    // The settings dialog (ttavrelapp_settings.cpp).
    friend class TSettingsHost;
    void BindSettingsCommands();
    // Power-off and the one-second timer (ttavrelapp_power.cpp).
    void WirePower();
    void ConfirmPowerOff();
    void FlipPowerOffAtEnd(bool &flag);
    // The media-player service on the session bus (ttavrelapp_mpris.cpp).
    void WireMpris();

    // Hooks of subsystems that are built separately; each is called at its
    // documented place and does nothing until its subsystem exists.
    void ShowFirstStartHints(int startCount);
    void NotifyPlugins(int event, int param = 0);
    void PowerOff();
    void ShowMainMenuIcons();
    void ApplyPictureAsIs();
    void SetZoomBar(int position);

    TCommandLine m_commandLine;
    std::unique_ptr<TSettingsStore> m_store;
    TSettingsRecord m_settings;
    TLang m_lang;
    TCommandDispatcher m_dispatcher;
    std::unique_ptr<TPlayListModel> m_playlist;
    std::unique_ptr<TErrorReporter> m_errors;
    std::unique_ptr<TTavrelPlayer> m_window;
    TfmPlayList *m_playlistWindow = nullptr; // a child of the main window
    std::unique_ptr<TDeferredSave> m_sessionSave;
    // Created on first use; the windows go before the main window that owns them.
    std::unique_ptr<TDialogHost> m_dialogHost;
    std::unique_ptr<TMediaDialogs> m_dialogs;
    std::unique_ptr<TSettingsHost> m_settingsHost;
    TFilterGraph *m_graph = nullptr;
    TInstanceServer *m_server = nullptr;
    TMediaState m_media;
    int m_volumeBar = 10000;
    TQuickVolume m_quickVolume;
    bool m_dvdMode = false;
    bool m_exitAtEnd = false;
    bool m_exiting = false;
    bool m_reportFirstFrame = true;
    std::unique_ptr<IPowerControl> m_powerControl;
    std::unique_ptr<IKeepAwake> m_keepAwake;
    std::unique_ptr<TCpuMeter> m_cpuMeter;
    std::unique_ptr<TNoOff> m_noOff; // after what it uses: it gives the hold back when it goes
    // Last, so that the plug-ins stop before anything they were lent goes away.
    std::unique_ptr<TAppPlugins> m_plugins;
    std::unique_ptr<TSubtitles> m_subtitles; // ttavrelapp_subtitles.cpp
    mutable std::unique_ptr<IDriveProvider> m_driveProvider;
    std::unique_ptr<TFileChooser> m_fileChooser;
    bool m_discScanning = false;
};
