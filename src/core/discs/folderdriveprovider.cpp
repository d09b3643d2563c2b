#include "folderdriveprovider.h"

namespace {

bool isDriveLetter(QChar letter)
{
    return letter >= QLatin1Char('A') && letter <= QLatin1Char('Z');
}

} // namespace

void TFolderDriveProvider::AddDrive(QChar letter, const QString &folder, const QString &label)
{
    letter = letter.toUpper();
    if (isDriveLetter(letter))
        m_drives.insert(letter, Drive{folder, label});
}

void TFolderDriveProvider::RemoveDrive(QChar letter)
{
    m_drives.remove(letter.toUpper());
}

TFolderDriveProvider TFolderDriveProvider::FromSpec(const QString &spec)
{
    TFolderDriveProvider provider;
    const QStringList items = spec.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &item : items) {
        const qsizetype equals = item.indexOf(QLatin1Char('='));
        if (equals != 1)
            continue;
        const QString rest = item.mid(2);
        const qsizetype bar = rest.indexOf(QLatin1Char('|'));
        provider.AddDrive(item.at(0), bar < 0 ? rest : rest.left(bar),
                          bar < 0 ? QString() : rest.mid(bar + 1));
    }
    return provider;
}

QString TFolderDriveProvider::OpticalDriveLetters() const
{
    QString letters;
    for (auto it = m_drives.cbegin(); it != m_drives.cend(); ++it)
        letters.append(it.key());
    return letters;
}

QString TFolderDriveProvider::RootFolder(QChar letter) const
{
    return m_drives.value(letter.toUpper()).folder;
}

QString TFolderDriveProvider::VolumeLabel(QChar letter) const
{
    return m_drives.value(letter.toUpper()).label;
}
