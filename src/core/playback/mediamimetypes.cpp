#include "mediamimetypes.h"

#include "discs/filemask.h"
#include "discs/mediamasks.h"

#include <QMimeDatabase>

QStringList MediaMimeTypes()
{
    const QMimeDatabase database;
    QStringList types;
    for (const QString &mask : SplitMaskList(MediaMasks::kVideo.toString())) {
        if (!mask.startsWith(QLatin1StringView("*.")))
            continue;
        const QString sample = QStringLiteral("x") + mask.mid(1).toLower();
        for (const QMimeType &type : database.mimeTypesForFileName(sample)) {
            if (!type.isDefault() && !types.contains(type.name()))
                types << type.name();
        }
    }
    types << QStringLiteral("x-content/video-dvd");
    return types;
}
