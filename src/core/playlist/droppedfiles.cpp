#include "droppedfiles.h"

#include "cmdline/caseinsensitivepath.h"
#include "cmdline/shelllink.h"
#include "playlist/streamurl.h"
#include "playlist/tplaylistmodel.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QStorageInfo>
#include <QUrl>

namespace {

QString resolveShortcut(const QString &name)
{
    if (!name.endsWith(u".lnk", Qt::CaseInsensitive))
        return name;
    const QString target = ShellLink::readLocalTarget(name);
    return target.isEmpty() ? name : target;
}

// The rule asks whether the dropped name followed directly by the DVD folder
// exists, which can only hold for a name ending in a separator, as drive roots
// do. Mount points are drive roots too, even when dropped without the separator.
bool isDriveRoot(const QString &name)
{
    if (name.endsWith(u'/') || name.endsWith(QDir::separator()))
        return true;
    const QFileInfo info(name);
    if (!info.isDir())
        return false;
    const QStorageInfo volume(name);
    return volume.isValid()
           && QDir::cleanPath(volume.rootPath()) == QDir::cleanPath(info.absoluteFilePath());
}

} // namespace

QStringList DroppedFileNames(const QMimeData &data)
{
    QStringList names;
    for (const QUrl &url : data.urls()) {
        if (url.isLocalFile())
            names.append(QDir::toNativeSeparators(url.toLocalFile()));
        else if (IsStreamUrl(url.toString()))
            names.append(url.toString());
    }
    // A browser's address bar drags the address as text only.
    const QString text = data.text().trimmed();
    if (names.isEmpty() && !text.contains(u'\n') && IsStreamUrl(text))
        names.append(text);
    return names;
}

QString DroppedDvdEntryFile(const QString &name)
{
    if (!isDriveRoot(name))
        return {};
    return findPathIgnoringCase(name, QStringLiteral("VIDEO_TS/VIDEO_TS.IFO"));
}

PlaylistOutcome DropFiles(TPlayListModel &model, const QStringList &names, bool windowShowing,
                          bool cursorInsideWindow)
{
    QStringList resolved;
    resolved.reserve(names.size());
    for (const QString &name : names)
        resolved.append(resolveShortcut(name));

    PlaylistOutcome outcome;
    for (const QString &name : resolved) {
        const QString dvd = DroppedDvdEntryFile(name);
        if (!dvd.isEmpty()) {
            outcome.action = PlaylistOutcome::Action::OpenDvd;
            outcome.fileName = dvd;
            return outcome;
        }
    }
    const bool intoWindow = windowShowing && cursorInsideWindow;
    if (!intoWindow)
        model.Clear();
    for (const QString &name : resolved) {
        if (model.AddEntry(name))
            outcome.added.append(name);
    }
    if (!intoWindow) {
        outcome.fileName = model.First();
        if (!outcome.fileName.isEmpty())
            outcome.action = PlaylistOutcome::Action::OpenFile;
    }
    return outcome;
}
