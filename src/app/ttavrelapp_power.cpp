// Power-off, keeping the desktop awake, the one-second timer, the busy query and snapshots:
// the subsystems are created and wired here; their rules live in their own classes.
#include "appfolder.h"
#include "commands/commandcodes.h"
#include "logindpowercontrol.h"
#include "media/filtergraph.h"
#include "playlist/tplaylistmodel.h"
#include "power/poweroffrules.h"
#include "power/snapshotname.h"
#include "screensaverinhibitor.h"
#include "tcpumeter.h"
#include "tnooff.h"
#include "ttavrelapp.h"
#include "ttavrelplayer.h"
#include "tvpanel.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

namespace {

constexpr int kTextShutDown = 37;
constexpr int kTextSwitchingOffIn = 140;
constexpr int kTextSeconds = 141;
constexpr int kTextCreatingSnapshot = 192;
constexpr int kTextSnapshotCreated = 193;
constexpr int kTextError = 194;

// Snapshots go beside the program; where that folder is closed to us, to the user's pictures.
QString snapshotFolder()
{
    const QString folder = AppFolder();
    if (QFileInfo(folder).isWritable())
        return folder;
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    QDir().mkpath(pictures);
    return pictures;
}

} // namespace

void TTavrelApp::SetPowerControl(std::unique_ptr<IPowerControl> control)
{
    m_powerControl = std::move(control);
}

void TTavrelApp::SetKeepAwake(std::unique_ptr<IKeepAwake> keepAwake)
{
    m_keepAwake = std::move(keepAwake);
}

void TTavrelApp::WirePower()
{
    if (!m_keepAwake)
        m_keepAwake = std::make_unique<TScreenSaverInhibitor>();
    m_cpuMeter = std::make_unique<TCpuMeter>();
    TNoOffHooks hooks;
    hooks.state = [this] {
        TNoOffState state;
        state.running = IsMediaActive() && m_graph->State() == TFilterGraph::Running;
        state.dvdMode = IsDvdMode();
        state.stillPicture = m_media.StillPicture;
        state.shownMs = QDateTime::currentMSecsSinceEpoch() - m_media.StartTick;
        state.pictureInterval = m_settings.PictureInterval;
        state.loadShowing = m_window && m_window->ClockLoadShowing();
        state.countdown.afterFile = m_media.PowerOffAtEndOfFilm;
        state.countdown.afterList = m_media.PowerOffAtEndOfList;
        if (state.running && (state.countdown.afterFile || state.countdown.afterList)) {
            state.countdown.lastPlayable = m_playlist->IsLastPlayable();
            state.countdown.durationSeconds = SendCommand(Cmd::QueryDuration, 0);
            state.countdown.positionSeconds = SendCommand(Cmd::QueryPosition, 0);
        }
        return state;
    };
    hooks.endStillPicture = [this] { OnGraphComplete(); };
    hooks.showCountdown = [this](int remaining) {
        ShowStatusText(PowerOffRules::CountdownText(m_lang.GetLine(kTextSwitchingOffIn),
                                                    m_lang.GetLine(kTextSeconds), remaining),
                       PowerOffRules::kWarningTenths, 2);
    };
    hooks.showLoad = [this](const QString &caption) { m_window->SetClockLoad(caption); };
    m_noOff = std::make_unique<TNoOff>(std::move(hooks), *m_keepAwake, *m_cpuMeter);
}

void TTavrelApp::PowerOff()
{
    if (!m_powerControl)
        m_powerControl = std::make_unique<TLogindPowerControl>();
    m_powerControl->PowerOff();
}

void TTavrelApp::ConfirmPowerOff()
{
    const auto answer
        = QMessageBox::warning(m_window.get(), QStringLiteral("Warning!"),
                               m_lang.GetLine(kTextShutDown), QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes)
        PowerOff();
}

void TTavrelApp::FlipPowerOffAtEnd(bool &flag)
{
    flag = !flag;
    if (m_window)
        m_window->pnStatus2->hide();
}

qint32 TTavrelApp::BusyQuery() const
{
    const int state = m_graph->State();
    return PowerOffRules::BusyAnswer(m_media.MediaOpen, state == TFilterGraph::Paused,
                                     IsMediaActive(), state == TFilterGraph::Running);
}

void TTavrelApp::TakeSnapshot()
{
    if (!IsMediaActive() || IsDvdMode())
        return;
    const bool wasRunning = m_graph->State() == TFilterGraph::Running;
    m_graph->Pause();
    ShowStatusTextIndex(kTextCreatingSnapshot, 20, 1);
    QCoreApplication::processEvents();
    if (m_graph->HasVideoStream()) {
        const QImage frame = m_graph->CurrentFrame();
        const QString name
            = frame.isNull()
                  ? QString()
                  : SnapshotFileName(snapshotFolder(), m_media.Info.CurrentName,
                                     [](const QString &file) { return QFileInfo::exists(file); });
        if (!name.isEmpty() && frame.save(name, "BMP"))
            ShowStatusTextIndex(kTextSnapshotCreated, 10, 1);
        else
            ShowStatusTextIndex(kTextError, 10, 1);
    }
    if (wasRunning)
        m_graph->Play();
}
