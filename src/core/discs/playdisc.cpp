#include "playdisc.h"

#include "discs/discfilefilter.h"
#include "discs/disctitle.h"
#include "discs/mediamasks.h"
#include "discs/tdiscdrives.h"
#include "playlist/entryline.h"
#include "playlist/tplaylistmodel.h"

#include <QFileInfo>
#include <algorithm>

namespace {

constexpr int kNotFoundTenths = 20;

QString candidateLetters(const TDiscDrives &drives, const TDiscPlayRequest &request)
{
    switch (request.Source) {
    case TDiscSource::AllDrives:
        return drives.ListOpticalDrives();
    case TDiscSource::SelectedDrives:
        return request.SelectDrive.toUpper();
    case TDiscSource::ChosenDrive:
        return request.ChosenDrive.isNull() ? QString() : QString(request.ChosenDrive.toUpper());
    }
    return {};
}

QString readyLetters(const TDiscDrives &drives, const QString &candidates)
{
    QString ready;
    for (QChar letter : candidates) {
        if (!ready.contains(letter) && drives.IsDriveReady(letter))
            ready.append(letter);
    }
    return ready;
}

// The disc's video files that are worth offering. Files that vanished while the disc
// was searched are dropped too: the playlist would only hold dead entries.
QStringList playableDiscFiles(const QString &root, QStringList found)
{
    for (qsizetype i = found.size() - 1; i >= 0; --i) {
        if (IsExcludedDiscFile(root, found[i]) || !QFileInfo::exists(found[i]))
            found.removeAt(i);
    }
    return found;
}

TDiscPlay notFound()
{
    TDiscPlay play;
    play.StatusText = QStringLiteral("Not found CD/DVD video");
    play.StatusTenths = kNotFoundTenths;
    return play;
}

} // namespace

TDiscPlay PlayDisc(const TDiscDrives &drives, const TDiscPlayRequest &request,
                   const TScanYield &yield)
{
    const QString letters = readyLetters(drives, candidateLetters(drives, request));

    for (QChar letter : letters) {
        const QString dvd = FindDvdEntryFile(drives.RootFolder(letter));
        if (!dvd.isEmpty()) {
            TDiscPlay play;
            play.What = TDiscPlay::Action::OpenDvd;
            play.Drive = letter;
            play.DvdPath = dvd;
            return play;
        }
    }

    for (QChar letter : letters) {
        const QString root = drives.RootFolder(letter);
        QStringList found;
        if (!FindFilesByMasks(root, MediaMasks::kVideo.toString(), found, yield)) {
            TDiscPlay aborted;
            aborted.Aborted = true;
            return aborted;
        }
        QStringList files = playableDiscFiles(root, std::move(found));
        if (files.isEmpty())
            continue;
        TDiscPlay play;
        play.What = TDiscPlay::Action::OpenFiles;
        play.Drive = letter;
        if (files.size() == 1)
            play.Title = DiscTitle(drives, letter, files.first());
        if (play.Title.isEmpty()) {
            std::stable_sort(files.begin(), files.end(), [](const QString &a, const QString &b) {
                return a.compare(b, Qt::CaseInsensitive) < 0;
            });
            std::reverse(files.begin(), files.end());
        }
        play.Files = std::move(files);
        return play;
    }
    return notFound();
}

QString ApplyDiscPlay(const TDiscPlay &play, TPlayListModel &playlist)
{
    if (play.What != TDiscPlay::Action::OpenFiles)
        return {};
    std::vector<TPlayListEntry> entries;
    entries.reserve(static_cast<size_t>(play.Files.size()));
    for (const QString &file : play.Files) {
        TPlayListEntry entry;
        entry.Info.FileName = file;
        entry.Title = play.Title.isEmpty() ? EntryLine::defaultTitle(file) : play.Title;
        entries.push_back(std::move(entry));
    }
    playlist.Clear();
    playlist.AppendEntries(std::move(entries));
    return playlist.First();
}
