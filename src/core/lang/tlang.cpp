#include "tlang.h"

#include "langfile.h"
#include "languagechoice.h"

namespace {

// Indices are small constants in the code; a huge one is a bug, not a reason to allocate.
constexpr int kMaxIndex = 0xFFFF;

} // namespace

TLang::TLang()
    : m_name(LanguageChoice::kBuiltInName.toString())
{
    m_lines.reserve(kTextCount);
    for (int i = 0; i < kTextCount; ++i)
        m_lines.append(builtInText(i));
}

void TLang::Load(const QString &langFolder, const QString &name)
{
    const LangFile file = LanguageChoice::isBuiltIn(name)
                              ? LangFile()
                              : LangFile::read(LanguageChoice::filePath(langFolder, name));
    m_name = name;
    if (m_lines.size() < kTextCount)
        m_lines.resize(kTextCount);
    for (int i = 0; i < kTextCount; ++i) {
        const QString text = file.text(i);
        SetLine(i, text.isEmpty() ? builtInText(i) : text);
    }
}

QString TLang::GetLine(int index) const
{
    if (index < 0 || index >= m_lines.size())
        return u"!ERROR TRANSLATE! LINES-" + QString::number(index);
    return m_lines.at(index);
}

void TLang::SetLine(int index, const QString &text)
{
    if (index < 0 || index > kMaxIndex)
        return;
    if (index >= m_lines.size())
        m_lines.resize(index + 1);
    m_lines[index] = text;
}

QString TLang::builtInText(int index)
{
    if (index < 0 || index >= kTextCount)
        return {};
    const std::u16string_view text
        = index < BuiltInTexts::kCount
              ? BuiltInTexts::kTexts[static_cast<std::size_t>(index)]
              : BuiltInTexts::kAdded[static_cast<std::size_t>(index - BuiltInTexts::kCount)];
    return QStringView(text.data(), static_cast<qsizetype>(text.size())).toString();
}
