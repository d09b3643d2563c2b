#include "subtitlefiles.h"

#include "playlist/streamurl.h"

#include <QDir>
#include <QFileInfo>
#include <QLatin1StringView>
#include <algorithm>
#include <array>

namespace {

using namespace Qt::Literals::StringLiterals;

constexpr std::array kExtensions{"srt"_L1, "ass"_L1, "ssa"_L1, "vtt"_L1, "sub"_L1};

bool isLanguagePart(QStringView part)
{
    return !part.isEmpty() && part.size() <= 8
           && std::all_of(part.begin(), part.end(),
                          [](QChar c) { return c.isLetter() || c == u'-'; });
}

} // namespace

namespace SubtitleFiles {

bool IsSubtitleFile(QStringView path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot < 0 || path.sliced(dot).contains(u'/'))
        return false;
    const QStringView extension = path.sliced(dot + 1);
    return std::any_of(kExtensions.begin(), kExtensions.end(), [&](QLatin1StringView known) {
        return extension.compare(known, Qt::CaseInsensitive) == 0;
    });
}

QList<File> Find(const QString &film)
{
    if (film.isEmpty() || IsStreamUrl(film))
        return {};
    const QFileInfo info(film);
    const QString base = info.completeBaseName();
    QList<File> files;
    const QStringList names = QDir(info.path()).entryList(QDir::Files, QDir::Name);
    for (const QString &name : names) {
        if (!IsSubtitleFile(name) || name.size() <= base.size() + 1
            || !name.startsWith(base, Qt::CaseInsensitive) || name[base.size()] != u'.')
            continue;
        // Between the base name and the extension: nothing, or one language part.
        const QStringView middle
            = QStringView(name).sliced(base.size() + 1, name.lastIndexOf(u'.') - base.size());
        const QStringView language = middle.isEmpty() ? middle : middle.chopped(1);
        if (!language.isEmpty() && !isLanguagePart(language))
            continue;
        files.append({info.dir().filePath(name), language.toString().toLower()});
    }
    return files;
}

bool SameLanguage(QStringView a, QStringView b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    if (a.compare(b, Qt::CaseInsensitive) == 0)
        return true;
    const QStringView shorter = a.size() < b.size() ? a : b;
    const QStringView longer = a.size() < b.size() ? b : a;
    return shorter.size() == 2 && longer.size() == 3
           && longer.startsWith(shorter, Qt::CaseInsensitive);
}

QString Choose(const QList<File> &files, QStringView language)
{
    if (files.isEmpty())
        return {};
    const auto wanted = std::find_if(files.begin(), files.end(), [&](const File &file) {
        return SameLanguage(file.language, language);
    });
    return wanted != files.end() ? wanted->path : files.first().path;
}

} // namespace SubtitleFiles
