#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QStringView>

// Which language the player speaks and where its file lies. Language files are
// "<name>.lng" in the program's lang folder; the built-in language has no file.
namespace LanguageChoice {

inline constexpr QStringView kBuiltInName = u"Russian";
inline constexpr QStringView kFallbackName = u"English";
inline constexpr QStringView kFileSuffix = u".lng";

// The language to load at start-up from the stored setting: an empty setting means
// the system's language when that is the built-in one, otherwise English.
QString startupName(const QString &langSetting, QLocale::Language systemLanguage);

// True when the name means the built-in texts, so no file is read for it.
bool isBuiltIn(const QString &name);

// The path of the file for a language, or an empty string when there is none. The
// name is a plain file name; the extension matches without regard to case.
QString filePath(const QString &langFolder, const QString &name);

// The built-in language followed by the names of the language files in the folder.
QStringList available(const QString &langFolder);

} // namespace LanguageChoice
