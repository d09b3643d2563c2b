#pragma once

#include "tcolor.h"

#include <QImage>
#include <QString>
#include <optional>

class QIODevice;
class TIniFile;

// The colour table of a theme: a small bitmap whose pixels are colours, read as (x, y) from the
// top left. Rows 0 to 2 are required, row 3 is optional.
class TColorTable
{
public:
    static constexpr int kMinWidth = 20;
    static constexpr int kMinHeight = 3;

    // Nothing for a picture smaller than 20 x 3 (every window ignores such a table).
    static std::optional<TColorTable> FromImage(const QImage &image);

    bool HasRow3() const { return m_image.height() > kMinHeight; }
    // The colour at (x, y) as 0x00BBGGRR; only for pixels inside the table.
    TColor At(int x, int y) const;

private:
    explicit TColorTable(QImage image);
    QImage m_image;
};

struct TThemeConfig
{
    int alltop = 0;
    QString PointTransDiv = QStringLiteral(">");
};

// Themes fall back per item: whatever the theme folder lacks, or holds in a form that cannot be
// read, comes from the built-in look.
namespace ThemeLoader {

// The folder of a theme beside the program, with a trailing separator.
QString ThemeFolder(const QString &appFolder, const QString &themeName);
constexpr int kMaxPictureSide = 4096;

// Picture N: the theme's N.bmp when it exists and decodes, else the built-in picture N.
QImage LoadThemePicture(const QString &themeFolder, const QString &name);
// A picture in any format the image library reads, as RGB32; a null image when it does not
// decode or is larger than kMaxPictureSide either way.
QImage ReadPicture(QIODevice &device);
// The built-in picture N (a null image for an unknown name).
QImage BuiltInPicture(const QString &name);
// "colortable.bmp" of the folder, when present, decodable and large enough.
std::optional<TColorTable> LoadColorTable(const QString &themeFolder);
// "config.ini" of the folder; a missing file or key gives the defaults.
TThemeConfig ReadThemeConfig(const QString &themeFolder);
TThemeConfig ThemeConfigFromIni(const TIniFile &ini);

} // namespace ThemeLoader
