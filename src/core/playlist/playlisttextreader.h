#pragma once

#include <QStringView>
#include <functional>

class QIODevice;

// Reads a playlist-like text file line by line without holding the whole file.
// The text ends at the first byte 26 (the old end-of-file mark). Lines end in
// CR LF, LF or a lone CR. The text is UTF-8 when all of it is valid UTF-8
// (a byte-order mark at the start of a line is skipped, so that lists joined
// into one file read as they were), otherwise Windows-1251; forceUtf8
// skips that test for formats that are UTF-8 by definition.
class PlaylistTextReader
{
public:
    enum class Status { Ok, ReadError };
    using LineHandler = std::function<void(QStringView)>;

    // The device must be open for reading and seekable unless forceUtf8 is set.
    static Status read(QIODevice &device, bool forceUtf8, const LineHandler &onLine);
};
