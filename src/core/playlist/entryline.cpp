#include "entryline.h"

#include "streamurl.h"

namespace {

constexpr QChar kQuote = u'"';

bool isPathSeparator(QChar c)
{
#ifdef Q_OS_WIN
    return c == u'\\' || c == u'/' || c == u':';
#else
    return c == u'/';
#endif
}

QString withoutLineBreaks(const QString &text)
{
    QString result = text;
    for (QChar &c : result) {
        if (c == u'\r' || c == u'\n' || c == QChar(0x1A))
            c = u' ';
    }
    return result;
}

} // namespace

namespace EntryLine {

QStringView trimmed(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 0x20)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 0x20)
        --end;
    return text.sliced(begin, end - begin);
}

bool hasDrivePart(QStringView path)
{
    // A folder in front of an address could never name anything.
    if (IsStreamUrl(path))
        return true;
#ifdef Q_OS_WIN
    const bool driveLetter
        = path.size() >= 2 && path[1] == u':'
          && ((path[0] >= u'A' && path[0] <= u'Z') || (path[0] >= u'a' && path[0] <= u'z'));
    return driveLetter || path.startsWith(u"\\\\") || path.startsWith(u"//");
#else
    return path.startsWith(u'/');
#endif
}

std::optional<Parts> split(QStringView line)
{
    Parts parts;
    const qsizetype comma = line.indexOf(u',');
    const bool titleForm = comma >= 0 && line.sliced(comma).count(kQuote) >= 2;
    if (titleForm) {
        // The title runs from the first quote of the whole line, which may stand
        // before the comma; the path is what precedes that quote minus its last
        // character (normally the comma).
        const qsizetype open = line.indexOf(kQuote);
        const qsizetype close = line.indexOf(kQuote, open + 1);
        parts.title = line.sliced(open + 1, close - open - 1).toString();
        QStringView path = trimmed(line.first(open));
        if (!path.isEmpty())
            path.chop(1);
        parts.path = trimmed(path).toString();
        parts.hasTitle = true;
    } else {
        parts.path = line.toString();
    }
    if (parts.path.isEmpty() || parts.path.contains(QChar(0)))
        return std::nullopt;
    return parts;
}

QString defaultTitle(QStringView path)
{
    qsizetype nameStart = path.size();
    while (nameStart > 0 && !isPathSeparator(path[nameStart - 1]))
        --nameStart;
    QStringView name = path.sliced(nameStart);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot >= 0)
        name.truncate(dot);
    QString title = name.toString();
    title.replace(u'_', u' ');
    return title;
}

QString format(const TPlayListEntry &entry)
{
    return withoutLineBreaks(entry.Info.FileName) + QStringLiteral(", \"")
           + withoutLineBreaks(entry.Title) + kQuote;
}

std::optional<TPlayListEntry> makeEntry(QStringView line, QStringView title,
                                        const QString &appFolder)
{
    const QStringView text = trimmed(line);
    if (text.isEmpty())
        return std::nullopt;
    std::optional<Parts> parts
        = hasDrivePart(text) ? split(text) : split(QString(appFolder + text));
    if (!parts)
        return std::nullopt;
    TPlayListEntry entry;
    if (parts->hasTitle)
        entry.Title = std::move(parts->title);
    else if (!title.isEmpty())
        entry.Title = title.toString();
    else
        entry.Title = defaultTitle(parts->path);
    entry.Info.FileName = std::move(parts->path);
    return entry;
}

} // namespace EntryLine
