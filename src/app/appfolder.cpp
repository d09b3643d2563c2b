#include "appfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString AppFolder()
{
    QString folder = QCoreApplication::applicationDirPath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

QString WritableAppFolder()
{
    const QString folder = AppFolder();
    if (QFileInfo(folder).isWritable())
        return folder;
    QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(data);
    return data.endsWith(QLatin1Char('/')) ? data : data + QLatin1Char('/');
}
