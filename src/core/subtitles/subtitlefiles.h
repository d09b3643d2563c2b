#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// Subtitle files that belong to a film: beside it, with its base name and one of
// the extensions .srt, .ass, .ssa, .vtt, .sub, optionally with a language part
// between the two ("film.ru.srt").
namespace SubtitleFiles {

struct File
{
    QString path;
    QString language; // lower case; empty without a language part
};

// A name with one of the subtitle extensions (any case).
bool IsSubtitleFile(QStringView path);

// The subtitle files of a film, sorted by name; none for a stream address.
QList<File> Find(const QString &film);

// The two languages name the same one: equal, or a three-letter code that
// begins with the two-letter one ("ru" and "rus").
bool SameLanguage(QStringView a, QStringView b);

// The file to load: the first in the wanted language, else the first of all
// (its text is then one more track to choose from). Empty without files.
QString Choose(const QList<File> &files, QStringView language);

} // namespace SubtitleFiles
