// Any bytes as a theme's "colortable.bmp": the picture reader refuses what it cannot decode
// or what is too large, and a table it accepts answers for every cell the windows read.
#include "playlistcolors.h"
#include "themeloader.h"

#include <QBuffer>
#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const QImage picture = ThemeLoader::ReadPicture(buffer);
    if (picture.isNull())
        return 0;
    if (picture.width() > ThemeLoader::kMaxPictureSide
        || picture.height() > ThemeLoader::kMaxPictureSide
        || picture.format() != QImage::Format_RGB32)
        std::abort();
    const std::optional<TColorTable> table = TColorTable::FromImage(picture);
    if (!table)
        return 0;
    const int rows = table->HasRow3() ? 4 : TColorTable::kMinHeight;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < TColorTable::kMinWidth; ++x) {
            if (table->At(x, y) > 0xFFFFFFu)
                std::abort();
        }
    }
    (void)TPlayListColors::FromTable(table);
    return 0;
}
