#pragma once

#include <QString>
#include <QStringList>

class TFilterGraph;

// The subtitles of the medium in the graph: the file beside a film is found
// before it is built, the track to show is chosen once it is, and the menu, the
// key and dropped files change it while it plays. Tracks are numbered from 1
// (the file's text among them); 0 shows none.
class TSubtitles
{
public:
    explicit TSubtitles(TFilterGraph &graph);

    // The settings: text shown at all, and the language chosen first.
    void Configure(bool shown, const QString &language);

    // Before the medium is built: hands the graph the film's subtitle file.
    void PrepareFor(const QString &medium);
    // Once it is built: shows the chosen track (or none, with text switched off).
    void StartShowing();

    QStringList TrackLanguages() const;
    int CurrentTrack() const;
    bool Select(int track);
    // The key: the next track, or none after the last; returns the one shown.
    int Step();
    // A file chosen or dropped while a film plays; false when it cannot be shown.
    bool LoadFile(const QString &fileName);

private:
    TFilterGraph &m_graph;
    bool m_shown = true;
    QString m_language;
    QString m_fileLanguage; // of the file handed to the graph
};
