#include "ttavrelapp.h"

#include "appfolder.h"
#include "commands/commandcodes.h"
#include "ikeepawake.h"
#include "instancechannel.h"
#include "instanceserver.h"
#include "ipowercontrol.h"
#include "lang/languagechoice.h"
#include "media/filtergraph.h"
#include "media/mediaexception.h"
#include "media/videowindow.h"
#include "playlist/playlistregistry.h"
#include "playlist/tplaylistmodel.h"
#include "processpriority.h"
#include "settings/inifile.h"
#include "settings/openplaces.h"
#include "settings/settingsstore.h"
#include "settings/tdeferredsave.h"
#include "tappplugins.h"
#include "tcpumeter.h"
#include "tdialoghost.h"
#include "terrorreporter.h"
#include "tfilechooser.h"
#include "tmediadialogs.h"
#include "tnooff.h"
#include "tsettingshost.h"
#include "tsubtitles.h"
#include "ttavrelplayer.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>

TTavrelApp::TTavrelApp(const QStringList &arguments, std::unique_ptr<TSettingsStore> store,
                       QObject *parent)
    : QObject(parent)
    , m_commandLine(TCommandLine::parse(arguments))
    , m_store(std::move(store))
    , m_playlist(std::make_unique<TPlayListModel>(AppFolder()))
    , m_errors(std::make_unique<TErrorReporter>(m_lang,
                                                AppFolder() + QStringLiteral("DOC/ErrReport.htm")))
{
    m_graph = new TFilterGraph(this);
    m_subtitles = std::make_unique<TSubtitles>(*m_graph);
    m_server
        = new TInstanceServer([this](const TInstanceFrame &f) { return HandleFrame(f); }, this);
    BindCommands();
}

TTavrelApp::~TTavrelApp()
{
    if (m_graph)
        m_graph->SetActive(false);
}

TFileChooser &TTavrelApp::FileChooser()
{
    if (!m_fileChooser)
        m_fileChooser = std::make_unique<TFileChooser>(m_window.get());
    // The places can change in the settings between two dialogs.
    m_fileChooser->SetPlaces(OpenPlaces::SidebarUrls(m_store->value(&TSettingsRecord::PlacesBar)));
    return *m_fileChooser;
}

bool TTavrelApp::Listen(const QString &endpoint)
{
    return m_server->listen(endpoint);
}

void TTavrelApp::FormCreate()
{
    // Start-up runs raised; the first paint drops back unless asked not to.
    ProcessPriority::setHigh();
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Tavrel"));

    m_store->loadGroup(m_settings, TLoadGroup::Creation);
    m_lang.Load(AppFolder() + QStringLiteral("lang"),
                LanguageChoice::startupName(m_settings.Lang, QLocale::system().language()));

    TIniFile ini;
    ini.load(TSettingsStore::iniReadPath(AppFolder()));
    TSettingsStore::loadIni(m_settings, ini, [this](int index) { return m_lang.GetLine(index); });
    m_store->loadAspectPairs(m_settings);

    m_window = std::make_unique<TTavrelPlayer>();
    m_window->VideoWin->SetColor(Qt::black);
    m_graph->SetVideoWindow(m_window->VideoWin);
    LoadPlugins();
    connect(m_window.get(), &TTavrelPlayer::FirstPaint, this, &TTavrelApp::FormPaint);
    connect(m_window.get(), &TTavrelPlayer::CloseRequested, this, &TTavrelApp::Exit1Click);
    connect(m_window->VideoWin, &TVideoWindow::FrameShown, this, [this] {
        if (m_reportFirstFrame) {
            m_reportFirstFrame = false;
            emit FirstFrameShown();
        }
    });
    connect(m_graph, &TFilterGraph::OnGraphComplete, this, [this](int) { OnGraphComplete(); });
    connect(m_graph, &TFilterGraph::OnGraphErrorAbort, this,
            [this](std::uint32_t code, const QString &) { OnGraphErrorAbort(code); });
    connect(m_graph, &TFilterGraph::OnDVDTitleChange, this, &TTavrelApp::OnDVDTitleChange);
    connect(m_graph, &TFilterGraph::OnDSEvent, this, [this](int code, qint64 param1, qint64) {
        if (code == MediaEvent::DvdDomainChange)
            OnDvdDomainChange(param1);
    });

    WireMainWindow();
    CreatePlayListWindow();
    StartPlugins();
    WirePower();
    WireMpris();
    RestoreWindowRect();
    m_window->show();
}

void TTavrelApp::RestoreWindowRect()
{
    const QRect rect = m_settings.RestSize;
    if (rect.width() >= 1 && rect.height() >= 1)
        m_window->setGeometry(rect);
    // A rectangle on a monitor that is gone comes back onto the first one.
    const QScreen *first = QGuiApplication::primaryScreen();
    if (!first)
        return;
    bool onSomeScreen = false;
    for (const QScreen *screen : QGuiApplication::screens())
        onSomeScreen = onSomeScreen || screen->geometry().contains(m_window->geometry().topLeft());
    if (!onSomeScreen) {
        const QRect area = first->geometry();
        m_window->move(area.left() + m_window->width() / 2, area.top() + m_window->height() / 2);
    }
}

bool TTavrelApp::IsMediaActive() const
{
    // Loaded means the graph holds a rendered medium; the media-open flag is
    // cleared by a close before the close asks this.
    const int state = m_graph->State();
    return m_graph->Active() && (state == TFilterGraph::Paused || state == TFilterGraph::Running);
}

void TTavrelApp::ShowStatusText(const QString &text, int tenths, int kind)
{
    if (m_window)
        m_window->ShowStatusText(text, tenths, kind);
}

void TTavrelApp::ShowStatusTextIndex(int textIndex, int tenths, int kind)
{
    ShowStatusText(m_lang.GetLine(textIndex), tenths, kind);
}

void TTavrelApp::Exit1Click()
{
    if (m_exiting)
        return;
    m_exiting = true;
    CloseMedia();
    if (m_sessionSave)
        m_sessionSave->Cancel();
    RefreshSessionState();
    m_store->saveAtExit(m_settings, m_playlist->Count());
    m_server->close();
    if (m_window)
        m_window->hide();
    QCoreApplication::quit();
}

qint32 TTavrelApp::HandleFrame(const TInstanceFrame &frame)
{
    // A caller in another process waits for its answer: a fault is reported
    // here and the answer is 0, as for a command that returns nothing.
    try {
        if (frame.message == CommandMessage::Command)
            return SendCommand(frame.code, frame.param);
        if (frame.message == CommandMessage::Deferred)
            PostCommand(frame.code, frame.param);
        if (frame.message == CommandMessage::BusyQuery)
            return BusyQuery();
    } catch (const EMediaException &error) {
        m_errors->Report(this, error.Message());
    } catch (const std::exception &error) {
        m_errors->Report(this, QString::fromLocal8Bit(error.what()));
    }
    return 0;
}

// Hooks of subsystems that are built separately.
