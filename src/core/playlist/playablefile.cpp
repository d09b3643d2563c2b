#include "playablefile.h"

#include "streamurl.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

bool IsPlayableFile(const QString &path)
{
    if (path.isEmpty())
        return false;
    // Whether a stream answers is learnt only by opening it.
    if (IsStreamUrl(path))
        return true;
#ifdef Q_OS_UNIX
    // Navigation may ask this for every entry of a long list: one stat call per
    // path, without QFileInfo's path cleaning.
    const QByteArray native = QFile::encodeName(path);
    if (native.contains('\0'))
        return false;
    struct stat status;
    return ::stat(native.constData(), &status) == 0 && !S_ISDIR(status.st_mode);
#else
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
#endif
}
