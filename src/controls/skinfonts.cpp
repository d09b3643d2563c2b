#include "skinfonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <cmath>

namespace {

QString firstInstalled(std::initializer_list<const char *> candidates)
{
    const QStringList installed = QFontDatabase::families();
    for (const char *candidate : candidates) {
        const QString name = QString::fromLatin1(candidate);
        if (installed.contains(name, Qt::CaseInsensitive))
            return name;
    }
    return QString();
}

} // namespace

QString skinFamily(const QString &family)
{
    const QString key = family.toLower();
    QString mapped;
    if (key == u"ms sans serif" || key == u"arial" || key == u"tahoma")
        mapped = firstInstalled({"Liberation Sans", "Arial", "DejaVu Sans"});
    else if (key == u"times new roman")
        mapped = firstInstalled({"Liberation Serif", "Times New Roman", "DejaVu Serif"});
    else if (key == u"courier new")
        mapped = firstInstalled({"Liberation Mono", "Courier New", "DejaVu Sans Mono"});
    return mapped.isEmpty() ? family : mapped;
}

QFont skinFont(const QString &family, int height, bool bold)
{
    QFont font(skinFamily(family));
    // A positive height includes the internal leading, which is roughly a fifth of the cell.
    const int pixels = height < 0 ? -height : std::max(1, static_cast<int>(height * 0.8 + 0.5));
    font.setPixelSize(std::max(1, pixels));
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

int fontPixelHeight(const QFont &font)
{
    if (font.pixelSize() > 0)
        return font.pixelSize();
    return static_cast<int>(std::lround(font.pointSizeF() * 96.0 / 72.0));
}
