// The entry-line splitter on any text, and the round trip of what it accepts: an
// entry written as a stored line reads back as the same entry, unless quotes or
// line breaks in it are cut by the documented rules.
#include "playlist/entryline.h"

#include <cstdint>
#include <cstdlib>

namespace {

const QString kAppFolder = QStringLiteral("/app/");

bool survivesRoundTrip(const TPlayListEntry &entry)
{
    for (const QString &text : {entry.Info.FileName, entry.Title}) {
        for (const QChar c : text) {
            if (c == u'"' || c == u'\r' || c == u'\n' || c == QChar(0x1A))
                return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString line
        = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    EntryLine::split(line);
    EntryLine::defaultTitle(line);
    const std::optional<TPlayListEntry> entry = EntryLine::makeEntry(line, {}, kAppFolder);
    if (!entry || !survivesRoundTrip(*entry))
        return 0;
    const std::optional<TPlayListEntry> back
        = EntryLine::makeEntry(EntryLine::format(*entry), {}, kAppFolder);
    if (!back || back->Info.FileName != entry->Info.FileName || back->Title != entry->Title)
        std::abort();
    return 0;
}
