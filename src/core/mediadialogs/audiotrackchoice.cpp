#include "mediadialogs/audiotrackchoice.h"

#include <QLocale>

bool TAudioTrackChoice::Next(int streamCount)
{
    if (m_track >= streamCount)
        return false;
    ++m_track;
    return true;
}

bool TAudioTrackChoice::Previous()
{
    if (m_track <= 1)
        return false;
    --m_track;
    return true;
}

namespace AudioTrackText {

QString FileCaption(const QString &trackWord, int track)
{
    return trackWord + QStringLiteral(" - ") + QString::number(track);
}

QString ShortLanguageName(const QString &systemName)
{
    const qsizetype bracket = systemName.indexOf(QLatin1Char('('));
    return bracket < 0 ? systemName : systemName.left(bracket);
}

QString DvdCaption(int track, const QString &systemLanguageName)
{
    return QString::number(track) + QLatin1Char('-') + ShortLanguageName(systemLanguageName);
}

QString SystemLanguageName(const QString &code)
{
    const QString trimmed = code.trimmed();
    if (trimmed.isEmpty())
        return {};
    const QLocale::Language language = QLocale::codeToLanguage(trimmed);
    if (language == QLocale::AnyLanguage || language == QLocale::C)
        return {};
    // The locale of the bare language gives its main country, as the system's
    // own names do ("English (United States)").
    const QLocale locale(language);
    const QString name = QLocale::languageToString(language);
    if (locale.language() != language || locale.territory() == QLocale::AnyTerritory)
        return name;
    return name + QStringLiteral(" (") + QLocale::territoryToString(locale.territory())
           + QLatin1Char(')');
}

} // namespace AudioTrackText
