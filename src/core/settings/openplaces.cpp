#include "settings/openplaces.h"

#include <QDir>
#include <QStandardPaths>
#include <QStringList>

namespace {

QStringList Lines(const QString &stored)
{
    QStringList lines = stored.split(QLatin1Char('\n'));
    while (lines.size() < OpenPlaces::kCount)
        lines.append(QString());
    return lines.mid(0, OpenPlaces::kCount);
}

// Recent documents have no folder on an XDG desktop: the home folder stands in for them;
// the network has no local folder at all.
QString DefaultFolder(int place)
{
    switch (place) {
    case 0:
        return QDir::homePath();
    case 1:
        return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    case 2:
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    case 3:
        return QDir::rootPath();
    default:
        return QString();
    }
}

} // namespace

namespace OpenPlaces {

QList<QUrl> SidebarUrls(const QString &stored)
{
    const QStringList lines = Lines(stored);
    QList<QUrl> urls;
    for (int place = 0; place < kCount; ++place) {
        const QString folder = lines.at(place).isEmpty() ? DefaultFolder(place) : lines.at(place);
        const QUrl url = QUrl::fromLocalFile(folder);
        if (!folder.isEmpty() && !urls.contains(url))
            urls.append(url);
    }
    return urls;
}

QString WithPlace(const QString &stored, int place, const QString &folder)
{
    QStringList lines = Lines(stored);
    if (place >= 0 && place < kCount)
        lines[place] = folder;
    return lines.join(QLatin1Char('\n'));
}

} // namespace OpenPlaces
