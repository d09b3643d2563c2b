#include "languagechoice.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A name comes from the settings, which anyone can edit: it must not lead out of the folder.
bool isPlainName(const QString &name)
{
    return !name.isEmpty() && !name.contains(u'/') && !name.contains(u'\\');
}

bool hasLangSuffix(const QString &fileName)
{
    return fileName.size() > LanguageChoice::kFileSuffix.size()
           && fileName.endsWith(LanguageChoice::kFileSuffix, Qt::CaseInsensitive);
}

QString nameOf(const QString &fileName)
{
    return fileName.chopped(LanguageChoice::kFileSuffix.size());
}

QStringList languageFiles(const QString &langFolder)
{
    QStringList files;
    const QDir dir(langFolder);
    if (langFolder.isEmpty() || !dir.exists())
        return files;
    const auto entries = dir.entryInfoList(QDir::Files | QDir::Readable | QDir::Hidden,
                                           QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &entry : entries) {
        if (hasLangSuffix(entry.fileName()) && isPlainName(nameOf(entry.fileName())))
            files.append(entry.fileName());
    }
    return files;
}

} // namespace

namespace LanguageChoice {

QString startupName(const QString &langSetting, QLocale::Language systemLanguage)
{
    if (!langSetting.isEmpty())
        return langSetting;
    return (systemLanguage == QLocale::Russian ? kBuiltInName : kFallbackName).toString();
}

bool isBuiltIn(const QString &name)
{
    return name == kBuiltInName;
}

QString filePath(const QString &langFolder, const QString &name)
{
    if (langFolder.isEmpty() || !isPlainName(name))
        return {};
    const QDir dir(langFolder);
    const QString exact = dir.filePath(name + kFileSuffix);
    if (QFileInfo(exact).isFile())
        return exact;
    // Files copied from other systems may spell the extension in capitals.
    for (const QString &file : languageFiles(langFolder)) {
        if (nameOf(file) == name)
            return dir.filePath(file);
    }
    return {};
}

QStringList available(const QString &langFolder)
{
    QStringList names{kBuiltInName.toString()};
    for (const QString &file : languageFiles(langFolder)) {
        // Choosing "Russian" reads no file, so a file of that name is not a second choice.
        if (!names.contains(nameOf(file)))
            names.append(nameOf(file));
    }
    return names;
}

} // namespace LanguageChoice
