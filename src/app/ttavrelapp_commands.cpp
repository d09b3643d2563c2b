// The command table: every code the player answers, bound to the code that
// owns its rule.
#include "commands/commandcodes.h"
#include "media/filtergraph.h"
#include "playback/mediatexts.h"
#include "playlist/playlistcommands.h"
#include "playlist/playlistoutcome.h"
#include "playlist/tplaylistmodel.h"
#include "settings/settingsstore.h"
#include "taboutbox.h"
#include "tfilechooser.h"
#include "ttavrelapp.h"
#include "ttavrelplayer.h"

#include <QMetaObject>

qint32 TTavrelApp::SendCommand(qint32 code, qint32 param)
{
    // Seeks never run inside the sender's own call: they are queued and run
    // when they come off the event queue.
    if (CommandCodes::isDeferred(code)) {
        PostCommand(code, param);
        return 0;
    }
    return m_dispatcher.Dispatch(code, param);
}

void TTavrelApp::PostCommand(qint32 code, qint32 param)
{
    QMetaObject::invokeMethod(
        this, [this, code, param] { m_dispatcher.Dispatch(code, param); }, Qt::QueuedConnection);
}

void TTavrelApp::Perform(const PlaylistOutcome &outcome)
{
    if (outcome.statusTextIndex >= 0)
        ShowStatusTextIndex(outcome.statusTextIndex, outcome.statusTenths, 1);
    else if (!outcome.statusText.isEmpty())
        ShowStatusText(outcome.statusText, outcome.statusTenths, 1);
    switch (outcome.action) {
    case PlaylistOutcome::Action::None:
        break;
    case PlaylistOutcome::Action::OpenFile:
        OpenFile(outcome.fileName);
        break;
    case PlaylistOutcome::Action::OpenDvd:
        m_media.PendingDvdPath = outcome.fileName;
        OpenDvd();
        break;
    case PlaylistOutcome::Action::RunOpenDialog:
        SendCommand(Cmd::OpenDialog, 0);
        break;
    }
}

void TTavrelApp::BindCommands()
{
    BindPlaybackCommands();
    BindQueries();
    BindDvdCommands();
    BindPlaylistCommands();
    BindDialogCommands();
    BindDiscCommands();
    BindSettingsCommands();
    m_dispatcher.Bind(Cmd::Exit, [this](qint32) {
        if (m_settings.SavePos_Enabled && IsMediaActive() && !IsDvdMode())
            SaveResumePosition();
        Exit1Click();
        return 0;
    });
    m_dispatcher.Bind(Cmd::About, [this](qint32) {
        TAboutBox::Show(m_lang, QString::fromLatin1(kVersionText), QString::fromLatin1(kWebAddress),
                        m_window.get());
        return 0;
    });
    m_dispatcher.Bind(Cmd::OpenDialog, [this](qint32) {
        RunOpenDialog();
        return 0;
    });
    m_dispatcher.Bind(Cmd::OpenHandedFile, [this](qint32) {
        HandOffOpen();
        return 0;
    });
    m_dispatcher.Bind(Cmd::PublishCurrent, [this](qint32) {
        m_store->setValue(&TSettingsRecord::ThisFile_Path, m_media.Info.CurrentName);
        m_store->setValue(&TSettingsRecord::ThisFile_Caption, m_media.Info.CurrentTitle);
        return 0;
    });
    m_dispatcher.Bind(Cmd::Navigate, [this](qint32 param) {
        // The DVD menu part comes first; both parts run when both apply.
        if (IsDvdMenuNow())
            m_graph->DvdNavigate(param);
        Perform(ListNavigationCommand(*m_playlist, param, IsPlaylistShowing(), IsMediaActive()));
        return 0;
    });
    m_dispatcher.Bind(Cmd::ShowTitle, [this](qint32 param) {
        ShowStatusText(m_media.Info.CurrentTitle, param & 255, 2);
        return 0;
    });
    m_dispatcher.Bind(Cmd::Activate, [this](qint32) {
        if (!m_window)
            return 0;
        m_window->RestoreWindow();
        return 0;
    });
    m_dispatcher.Bind(Cmd::Focus, [this](qint32) {
        if (m_window)
            m_window->setFocus();
        return 0;
    });
}

void TTavrelApp::BindQueries()
{
    m_dispatcher.Bind(Cmd::QueryState, [this](qint32) {
        switch (m_graph->State()) {
        case TFilterGraph::Paused:
            return 1;
        case TFilterGraph::Running:
            return 2;
        default:
            return 0;
        }
    });
    m_dispatcher.Bind(Cmd::QueryPosition,
                      [this](qint32) { return IsMediaActive() ? PositionSeconds() : -1; });
    m_dispatcher.Bind(Cmd::QueryDuration,
                      [this](qint32) { return IsMediaActive() ? DurationSeconds() : 0; });
    m_dispatcher.Bind(Cmd::QueryAudioStreams,
                      [this](qint32) { return m_media.MediaOpen ? m_media.Info.AudioStreams : 0; });
    m_dispatcher.Bind(Cmd::QueryPlaylistVisible,
                      [this](qint32) { return IsPlaylistShowing() ? 1 : 0; });
    m_dispatcher.Bind(Cmd::QueryDvdMode, [this](qint32) { return IsDvdMode() ? 1 : 0; });
}

void TTavrelApp::RunOpenDialog(QWidget *over)
{
    const QString filter
        = MediaTexts::OpenDialogFilter(m_lang.GetLine(44), m_lang.GetLine(46), m_lang.GetLine(45));
    // Over the window that asked for it, so that a window kept on top cannot hide it.
    const QStringList chosen = FileChooser().OpenMany(MediaTexts::ToQtFilters(filter), over);
    if (chosen.isEmpty())
        return;
    Perform(OpenFilesCommand(*m_playlist, chosen));
}
