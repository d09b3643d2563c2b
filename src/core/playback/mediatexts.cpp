#include "playback/mediatexts.h"

#include "discs/mediamasks.h"
#include "playlist/playlistfile.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString kDvdMask = u"VIDEO_TS.IFO"_s;

} // namespace

namespace MediaTexts {

QString MediaFileMasks()
{
    return MediaMasks::kVideo.toString();
}

QString VolumeStatus(const QString &volumeWord, int barPosition)
{
    return volumeWord + u" - "_s + QString::number(barPosition / 100) + u" %"_s;
}

QString OpenDialogFilter(const QString &videoFiles, const QString &dvdFolder,
                         const QString &allFiles)
{
    return videoFiles + u'|' + MediaFileMasks() + u';' + PlaylistFileMasks() + u'|' + dvdFolder
           + u" ("_s + kDvdMask + u")|"_s + kDvdMask + u'|' + allFiles + u"|*.*"_s;
}

QStringList ToQtFilters(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    // A trailing name without masks has nothing to filter by and is dropped.
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString name = parts.at(i).trimmed();
        QStringList maskList = parts.at(i + 1).split(u';', Qt::SkipEmptyParts);
        // "*.*" means every file where the masks come from; here it would hide the files
        // without an extension.
        std::replace(maskList.begin(), maskList.end(), u"*.*"_s, u"*"_s);
        const QString masks = maskList.join(u' ');
        if (masks.isEmpty())
            continue;
        const QString suffix = u'(' + masks + u')';
        filters.append(name.endsWith(suffix) ? name : name + u' ' + suffix);
    }
    return filters;
}

} // namespace MediaTexts
