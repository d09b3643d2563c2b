#include "langfile.h"

#include "text/legacytext.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr QStringView kSection = u"recal";

// Spaces and every control character, the way the ini files were always trimmed.
bool isTrimmed(QChar c)
{
    return c.unicode() <= 0x20;
}

QStringView trimControls(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isTrimmed(text[begin]))
        ++begin;
    while (end > begin && isTrimmed(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

// Keys are looked up by their decimal spelling, so "05" or "+5" are different keys.
int indexOfKey(QStringView key)
{
    if (key.isEmpty() || key.size() > 3 || (key.size() > 1 && key.front() == u'0'))
        return -1;
    int index = 0;
    for (const QChar c : key) {
        if (c < u'0' || c > u'9')
            return -1;
        index = index * 10 + (c.unicode() - u'0');
    }
    return index < BuiltInTexts::kAllCount ? index : -1;
}

} // namespace

LangFile LangFile::parse(QStringView text)
{
    LangFile file;
    bool inSection = false;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != u'\n' && text[i] != u'\r')
            continue;
        file.addLine(text.sliced(lineStart, i - lineStart), inSection);
        lineStart = i + 1;
    }
    return file;
}

LangFile LangFile::parse(const QByteArray &bytes)
{
    return parse(QStringView(LegacyText::decode(bytes)));
}

LangFile LangFile::read(const QString &path)
{
    // Only regular files: a device or a pipe named like a language file would block or never end.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxFileBytes)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // The size can change between the check and the read; never take more than the limit.
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (bytes.size() > kMaxFileBytes)
        return {};
    return parse(bytes);
}

QString LangFile::text(int index) const
{
    if (index < 0 || index >= BuiltInTexts::kAllCount)
        return {};
    return m_texts[static_cast<std::size_t>(index)];
}

void LangFile::addLine(QStringView line, bool &inSection)
{
    line = trimControls(line);
    if (line.isEmpty() || line.front() == u';')
        return;
    if (line.front() == u'[' && line.back() == u']') {
        const QStringView name = trimControls(line.sliced(1, line.size() - 2));
        inSection = name.compare(kSection, Qt::CaseInsensitive) == 0;
        return;
    }
    if (!inSection)
        return;
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return;
    addKey(trimControls(line.first(equals)), trimControls(line.sliced(equals + 1)));
}

void LangFile::addKey(QStringView key, QStringView value)
{
    const int index = indexOfKey(key);
    if (index < 0)
        return;
    const auto slot = static_cast<std::size_t>(index);
    if (m_seen.test(slot))
        return;
    m_seen.set(slot);
    // An absurdly long text would only break the layout of menus and dialogs.
    if (value.size() <= kMaxTextLength)
        m_texts[slot] = value.toString();
}
