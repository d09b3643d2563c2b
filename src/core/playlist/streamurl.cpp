#include "streamurl.h"

#include <QLatin1StringView>
#include <array>

namespace {

using namespace Qt::Literals::StringLiterals;

constexpr std::array kSchemes{"http"_L1, "https"_L1, "rtsp"_L1, "rtmp"_L1,
                              "mms"_L1,  "ftp"_L1,   "file"_L1};

} // namespace

bool IsStreamUrl(QStringView text)
{
    const qsizetype colon = text.indexOf(u':');
    if (colon <= 0 || !text.sliced(colon).startsWith(u"://"))
        return false;
    const QStringView scheme = text.first(colon);
    for (const QLatin1StringView known : kSchemes) {
        if (scheme.compare(known, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QStringList StreamUrlSchemes()
{
    QStringList schemes;
    for (const QLatin1StringView known : kSchemes)
        schemes.append(known);
    return schemes;
}
