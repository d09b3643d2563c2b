// The second stage of start-up: everything that runs once, after the main
// window's first paint.
#include "cmdline/caseinsensitivepath.h"
#include "cmdline/shelllink.h"
#include "commands/commandcodes.h"
#include "playlist/playlistfile.h"
#include "playlist/playlistregistry.h"
#include "playlist/streamurl.h"
#include "playlist/tplaylistmodel.h"
#include "processpriority.h"
#include "settings/settingsstore.h"
#include "ttavrelapp.h"
#include "ttavrelplayer.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QUrl>

namespace {

constexpr int kReminderDays = 30;
constexpr int kHintStarts = 4;

} // namespace

void TTavrelApp::FormPaint()
{
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Tavrel"));
    m_exitAtEnd = false;
    m_store->loadGroup(m_settings, TLoadGroup::FirstPaint);
    m_volumeBar = m_settings.Volume;
    m_window->SetVolumeBar(m_volumeBar);
    if (m_commandLine.isEmpty()) {
        m_store->loadGroup(m_settings, TLoadGroup::StartupBookkeeping);
        UpdateReminder();
        CountStarts();
    }
    if (m_settings.HighPriopitet)
        ProcessPriority::setHigh();
    else
        ProcessPriority::setNormal();
    if (m_settings.TOPMOST) {
        m_window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
        m_window->show();
    }
    NotifyPlugins(5);
    if (m_commandLine.isEmpty())
        RestorePlaylistAtStart();
    else
        ApplyCommandLine();
    m_window->ShowStartPanels();
    m_window->RaisePanels();
    m_window->raise();
    m_window->activateWindow();
    WatchSessionState();
}

void TTavrelApp::UpdateReminder()
{
    const QString version = m_store->value(&TSettingsRecord::Version);
    const QString current = QString::fromLatin1(kVersionText);
    const QDateTime now = QDateTime::currentDateTime();
    if (version != current) {
        m_store->setValue(&TSettingsRecord::Version, current);
        m_store->setValue(&TSettingsRecord::StartDate, now);
    }
    const QDateTime start = m_store->value(&TSettingsRecord::StartDate);
    const qint64 days = qAbs(start.secsTo(now)) / 86400;
    if (days < kReminderDays)
        return;
    m_store->setValue(&TSettingsRecord::StartDate, now);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Tavrel"),
                    QStringLiteral(u"Здраствуйте!\nВы необновляли эту программу \n")
                        + QString::number(days) + QStringLiteral(u" или более дней.\n")
                        + QStringLiteral(u"Пора проверить наличие новой версии."),
                    QMessageBox::Ok, m_window.get());
    box.exec();
    m_window->showMinimized();
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(kWebAddress)));
}

void TTavrelApp::CountStarts()
{
    const int count = m_store->value(&TSettingsRecord::CountStart);
    if (count + 1 > kHintStarts)
        return;
    m_store->setValue(&TSettingsRecord::CountStart, count + 1);
    ShowFirstStartHints(count);
}

void TTavrelApp::ApplyCommandLine()
{
    QString first = m_commandLine.firstArgument();
    if (first.toUpper().endsWith(QLatin1StringView(".LNK")))
        first = ShellLink::readLocalTarget(first);

    enum { None, File, DvdFolder, Url } kind = None;
    QString dvdPath;
    if (IsStreamUrl(first)) {
        kind = Url;
    } else if (!first.isEmpty() && QFileInfo(first).isFile()) {
        kind = File;
    } else if (!first.isEmpty()) {
        dvdPath = findPathIgnoringCase(first, QStringLiteral("VIDEO_TS/VIDEO_TS.IFO"));
        if (!dvdPath.isEmpty())
            kind = DvdFolder;
    }

    if (kind == File) {
        // A name relative to where the user started the program, not to the
        // program's folder (which is what the playlist takes relative lines to).
        first = QFileInfo(first).absoluteFilePath();
        if (IsPlaylistFile(first))
            LoadPlaylistFile(*m_playlist, false, first);
        else
            m_playlist->AddEntry(first);
    } else if (kind == Url) {
        m_playlist->AddEntry(first);
    }
    if (m_commandLine.fullScreen)
        SendCommand(Cmd::SetFullScreen, 1);
    if (m_commandLine.showPlaylist)
        ShowPlaylistWindow();
    m_exitAtEnd = m_commandLine.exitAtEnd;
    if (m_commandLine.rememberPositions)
        m_settings.SavePos_Enabled = true;

    if (kind == File || kind == Url) {
        OpenFile(m_playlist->First(), m_commandLine.audioStream, m_commandLine.startSeconds);
    } else if (kind == DvdFolder) {
        m_media.PendingDvdPath = dvdPath;
        OpenDvd();
    }
    if (m_commandLine.pan)
        SendCommand(Cmd::FillWindow, 0);
    if (m_commandLine.zoom)
        SetZoomBar(*m_commandLine.zoom + 25);
}

void TTavrelApp::RestorePlaylistAtStart()
{
    RestorePlaylistFromText(*m_playlist, m_store->value(&TSettingsRecord::PlayList));
    RestorePlayListWindow();
}
