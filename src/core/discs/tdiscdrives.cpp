#include "tdiscdrives.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

TDiscDrives::TDiscDrives(const IDriveProvider &provider)
    : m_provider(provider)
{}

QString TDiscDrives::ListOpticalDrives() const
{
    QString letters;
    const QString reported = m_provider.OpticalDriveLetters().toUpper();
    for (QChar letter : reported) {
        if (letter >= QLatin1Char('A') && letter <= QLatin1Char('Z') && !letters.contains(letter))
            letters.append(letter);
    }
    std::sort(letters.begin(), letters.end());
    return letters;
}

QString TDiscDrives::VolumeLabel(QChar letter) const
{
    QString label = m_provider.VolumeLabel(letter.toUpper());
    const qsizetype nul = label.indexOf(QChar(0));
    if (nul >= 0)
        label.truncate(nul);
    label.truncate(kMaxLabelLength);
    return label;
}

bool TDiscDrives::IsDriveReady(QChar letter) const
{
    const QString root = RootFolder(letter);
    if (root.isEmpty())
        return false;
    const QFileInfo info(root);
    return info.isDir() && info.isReadable() && info.isExecutable();
}

QString TDiscDrives::RootFolder(QChar letter) const
{
    return m_provider.RootFolder(letter.toUpper());
}

QChar TDiscDrives::DriveOfPath(const QString &path) const
{
    const QString file = QDir::cleanPath(path);
    QChar best;
    qsizetype bestLength = -1;
    const QString letters = ListOpticalDrives();
    for (QChar letter : letters) {
        const QString root = RootFolder(letter);
        if (root.isEmpty())
            continue;
        const QString folder = QDir::cleanPath(root);
        const bool inside = file == folder
                            || (file.startsWith(folder)
                                && (folder.endsWith(QLatin1Char('/'))
                                    || file.at(folder.size()) == QLatin1Char('/')));
        if (inside && folder.size() > bestLength) {
            best = letter;
            bestLength = folder.size();
        }
    }
    return best;
}
