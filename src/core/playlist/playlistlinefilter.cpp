#include "playlistlinefilter.h"

#include "playlist/entryline.h"

#include <array>

namespace {

bool startsWithNoCase(QStringView text, QLatin1StringView prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (qsizetype i = 0; i < prefix.size(); ++i) {
        const char16_t c = text[i].unicode();
        const char16_t upper = c >= u'a' && c <= u'z' ? char16_t(c - u'a' + u'A') : c;
        const char p = prefix[i].toLatin1();
        const char16_t upperPrefix = p >= 'a' && p <= 'z' ? char16_t(p - 'a' + 'A') : char16_t(p);
        if (upper != upperPrefix)
            return false;
    }
    return true;
}

bool equalsNoCase(QStringView text, QLatin1StringView other)
{
    return text.size() == other.size() && startsWithNoCase(text, other);
}

// 1-based position of the first "=" as the format's readers count it, 0 when absent.
qsizetype equalsPosition(QStringView text)
{
    return text.indexOf(u'=') + 1;
}

bool isMetadata(QStringView line)
{
    using namespace Qt::Literals::StringLiterals;
    if (startsWithNoCase(line, "Title"_L1) && equalsPosition(line) > 5)
        return true;
    if (startsWithNoCase(line, "Length"_L1) && equalsPosition(line) > 6)
        return true;
    if (startsWithNoCase(line, "NumberOfEntries="_L1) || startsWithNoCase(line, "Version="_L1)
        || line.startsWith(u'['))
        return true;
    if (EntryLine::trimmed(line).isEmpty() || line.startsWith(u">B", Qt::CaseInsensitive)
        || line.startsWith(u">N", Qt::CaseInsensitive) || line.startsWith(u'#'))
        return true;
    if (startsWithNoCase(line, R"(<ASX VERSION="3.0">)"_L1) || startsWithNoCase(line, "</ASX>"_L1)
        || startsWithNoCase(line, R"(<ASX VERSION = "3.0">)"_L1))
        return true;
    static constexpr std::array kMarkup
        = {"<ENTRY>"_L1, "</ENTRY>"_L1, "<ABSTRACT></ABSTRACT>"_L1, "<COPYRIGHT></COPYRIGHT>"_L1,
           "<AUTHOR>NOPE</AUTHOR>"_L1};
    for (const QLatin1StringView markup : kMarkup) {
        if (equalsNoCase(line, markup))
            return true;
    }
    return false;
}

// The text between a prefix and a suffix of the given lengths; empty when they overlap.
QStringView between(QStringView line, qsizetype prefix, qsizetype suffix)
{
    const qsizetype length = line.size() - prefix - suffix;
    return length > 0 ? line.sliced(prefix, length) : QStringView();
}

// The two single-line reference forms of .asx files. The first form drops the
// quotes around the path together with its markup, so a reference written with a
// space before "/>" keeps its closing quote; the second keeps both quotes.
QStringView unwrapReference(QStringView line)
{
    using namespace Qt::Literals::StringLiterals;
    if (startsWithNoCase(line, "<REF HREF = "_L1) && line.endsWith(u"/>"))
        return EntryLine::trimmed(between(line, 13, 3));
    if (startsWithNoCase(line, "<ENTRY><REF HREF="_L1)
        && line.endsWith(u"/></ENTRY>", Qt::CaseInsensitive))
        return EntryLine::trimmed(between(line, 17, 10));
    return line;
}

QStringView unquoted(QStringView line)
{
    if (line.contains(u',') || !line.startsWith(u'"'))
        return line;
    if (line.indexOf(u'"', 1) != line.size() - 1)
        return line;
    return line.sliced(1, line.size() - 2);
}

} // namespace

std::optional<QString> filterPlaylistLine(QStringView rawLine, const QString &playlistFolder)
{
    using namespace Qt::Literals::StringLiterals;
    QStringView line = EntryLine::trimmed(rawLine);
    if (startsWithNoCase(line, "#OPENSTRING"_L1) || startsWithNoCase(line, "File"_L1)) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals >= 0)
            line = line.sliced(equals + 1);
    }
    if (isMetadata(line))
        return std::nullopt;
    line = unquoted(unwrapReference(line));
    if (EntryLine::hasDrivePart(line))
        return line.toString();
    return playlistFolder + line;
}
