// Subtitles of the film playing: chosen as it opens, changed from the context
// menu, the key and by dropping a subtitle file on the window.
#include "media/filtergraph.h"
#include "subtitles/subtitlefiles.h"
#include "tfilechooser.h"
#include "tsubtitles.h"
#include "ttavrelapp.h"
#include "ttavrelplayer.h"

#include <QFileInfo>

namespace {

constexpr int kTextOff = 200;
constexpr int kTextTrack = 202;
constexpr int kTextSubtitlesNow = 203;
constexpr int kTextSubtitleFiles = 204;
constexpr int kCaptionTenths = 20;

} // namespace

void TTavrelApp::PrepareSubtitles(const QString &medium)
{
    m_subtitles->Configure(m_settings.SubtitlesOn, m_settings.SubtitleLanguage);
    m_subtitles->PrepareFor(medium);
}

void TTavrelApp::StartSubtitles()
{
    m_subtitles->StartShowing();
}

QStringList TTavrelApp::SubtitleTrackLanguages() const
{
    // A disc's sub-picture streams are listed and chosen as a file's tracks are.
    return IsMediaActive() ? m_subtitles->TrackLanguages() : QStringList();
}

int TTavrelApp::CurrentSubtitleTrack() const
{
    return IsMediaActive() ? m_subtitles->CurrentTrack() : 0;
}

qint32 TTavrelApp::RunSubtitleAction(const TAction &action)
{
    if (!IsMediaActive())
        return 0;
    switch (action.kind) {
    case TActionKind::SubtitleTrack:
        return m_subtitles->Select(action.param) ? 1 : 0;
    case TActionKind::StepSubtitles: {
        const int track = m_subtitles->Step();
        const QString now
            = track == 0 ? m_lang.GetLine(kTextOff) : m_lang.GetLine(kTextTrack).arg(track);
        ShowStatusText(m_lang.GetLine(kTextSubtitlesNow).arg(now), kCaptionTenths, 1);
        return track;
    }
    case TActionKind::LoadSubtitleFile: {
        // A disc brings its own; a file cannot be laid over its menus.
        if (IsDvdMode())
            return 0;
        const QString filter = m_lang.GetLine(kTextSubtitleFiles)
                               + QStringLiteral(" (*.srt *.ass *.ssa *.vtt *.sub)");
        const QString folder = QFileInfo(m_media.Info.CurrentName).path();
        const QString chosen = FileChooser().OpenOne({filter}, nullptr, folder);
        return !chosen.isEmpty() && m_subtitles->LoadFile(chosen) ? 1 : 0;
    }
    default:
        return 0;
    }
}

bool TTavrelApp::DropSubtitleFile(const QStringList &names)
{
    // Only a subtitle file dropped alone on a playing film is taken for it;
    // anything else replaces the list as before.
    if (names.size() != 1 || !SubtitleFiles::IsSubtitleFile(names.first()) || !IsMediaActive()
        || IsDvdMode())
        return false;
    return m_subtitles->LoadFile(names.first());
}
