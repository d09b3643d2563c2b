// Any bytes as a theme's "config.ini": the reader gives the values the ini holds or the
// defaults, never more than the file's text.
#include "settings/inifile.h"
#include "text/legacytext.h"
#include "themeloader.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString text = LegacyText::decode(bytes);
    const TThemeConfig config = ThemeLoader::ThemeConfigFromIni(TIniFile(text));
    if (config.PointTransDiv.size() > text.size() && config.PointTransDiv != u">")
        std::abort();
    if (config.alltop != 0 && text.isEmpty())
        std::abort();
    return 0;
}
