// The media information, picture and audio track windows: their commands and
// what they ask of the player.
#include "commands/commandcodes.h"
#include "media/filtergraph.h"
#include "media/videowindow.h"
#include "mediadialogs/audiotrackchoice.h"
#include "menus/taction.h"
#include "settings/settingsstore.h"
#include "tdialoghost.h"
#include "themeloader.h"
#include "tmediadialogs.h"
#include "ttavrelapp.h"
#include "ttavrelplayer.h"
#include "tvideoarea.h"

using namespace PictureBalance;

namespace {

using Field = int TSettingsRecord::*;
constexpr Field kHardFields[] = {&TSettingsRecord::Hard_Brightness, &TSettingsRecord::Hard_Contrast,
                                 &TSettingsRecord::Hard_Saturation};
constexpr Field kStageFields[]
    = {&TSettingsRecord::Balance_Brightness, &TSettingsRecord::Balance_Contrast,
       &TSettingsRecord::Balance_Saturation};

Field FieldOf(TMode mode, int which)
{
    const int index = which <= 1 ? 0 : which >= kSliders ? kSliders - 1 : which - 1;
    return (mode == TMode::Hardware ? kHardFields : kStageFields)[index];
}

} // namespace

void TTavrelApp::BindDialogCommands()
{
    const auto dialogs = [this]() -> TMediaDialogs & {
        if (!m_dialogs) {
            m_dialogHost = std::make_unique<TDialogHost>(*this);
            m_dialogs = std::make_unique<TMediaDialogs>(*m_dialogHost, m_window.get());
        }
        return *m_dialogs;
    };
    m_dispatcher.Bind(Cmd::AudioTracks, [this, dialogs](qint32) {
        if (m_window && IsMediaActive())
            dialogs().ShowAudioTracks();
        return 0;
    });
    m_dispatcher.Bind(Cmd::PictureAdjust, [this, dialogs](qint32) {
        if (!m_window || !IsMediaActive())
            return 0;
        TMediaDialogs &windows = dialogs();
        if (const int mode = m_dialogHost->PictureMode())
            windows.ShowPicture(static_cast<TMode>(mode));
        return 0;
    });
    m_dispatcher.Bind(Cmd::MediaInfo, [this, dialogs](qint32) {
        if (m_window)
            dialogs().ShowInfo();
        return 0;
    });
}

void TTavrelApp::ApplyStoredPicture()
{
    if (!m_dialogHost)
        m_dialogHost = std::make_unique<TDialogHost>(*this);
    m_dialogHost->ApplyStoredPicture();
}

TDialogHost::TDialogHost(TTavrelApp &app)
    : m_app(app)
    , m_balance(app.m_graph)
{}

int TDialogHost::PictureMode() const
{
    return ChooseMode(m_app.m_settings.HardPropImage, m_balance.HasHardware(),
                      m_balance.HasStage());
}

void TDialogHost::ApplyStoredPicture()
{
    TSettingsRecord stored;
    for (int which = 1; which <= kSliders; ++which) {
        m_app.m_store->load(stored, FieldOf(TMode::Hardware, which));
        m_app.m_store->load(stored, FieldOf(TMode::Decoder, which));
    }
    if (m_app.m_settings.HardPropImage && m_balance.HasHardware()) {
        for (int which = 1; which <= kSliders; ++which)
            m_balance.SetHardware(which, stored.*FieldOf(TMode::Hardware, which),
                                  Maximum(TMode::Hardware, which),
                                  DefaultPosition(TMode::Hardware, which));
    }
    // Left at its defaults the stage stays out of the graph.
    for (int which = 1; which <= kSliders; ++which) {
        const int value = stored.*FieldOf(TMode::Decoder, which);
        if (value != 0)
            m_balance.SetStage(which, value);
    }
}

QString TDialogHost::Text(int index) const
{
    return m_app.Text(index);
}

QWidget *TDialogHost::VideoPanel() const
{
    return m_app.m_window ? m_app.m_window->Glob : nullptr;
}

QColor TDialogHost::KeyColour() const
{
    return m_app.m_window ? m_app.m_window->VideoWin->Color() : QColor(Qt::black);
}

bool TDialogHost::IsMediaActive() const
{
    return m_app.IsMediaActive();
}

bool TDialogHost::IsDvdMode() const
{
    return m_app.IsDvdMode();
}

int TDialogHost::AudioStreamCount() const
{
    return IsDvdMode() ? m_app.m_graph->DvdAudioStreamCount() : m_app.m_media.Info.AudioStreams;
}

int TDialogHost::DvdCurrentAudioStream() const
{
    return m_app.m_graph->DvdCurrentAudioStream();
}

QString TDialogHost::DvdAudioLanguageName(int stream) const
{
    return AudioTrackText::SystemLanguageName(m_app.m_graph->DvdAudioLanguage(stream));
}

void TDialogHost::SelectDvdAudioStream(int stream)
{
    // The navigator flushes when it changes the stream.
    m_app.m_graph->DvdSelectAudioStream(stream);
}

void TDialogHost::ReopenWithAudio(int track)
{
    TAction action;
    action.kind = TActionKind::ReopenWithAudio;
    action.param = track;
    m_app.RunAction(action);
}

void TDialogHost::Play()
{
    if (m_app.IsMediaActive())
        m_app.m_graph->Play();
}

TPictureColours TDialogHost::PictureColours() const
{
    TPictureColours colours;
    const std::optional<TColorTable> &table
        = m_app.m_window ? m_app.m_window->ColorTable() : std::optional<TColorTable>();
    if (!table)
        return colours;
    constexpr int kRow = 2;
    colours.frame = table->At(13, kRow);
    colours.fore = table->At(14, kRow);
    colours.back = table->At(15, kRow);
    colours.selectFore = table->At(16, kRow);
    colours.selectBack = table->At(17, kRow);
    colours.font = table->At(18, kRow);
    colours.share = table->At(19, kRow);
    return colours;
}

QImage TDialogHost::Picture(const QString &name) const
{
    return ThemeLoader::BuiltInPicture(name);
}

void TDialogHost::SetPictureValue(TMode mode, int which, int value)
{
    if (!m_app.IsMediaActive())
        return;
    if (mode == TMode::Hardware)
        m_balance.SetHardware(which, value, Maximum(mode, which), DefaultPosition(mode, which));
    else
        m_balance.SetStage(which, value);
    TSettingsRecord record;
    record.*FieldOf(mode, which) = value;
    m_app.m_store->save(record, FieldOf(mode, which));
    m_app.m_settings.*FieldOf(mode, which) = value;
}

int TDialogHost::PictureValue(TMode mode, int which) const
{
    if (!m_app.IsMediaActive())
        return 0;
    if (mode == TMode::Hardware)
        return m_balance.Hardware(which, Maximum(mode, which), DefaultPosition(mode, which));
    return m_balance.Stage(which);
}

TReportInput TDialogHost::ReportInput() const
{
    const TMediaState &media = m_app.m_media;
    TReportInput input;
    input.path = media.Info.CurrentName;
    input.title = media.Info.CurrentTitle;
    input.width = media.Info.VideoWidth;
    input.height = media.Info.VideoHeight;
    input.dvd = m_app.IsDvdMode();
    input.keyFramesPresent = media.KeyFramesValid();
    input.keyFrames = static_cast<int>(media.KeyFrames.size());
    input.frameMode = media.FrameFormat;
    if (!input.dvd && !input.path.isEmpty())
        input.streams = TMediaInspector::Streams(input.path);
    return input;
}

QList<TReportNode> TDialogHost::FilterTree() const
{
    return m_inspector.Tree(m_app.m_graph);
}

int TDialogHost::GraphState() const
{
    return m_app.m_graph->State();
}

void TDialogHost::SetGraphState(int state)
{
    switch (state) {
    case TFilterGraph::Running:
        m_app.m_graph->Play();
        break;
    case TFilterGraph::Paused:
        m_app.m_graph->Pause();
        break;
    case TFilterGraph::Stopped:
        m_app.m_graph->Stop();
        break;
    default:
        break;
    }
}

QList<TElementProperty> TDialogHost::ElementProperties(int index) const
{
    return m_inspector.Properties(index);
}

bool TDialogHost::SetElementProperty(int index, const QString &name, const QVariant &value)
{
    return m_inspector.SetProperty(index, name, value);
}

QRect TDialogHost::InfoWindowRect() const
{
    TSettingsRecord record;
    m_app.m_store->load(record, &TSettingsRecord::UnInfoRestSize);
    return record.UnInfoRestSize;
}

void TDialogHost::StoreInfoWindowRect(const QRect &rect)
{
    m_inspector.Release();
    m_app.m_store->setValue(&TSettingsRecord::UnInfoRestSize, rect);
}
