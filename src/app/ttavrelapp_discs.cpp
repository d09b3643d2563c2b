// Discs and drives: which drives the player reads, the disc search of the play-disc
// command, the drive chooser and the drive submenu.
#include "commands/commandcodes.h"
#include "discs/drivecaptions.h"
#include "discs/linuxdriveprovider.h"
#include "discs/playdisc.h"
#include "discs/tdiscdrives.h"
#include "media/filtergraph.h"
#include "tfmselectdrive.h"
#include "ttavrelapp.h"
#include "ttavrelplayer.h"

#include <QCoreApplication>
#include <QScopedValueRollback>

namespace {

constexpr QStringView kDriveLetters = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ";

} // namespace

void TTavrelApp::SetDriveProvider(std::unique_ptr<IDriveProvider> provider)
{
    m_driveProvider = std::move(provider);
}

const IDriveProvider &TTavrelApp::DriveProvider() const
{
    if (!m_driveProvider)
        m_driveProvider = std::make_unique<TLinuxDriveProvider>();
    return *m_driveProvider;
}

QStringList TTavrelApp::DriveCaptions() const
{
    return ::DriveCaptions(TDiscDrives(DriveProvider()));
}

void TTavrelApp::BindDiscCommands()
{
    m_dispatcher.Bind(Cmd::PlayDisc, [this](qint32 source) {
        switch (source) {
        case 0:
            return SendCommand(Cmd::PlayPause, 0);
        case 1:
            return PlayDiscFrom(TDiscSource::AllDrives, {});
        case 2:
            return PlayDiscFrom(TDiscSource::SelectedDrives, {});
        default:
            return 0;
        }
    });
    m_dispatcher.Bind(Cmd::QueryDrive, [this](qint32) {
        const QString name = IsDvdMode()         ? m_graph->DvdDirectory()
                             : m_media.MediaOpen ? m_media.Info.CurrentName
                                                 : QString();
        if (name.isEmpty())
            return 0;
        const QChar drive = TDiscDrives(DriveProvider()).DriveOfPath(name);
        return drive.isNull() ? 0 : static_cast<qint32>(kDriveLetters.indexOf(drive.toUpper())) + 1;
    });
}

qint32 TTavrelApp::PlayDiscFrom(TDiscSource source, QChar chosen)
{
    // The search lets the window repaint and answer between directory entries; a second
    // search asked for meanwhile would replace the playlist under the first one.
    if (m_discScanning)
        return 0;
    const QScopedValueRollback scanning(m_discScanning, true);
    const TDiscDrives drives(DriveProvider());
    TDiscPlayRequest request;
    request.Source = source;
    request.SelectDrive = m_settings.Select_Drive;
    request.ChosenDrive = chosen;
    const TDiscPlay play = PlayDisc(drives, request, [this] {
        QCoreApplication::processEvents();
        return !m_exiting;
    });
    if (m_exiting)
        return 0;
    switch (play.What) {
    case TDiscPlay::Action::Nothing:
        return 0;
    case TDiscPlay::Action::OpenDvd:
        m_media.PendingDvdPath = play.DvdPath;
        OpenDvd();
        return 1;
    case TDiscPlay::Action::OpenFiles: {
        const QString first = ApplyDiscPlay(play, *m_playlist);
        if (first.isEmpty())
            return 0;
        OpenFile(first);
        return 1;
    }
    }
    return 0;
}

qint32 TTavrelApp::RunDriveChooser()
{
    QChar chosen;
    {
        TfmSelectDrive dialog(m_lang, DriveCaptions(), m_window.get());
        if (dialog.exec() != QDialog::Accepted)
            return 0;
        chosen = dialog.ChosenDrive();
    }
    return chosen.isNull() ? 0 : PlayDiscFrom(TDiscSource::ChosenDrive, chosen);
}
