#include "langfile.h"

#include "text/legacytext.h"

namespace {

const QString kSection = QStringLiteral("recal");

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

LangFile LangFile::fromIni(const TIniFile &ini)
{
    LangFile file;
    ini.forEachKey(kSection,
                   [&file](const QString &key, const QString &value) { file.addKey(key, value); });
    return file;
}

LangFile LangFile::parse(QStringView text)
{
    return fromIni(TIniFile(text.toString()));
}

LangFile LangFile::parse(const QByteArray &bytes)
{
    return fromIni(TIniFile(LegacyText::decode(bytes)));
}

LangFile LangFile::read(const QString &path)
{
    TIniFile ini;
    if (!ini.load(path))
        return {};
    return fromIni(ini);
}

QString LangFile::text(int index) const
{
    if (index < 0 || index >= BuiltInTexts::kAllCount)
        return {};
    return m_texts[static_cast<std::size_t>(index)];
}

void LangFile::addKey(QStringView key, const QString &value)
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
        m_texts[slot] = value;
}
