#include "findfiles.h"

#include "discs/filemask.h"

#include <QDir>
#include <QFileInfo>
#include <vector>

namespace {

// One folder being listed: its entries and how far the walk has come through them.
struct Level
{
    QFileInfoList entries;
    qsizetype next = 0;
};

QFileInfoList listFolder(const QString &folder)
{
    return QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System
                                          | QDir::NoDotAndDotDot,
                                      QDir::Name | QDir::IgnoreCase);
}

// Depth first without recursion: a disc folder nested thousands of levels deep costs
// heap, not stack.
bool walk(const QString &folder, bool recurse, const QStringList &masks,
          std::vector<QStringList> &groups, const TScanYield &yield)
{
    std::vector<Level> stack;
    stack.push_back(Level{listFolder(folder), 0});
    while (!stack.empty()) {
        Level &level = stack.back();
        if (level.next >= level.entries.size()) {
            stack.pop_back();
            continue;
        }
        const QFileInfo entry = level.entries.at(level.next++);
        if (entry.isDir()) {
            if (recurse && !entry.isSymLink())
                stack.push_back(Level{listFolder(entry.filePath()), 0});
        } else if (entry.isFile()) {
            for (qsizetype i = 0; i < masks.size(); ++i) {
                if (MatchesFileMask(entry.fileName(), masks[i]))
                    groups[static_cast<size_t>(i)].append(entry.filePath());
            }
        }
        if (yield && !yield())
            return false;
    }
    return true;
}

bool search(const QString &folder, const QStringList &masks, bool recurse, QStringList &list,
            const TScanYield &yield)
{
    if (folder.isEmpty() || masks.isEmpty())
        return true;
    std::vector<QStringList> groups(static_cast<size_t>(masks.size()));
    const bool finished = walk(folder, recurse, masks, groups, yield);
    for (const QStringList &group : groups)
        list.append(group);
    return finished;
}

} // namespace

bool FindFiles(const QString &folder, const QString &mask, bool recurse, QStringList &list,
               const TScanYield &yield)
{
    return search(folder, QStringList{mask}, recurse, list, yield);
}

bool FindFilesByMasks(const QString &folder, const QString &maskList, QStringList &list,
                      const TScanYield &yield)
{
    return search(folder, SplitMaskList(maskList), true, list, yield);
}
