#pragma once

#include <QString>

// The track number of the audio track window: 1-based, stepped within the
// number of streams the medium has at the moment of the step.
class TAudioTrackChoice
{
public:
    // A file starts at track 1; a DVD at the navigator's current stream (0-based).
    void StartFile() { m_track = 1; }
    void StartDvd(int currentStream) { m_track = currentStream < 0 ? 1 : currentStream + 1; }

    // One step up, never past streamCount (a title may have fewer streams than
    // the track shown, then the track stays where it is). True when it moved.
    bool Next(int streamCount);
    // One step down, never below 1. True when it moved.
    bool Previous();

    int Track() const { return m_track; }

private:
    int m_track = 1;
};

namespace AudioTrackText {

// "Дорожка - 2": the word for a track, " - " and the number.
QString FileCaption(const QString &trackWord, int track);
// The system's name of a language cut before its first "(" ("English (United
// States)" reads "English ", the space kept).
QString ShortLanguageName(const QString &systemName);
// "2-English ": the track number, "-" and the short language name.
QString DvdCaption(int track, const QString &systemLanguageName);
// The system's name of a language code as the DVD lists it ("en", "eng", "ru"):
// the language and, when the code implies one, its country in brackets.
// Empty for an empty or unknown code.
QString SystemLanguageName(const QString &code);

} // namespace AudioTrackText
