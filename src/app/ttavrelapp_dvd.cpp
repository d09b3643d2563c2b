// DVD-Video: opening a disc or folder through the navigator, and what the
// commands and the navigator's events do while a DVD plays.
#include "appfolder.h"
#include "commands/commandcodes.h"
#include "discprobeclient.h"
#include "discs/tdiscdrives.h"
#include "dvd/tdvdlanguagetable.h"
#include "media/filtergraph.h"
#include "media/mediaexception.h"
#include "playlist/tplaylistmodel.h"
#include "tfmplaylist.h"
#include "ttavrelapp.h"
#include "ttavrelplayer.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QUrl>
#include <algorithm>

namespace {

constexpr int kTextSearchingDvd = 109;
constexpr int kTextDvdDecoder = 112;
constexpr int kTextAc3Decoder = 113;
constexpr int kTextSystemNeeds = 114;
constexpr int kTextGoToPage = 115;
constexpr int kTextToDownload = 116;
constexpr int kTextWarning = 117;
constexpr int kTextDvdFolder = 118;
constexpr int kTextStartingDvd = 119;
constexpr int kTitleSetMenuDomain = 3;
constexpr int kTitleDomain = 4;
constexpr int kNativeAspect = 0;
constexpr int kMaxDvdAudioStreams = 10;

// The folder the navigator reads for a pending "VIDEO_TS.IFO".
QString NavigatorFolder(const QString &ifoPath)
{
    QDir folder = QFileInfo(ifoPath).absoluteDir();
    if (folder.dirName().compare(QLatin1String("VIDEO_TS"), Qt::CaseInsensitive) == 0)
        folder.cdUp();
    return folder.absolutePath();
}

} // namespace

QString TTavrelApp::DvdTitleFromLabel(const QString &label)
{
    QString title
        = label.left(label.indexOf(QChar(0)) < 0 ? label.size() : label.indexOf(QChar(0)));
    if (title.endsWith(QLatin1String("NTSC"), Qt::CaseInsensitive))
        title.chop(4);
    if (title.endsWith(QLatin1String("DVD"), Qt::CaseInsensitive))
        title.chop(3);
    // "FILM_2" already has its separator and must not read "FILM  2".
    if (title.size() > 1 && title.back().isDigit() && title.at(title.size() - 2) != u'_'
        && title.at(title.size() - 2) != u' ')
        title.insert(title.size() - 1, QLatin1Char(' '));
    title.replace(QLatin1Char('_'), QLatin1Char(' '));
    return title.trimmed();
}

bool TTavrelApp::IsDvdMode() const
{
    return m_dvdMode && m_graph && m_graph->IsDvdMode();
}

bool TTavrelApp::IsDvdMenuNow() const
{
    return IsDvdMode() && m_graph->DvdTitleSeconds() == 0;
}

void TTavrelApp::OpenDvd()
{
    const QString pending = m_media.PendingDvdPath;
    m_media.PendingDvdPath.clear();
    m_media.StillPicture = false;
    m_dvdMode = false;
    ShowStatusTextIndex(kTextSearchingDvd, 20, 1);
    if (m_playlistWindow)
        m_playlistWindow->hide();
    CloseMedia();
    m_dvdMode = true;
    m_media.MediaOpen = true;
    if (!StartDvdNavigator(pending)) {
        CloseMedia();
        m_dvdMode = false;
        m_media.MediaOpen = false;
        return;
    }
    const QSize source = m_graph->SourceSize();
    m_media.Info.VideoWidth = source.width();
    m_media.Info.VideoHeight = source.height();
    m_media.Info.AudioStreams = m_graph->DvdAudioStreamCount();
    m_media.PowerOffAtEndOfFilm = false;
    if (m_window) {
        m_window->HideStatus();
        m_window->ShowPicture(source);
        ApplyPictureAsIs();
        ApplyStoredPicture();
        m_window->RaisePanels();
    }
    if (m_settings.StartPlaySetFullScreen)
        SendCommand(Cmd::SetFullScreen, 1);
    m_graph->SetVolume(m_volumeBar);
    if (!m_settings.LockStatus && m_window && (m_window->IsFullScreen() || !IsPlaylistShowing()))
        ShowStatusText(m_media.Info.CurrentTitle, 20, 2);
    NotifyPlugins(1, 2);
}

bool TTavrelApp::StartDvdNavigator(const QString &pending)
{
    m_graph->SetActive(true);
    NotifyPlugins(14);
    const TDiscDrives drives(DriveProvider());
    const QChar drive = pending.isEmpty() ? QChar() : drives.DriveOfPath(pending);
    // The disc reader crashes on some damaged navigation files: such a disc is refused after
    // it crashed a probe of its own, not the player.
    if (!DiscProbeClient::SurvivesOpening(AppFolder()
                                              + QLatin1String(DiscProbeClient::kProgramName),
                                          pending.isEmpty() ? QString() : NavigatorFolder(pending)))
        return false;
    int result = 0;
    try {
        result = m_graph->RenderDvd(pending.isEmpty() ? QString() : NavigatorFolder(pending));
    } catch (const EMediaException &) {
        return false;
    }
    if (result != 0) {
        if (result & (TFilterGraph::DvdVideoDecoderMissing | TFilterGraph::DvdAudioDecoderMissing))
            AskForDvdDecoders(result);
        return false;
    }
    m_graph->AddPreferredAudioRenderer(m_settings.AudioRender_Name);

    // The root of a disc names the disc itself: its title comes from the label.
    bool disc = pending.isEmpty();
    if (!drive.isNull()) {
        const QString root = QDir(drives.RootFolder(drive))
                                 .absoluteFilePath(QStringLiteral("VIDEO_TS/VIDEO_TS.IFO"));
        disc = QFileInfo(pending).absoluteFilePath().compare(root, Qt::CaseInsensitive) == 0;
    }
    if (!disc) {
        m_media.Info.CurrentName = pending;
        m_media.Info.CurrentTitle = m_lang.GetLine(kTextDvdFolder);
    } else {
        m_media.Info.CurrentName = QStringLiteral("DVD Disc");
        const QString label
            = drive.isNull() ? QString() : DvdTitleFromLabel(drives.VolumeLabel(drive));
        m_media.Info.CurrentTitle = drive.isNull() ? QStringLiteral("DVD Video") : label;
    }
    QGuiApplication::setApplicationDisplayName(m_media.Info.CurrentTitle);
    ShowStatusTextIndex(kTextStartingDvd, 20, 1);
    m_graph->Play();
    if (m_settings.NoReklama)
        SkipDvdIntroduction();
    return true;
}

int TTavrelApp::IntroductionSkipTitle(const QList<int> &seconds)
{
    const auto count = seconds.size();
    if (count == 1)
        return 1;
    // A title whose length the disc does not tell could be the film itself:
    // then nothing is skipped rather than the wrong title started.
    if (count < 2 || std::any_of(seconds.cbegin(), seconds.cend(), [](int s) { return s < 0; }))
        return 0;
    const int longest = *std::max_element(seconds.cbegin(), seconds.cend());
    qint64 others = 0;
    for (const int time : seconds)
        others += time == longest ? 0 : time;
    const qint64 average = others / count - 1;
    // Only a film much longer than the rest is worth skipping to.
    if (longest == 0 || average * 100 / longest >= 50)
        return 0;
    return static_cast<int>(seconds.indexOf(longest)) + 1;
}

void TTavrelApp::SkipDvdIntroduction()
{
    QList<int> seconds;
    for (int title = 1; title <= m_graph->DvdTitleCount(); ++title)
        seconds.append(m_graph->DvdTitleSecondsOf(title));
    if (const int title = IntroductionSkipTitle(seconds))
        m_graph->DvdPlayTitle(title);
}

void TTavrelApp::AskForDvdDecoders(int missing)
{
    QString text = m_lang.GetLine(kTextSystemNeeds) + QStringLiteral("\n\n");
    if (missing & TFilterGraph::DvdVideoDecoderMissing)
        text += m_lang.GetLine(kTextDvdDecoder) + QLatin1Char('\n');
    if (missing & TFilterGraph::DvdAudioDecoderMissing)
        text += m_lang.GetLine(kTextAc3Decoder) + QLatin1Char('\n');
    text += QLatin1Char('\n') + m_lang.GetLine(kTextGoToPage) + QLatin1Char('\n')
            + QString::fromLatin1(kWebAddress) + QLatin1Char('\n')
            + m_lang.GetLine(kTextToDownload);
    if (QMessageBox::question(m_window.get(), m_lang.GetLine(kTextWarning), text,
                              QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes)
        QDesktopServices::openUrl(QUrl(QString::fromLatin1(kWebAddress)));
}

void TTavrelApp::OnDVDTitleChange(int)
{
    if (m_window) {
        m_window->ShowPicture(m_graph->SourceSize());
        m_window->RaisePanels();
    }
    if (m_media.PowerOffAtEndOfFilm)
        PowerOff();
    if (m_settings.LangDVDTitle == 0)
        return;
    const QStringList languages = m_graph->DvdAudioLanguages().mid(0, kMaxDvdAudioStreams);
    const int stream = TDvdLanguageTable::PreferredStream(m_settings.LangDVDTitle, languages);
    if (stream >= 0)
        m_graph->DvdSelectAudioStream(stream);
}

void TTavrelApp::OnDvdDomainChange(qint64 domain)
{
    if ((domain != kTitleSetMenuDomain && domain != kTitleDomain) || !m_window
        || m_window->AspectMode() != kNativeAspect)
        return;
    m_window->ShowPicture(m_graph->SourceSize());
    m_window->RaisePanels();
}

void TTavrelApp::BindDvdCommands()
{
    m_dispatcher.Bind(Cmd::QueryDvdMenu, [this](qint32) { return IsDvdMenuNow() ? 1 : 0; });
    m_dispatcher.Bind(Cmd::OpenDvd, [this](qint32) {
        OpenDvd();
        return 0;
    });
    m_dispatcher.Bind(Cmd::PreviousTitle, [this](qint32) {
        StepDvdTitle(-1);
        return 0;
    });
    m_dispatcher.Bind(Cmd::NextTitle, [this](qint32) {
        StepDvdTitle(1);
        return 0;
    });
    m_dispatcher.Bind(Cmd::DvdMenu, [this](qint32 menu) {
        if (IsDvdMode())
            m_graph->DvdShowMenu(menu);
        return 0;
    });
}

void TTavrelApp::StepDvdTitle(int delta)
{
    if (!IsDvdMode())
        return;
    m_media.PowerOffAtEndOfFilm = false;
    m_graph->DvdPlayTitle(m_graph->DvdCurrentTitle() + delta);
}

void TTavrelApp::DvdNextChapter()
{
    if (IsDvdMenuNow())
        return;
    const int chapter = m_graph->DvdCurrentChapter();
    if (chapter < m_graph->DvdChapterCount())
        m_graph->DvdPlayChapter(chapter + 1);
    else
        SendCommand(Cmd::NextTitle, 0);
}

void TTavrelApp::DvdPreviousChapter()
{
    if (IsDvdMenuNow())
        return;
    const int chapter = m_graph->DvdCurrentChapter();
    if (chapter < 2)
        SendCommand(Cmd::PreviousTitle, 0);
    else
        m_graph->DvdPlayChapter(chapter - 1);
}

qint32 TTavrelApp::DvdRelativeSeek(qint32 code, qint32 milliseconds)
{
    int seconds = m_graph->DvdPositionSeconds();
    seconds += (code == Cmd::SeekBack ? -1 : 1) * (milliseconds / 1000);
    return m_graph->DvdPlayAtSeconds(qMax(0, seconds)) ? 0 : 1;
}
