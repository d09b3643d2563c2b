// Playlist file bytes through the text reader and the line filter, then through
// the entry-line splitter, as LoadPlaylistFile runs them.
#include "playlist/entryline.h"
#include "playlist/playlistlinefilter.h"
#include "playlist/playlisttextreader.h"
#include "playlist/utf8validator.h"
#include "text/legacytext.h"

#include <QBuffer>
#include <cstdint>
#include <cstdlib>

namespace {

const QString kPlaylistFolder = QStringLiteral("/lists/");
const QString kAppFolder = QStringLiteral("/app/");

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void readAllLines(const QByteArray &bytes, bool forceUtf8)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    PlaylistTextReader::read(buffer, forceUtf8, [](QStringView line) {
        const std::optional<QString> entryLine = filterPlaylistLine(line, kPlaylistFolder);
        if (!entryLine)
            return;
        const std::optional<TPlayListEntry> entry
            = EntryLine::makeEntry(*entryLine, {}, kAppFolder);
        if (!entry)
            return;
        check(!entry->Info.FileName.isEmpty());
        check(!entry->Info.FileName.contains(QChar(0)));
        const QString stored = EntryLine::format(*entry);
        check(!stored.contains(u'\n') && !stored.contains(u'\r'));
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    Utf8Validator validator;
    validator.feed(bytes);
    check(validator.isValid() == LegacyText::isValidUtf8(bytes));
    readAllLines(bytes, false);
    readAllLines(bytes, true);
    return 0;
}
