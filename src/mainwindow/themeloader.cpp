#include "themeloader.h"

#include "settings/inifile.h"
#include "themepictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

// A picture file is read only when it is a plain file of a sane size: a folder, a device or a
// huge file named like a picture must not stall or exhaust start-up.
constexpr qint64 kMaxPictureBytes = 16 * 1024 * 1024;

QImage readPicture(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxPictureBytes)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return ThemeLoader::ReadPicture(file);
}

} // namespace

std::optional<TColorTable> TColorTable::FromImage(const QImage &image)
{
    if (image.isNull() || image.width() < kMinWidth || image.height() < kMinHeight)
        return std::nullopt;
    return TColorTable(image.convertToFormat(QImage::Format_RGB32));
}

TColorTable::TColorTable(QImage image)
    : m_image(std::move(image))
{}

TColor TColorTable::At(int x, int y) const
{
    return fromQColor(QColor::fromRgb(m_image.pixel(x, y)));
}

namespace ThemeLoader {

QString ThemeFolder(const QString &appFolder, const QString &themeName)
{
    return QDir(appFolder).filePath(QStringLiteral("theme/") + themeName) + QDir::separator();
}

QImage ReadPicture(QIODevice &device)
{
    // A small compressed file can claim a huge picture: the claimed size is checked before
    // any pixel memory is taken.
    QImageReader reader(&device);
    const QSize claimed = reader.size();
    if (!claimed.isValid() || claimed.width() > kMaxPictureSide
        || claimed.height() > kMaxPictureSide)
        return {};
    const QImage image = reader.read();
    if (image.isNull() || image.width() > kMaxPictureSide || image.height() > kMaxPictureSide)
        return {};
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage BuiltInPicture(const QString &name)
{
    return readPicture(QLatin1String(ThemePictures::ResourcePrefix()) + name
                       + QStringLiteral(".bmp"));
}

QImage LoadThemePicture(const QString &themeFolder, const QString &name)
{
    if (!themeFolder.isEmpty()) {
        const QImage themed = readPicture(themeFolder + name + QStringLiteral(".bmp"));
        if (!themed.isNull())
            return themed;
    }
    return BuiltInPicture(name);
}

std::optional<TColorTable> LoadColorTable(const QString &themeFolder)
{
    if (themeFolder.isEmpty())
        return std::nullopt;
    return TColorTable::FromImage(readPicture(themeFolder + QStringLiteral("colortable.bmp")));
}

TThemeConfig ReadThemeConfig(const QString &themeFolder)
{
    TThemeConfig config;
    if (themeFolder.isEmpty())
        return config;
    TIniFile ini;
    if (!ini.load(themeFolder + QStringLiteral("config.ini")))
        return config;
    return ThemeConfigFromIni(ini);
}

TThemeConfig ThemeConfigFromIni(const TIniFile &ini)
{
    TThemeConfig config;
    config.alltop = ini.integer(QStringLiteral("mainmenu"), QStringLiteral("alltop"), 0);
    config.PointTransDiv = ini.string(QStringLiteral("TimeLine"), QStringLiteral("PointTransDiv"),
                                      QStringLiteral(">"));
    return config;
}

} // namespace ThemeLoader
