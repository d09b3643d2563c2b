#include "settings/settingsfilters.h"

#include <cstdlib>

namespace {

// The Cyrillic letters of a Russian keyboard and the Latin letters on the same keys.
constexpr char16_t kCyrillicKeys[] = u"ЙЦУКЕНГШЩЗФЫВАПРОЛДЯЧСМИТЬ";
constexpr char kLatinKeys[] = "QWERTYUIOPASDFGHJKLZXCVBNM";

std::optional<int> WholeNumber(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

namespace SettingsFilters {

int NumberOr(const QString &text, int fallback)
{
    return WholeNumber(text).value_or(fallback);
}

QString PercentText(const QString &text)
{
    constexpr int kFull = 100;
    const auto value = WholeNumber(text);
    if (!value || *value > kFull)
        return QString::number(kFull);
    if (*value < 0)
        return QStringLiteral("0");
    return text;
}

QString AspectText(const QString &text)
{
    const auto value = WholeNumber(text);
    if (!value || *value == 0)
        return QStringLiteral("1");
    if (*value < 0)
        return QString::number(-static_cast<qint64>(*value));
    return text;
}

std::optional<QChar> DriveKey(QChar typed)
{
    const QChar upper = typed.toUpper();
    if (upper >= QLatin1Char('A') && upper <= QLatin1Char('Z'))
        return upper;
    const std::u16string_view cyrillic(kCyrillicKeys);
    const auto at = cyrillic.find(upper.unicode());
    if (at == std::u16string_view::npos)
        return std::nullopt;
    return QLatin1Char(kLatinKeys[at]);
}

QString DriveLetters(const QString &text, const QString &opticalLetters)
{
    QString kept;
    for (const QChar c : text) {
        if (opticalLetters.contains(c) && !kept.contains(c))
            kept.append(c);
    }
    return kept;
}

int CaretAfterFilter(const QString &before, int caret, const QString &opticalLetters)
{
    return static_cast<int>(DriveLetters(before.left(caret), opticalLetters).size());
}

QStringList SplitList(const QString &text, QChar separator)
{
    QStringList parts;
    for (const QString &part : text.trimmed().split(separator)) {
        const QString trimmed = part.trimmed();
        if (!trimmed.isEmpty())
            parts.append(trimmed);
    }
    return parts;
}

} // namespace SettingsFilters
