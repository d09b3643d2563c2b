#include "discfilefilter.h"

#include "cmdline/caseinsensitivepath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr qint64 kSmallestDiscVideo = 300000;

} // namespace

bool IsExcludedDiscFile(const QString &rootFolder, const QString &path)
{
    const QString relative = QDir(rootFolder).relativeFilePath(path);
    if (QDir::fromNativeSeparators(relative).compare(u"CDI/CDI_BUM.DAT", Qt::CaseInsensitive) == 0)
        return true;
    const QFileInfo info(path);
    return info.exists() && info.size() < kSmallestDiscVideo;
}

QString FindDvdEntryFile(const QString &rootFolder)
{
    const QString entry = findPathIgnoringCase(rootFolder, QStringLiteral("VIDEO_TS/VIDEO_TS.IFO"));
    if (entry.isEmpty() || !QFileInfo(entry).isFile())
        return {};
    QFile file(entry);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(12) == "DVDVIDEO-VMG" ? entry : QString();
}
