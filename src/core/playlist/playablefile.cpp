#include "playablefile.h"

#include <QFileInfo>

bool IsPlayableFile(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}
