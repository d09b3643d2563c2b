// The ini reader (used for "tavrel.ini", a theme's "config.ini" and AUTORUN.INF) on any
// text: it must never crash, what it reads back must be what it holds, and writing it out
// and reading that again must give the same values.
#include "settings/inifile.h"
#include "text/legacytext.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const TIniFile ini(LegacyText::decode(bytes));
    const TIniFile again(ini.text());
    const QString section = QStringLiteral("playlist");
    for (const QString &key : {QStringLiteral("width_int"), QStringLiteral("ext")}) {
        if (ini.value(section, key) != again.value(section, key))
            std::abort();
        (void)ini.integer(section, key, 0);
    }
    return 0;
}
