#include "tsubtitles.h"

#include "media/filtergraph.h"
#include "subtitles/subtitlefiles.h"
#include "subtitles/subtitletracks.h"

#include <QFileInfo>

TSubtitles::TSubtitles(TFilterGraph &graph)
    : m_graph(graph)
{}

void TSubtitles::Configure(bool shown, const QString &language)
{
    m_shown = shown;
    m_language = language.trimmed();
}

void TSubtitles::PrepareFor(const QString &medium)
{
    const QList<SubtitleFiles::File> files = SubtitleFiles::Find(medium);
    const QString chosen = SubtitleFiles::Choose(files, m_language);
    m_fileLanguage.clear();
    for (const SubtitleFiles::File &file : files) {
        if (file.path == chosen)
            m_fileLanguage = file.language;
    }
    m_graph.SetSubtitleFile(chosen);
    // Switched off, the overlay stays out of the picture's path from the start.
    m_graph.SetSubtitlesShown(m_shown);
}

void TSubtitles::StartShowing()
{
    if (!m_shown) {
        m_graph.SelectSubtitleStream(0);
        return;
    }
    const QStringList languages = TrackLanguages();
    const int track
        = SubtitleTracks::Choose(languages, m_graph.ExternalSubtitleStream(), m_language);
    m_graph.SelectSubtitleStream(track);
}

QStringList TSubtitles::TrackLanguages() const
{
    QStringList languages;
    const int count = m_graph.CountSubtitleStreams();
    const int file = m_graph.ExternalSubtitleStream();
    for (int n = 1; n <= count; ++n)
        languages.append(n == file ? m_fileLanguage : m_graph.SubtitleLanguage(n));
    return languages;
}

int TSubtitles::CurrentTrack() const
{
    return m_graph.CurrentSubtitleStream();
}

bool TSubtitles::Select(int track)
{
    return m_graph.SelectSubtitleStream(track);
}

int TSubtitles::Step()
{
    // From off the first track is asked for even when none is listed: a medium
    // opened with subtitles off lists its tracks only once they are on.
    const int current = CurrentTrack();
    const int next
        = current == 0 ? 1 : SubtitleTracks::Next(current, m_graph.CountSubtitleStreams());
    if (!m_graph.SelectSubtitleStream(next))
        m_graph.SelectSubtitleStream(0);
    return CurrentTrack();
}

bool TSubtitles::LoadFile(const QString &fileName)
{
    if (!SubtitleFiles::IsSubtitleFile(fileName) || !m_graph.LoadSubtitleFile(fileName))
        return false;
    // A language part of a dropped file counts only when it follows a film's name;
    // otherwise the name tells nothing.
    const QString middle = QFileInfo(QFileInfo(fileName).completeBaseName()).suffix();
    m_fileLanguage = middle.size() >= 2 && middle.size() <= 3 ? middle.toLower() : QString();
    return true;
}
