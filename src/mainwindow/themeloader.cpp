#include "themeloader.h"

#include "settings/inifile.h"
#include "themepictures.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A picture file is read only when it is a plain file of a sane size: a folder, a device or a
// huge file named like a picture must not stall or exhaust start-up.
constexpr qint64 kMaxPictureBytes = 16 * 1024 * 1024;

QImage readPicture(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxPictureBytes)
        return {};
    QImage image(path);
    if (image.isNull() || image.width() > 4096 || image.height() > 4096)
        return {};
    return image.convertToFormat(QImage::Format_RGB32);
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
    config.alltop = ini.integer(QStringLiteral("mainmenu"), QStringLiteral("alltop"), 0);
    config.PointTransDiv = ini.string(QStringLiteral("TimeLine"), QStringLiteral("PointTransDiv"),
                                      QStringLiteral(">"));
    return config;
}

} // namespace ThemeLoader
