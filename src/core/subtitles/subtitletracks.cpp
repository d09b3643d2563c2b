#include "subtitletracks.h"

#include "subtitlefiles.h"

namespace SubtitleTracks {

int Choose(const QStringList &languages, int fileTrack, QStringView wanted)
{
    if (languages.isEmpty())
        return 0;
    for (qsizetype i = 0; i < languages.size(); ++i) {
        if (SubtitleFiles::SameLanguage(languages[i], wanted))
            return static_cast<int>(i) + 1;
    }
    if (fileTrack >= 1 && fileTrack <= languages.size())
        return fileTrack;
    return 1;
}

int Next(int current, int count)
{
    if (count <= 0 || current >= count || current < 0)
        return 0;
    return current + 1;
}

} // namespace SubtitleTracks
