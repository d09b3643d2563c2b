#include "disctitle.h"

#include "discs/disclayout.h"
#include "discs/disctextfile.h"
#include "discs/tdiscdrives.h"
#include "playlist/entryline.h"
#include "settings/inifile.h"
#include "text/legacytext.h"

#include <QFileInfo>

namespace {

QString trimmed(const QString &text)
{
    return EntryLine::trimmed(text).toString();
}

// VIDEOCD.MLS: the last line decides; an entry line `path, "title"` gives its title.
QString titleFromFlyVcd(const QString &root)
{
    const std::optional<QStringList> lines
        = DiscTextFile::readLines(DiscTextFile::findFile(root, QStringLiteral("VIDEOCD.MLS")));
    QString candidate;
    for (const QString &line : lines.value_or(QStringList())) {
        candidate = trimmed(line);
        if (!candidate.isEmpty() && candidate.contains(QLatin1Char(','))
            && candidate.count(QLatin1Char('"')) == 2 && candidate.endsWith(QLatin1Char('"'))) {
            const qsizetype quote = candidate.indexOf(QLatin1Char('"'));
            candidate = candidate.mid(quote + 1, candidate.size() - quote - 2);
        }
    }
    return candidate;
}

// DATA\All.dat: text from the first non-blank character up to the first NUL byte.
QString titleFromDivXPlayer(const QString &root)
{
    const std::optional<QByteArray> bytes
        = DiscTextFile::readStart(DiscTextFile::findFile(root, QStringLiteral("DATA/All.dat")));
    if (!bytes)
        return {};
    qsizetype start = 0;
    while (start < bytes->size() && (bytes->at(start) == ' ' || bytes->at(start) == '\t'))
        ++start;
    qsizetype end = bytes->indexOf('\0', start);
    if (end < 0)
        end = bytes->size();
    return LegacyText::decode(bytes->mid(start, end - start));
}

// README.TXT: a first line "Название" announces the title on the fourth line.
QString titleFromReadme(const QString &root)
{
    const std::optional<QStringList> lines
        = DiscTextFile::readLines(DiscTextFile::findFile(root, QStringLiteral("README.TXT")));
    if (!lines || lines->isEmpty())
        return {};
    QString first = lines->first();
    qsizetype blanks = 0;
    while (blanks < first.size() && (first[blanks] == u' ' || first[blanks] == u'\t'))
        ++blanks;
    first.remove(0, blanks);
    if (first.toUpper() != u"НАЗВАНИЕ" || lines->size() < 4)
        return {};
    return lines->at(3);
}

// AUTORUN.INF names an info file on the disc whose first line is the title.
QString titleFromAutorunInfo(const QString &root)
{
    TIniFile autorun;
    autorun.load(DiscTextFile::findFile(root, QStringLiteral("AUTORUN.INF")));
    const QString infoName
        = autorun.string(QStringLiteral("CONFIGURATION"), QStringLiteral("InfOFiLeName"), {});
    const std::optional<QStringList> lines
        = DiscTextFile::readLines(DiscTextFile::findFile(root, infoName));
    return lines && !lines->isEmpty() ? lines->first() : QString();
}

QString titleFromMovieMachine(const QString &root)
{
    TIniFile ini;
    ini.load(DiscTextFile::findFile(root, QStringLiteral("mmachine.ini")));
    const QString section = QStringLiteral("MovieMachine");
    const QString title = trimmed(ini.string(section, QStringLiteral("Title1"), {}));
    return title.isEmpty() ? ini.string(section, QStringLiteral("AppendTitle"), {}) : title;
}

QString titleFromLayout(TDiscLayout layout, const QString &root)
{
    switch (layout) {
    case TDiscLayout::FlyVcd:
        return titleFromFlyVcd(root);
    case TDiscLayout::DivXPlayer:
        return titleFromDivXPlayer(root);
    case TDiscLayout::MovieReadme:
        return titleFromReadme(root);
    case TDiscLayout::AutorunInfo:
        return titleFromAutorunInfo(root);
    case TDiscLayout::MovieMachine:
        return titleFromMovieMachine(root);
    case TDiscLayout::None:
        break;
    }
    return {};
}

bool isNamedAfterTheDisc(const QString &path)
{
    const QString name = QFileInfo(path).completeBaseName().toUpper();
    return name == u"VIDEOOUT" || name == u"VIDEO" || name == u"MOVIE";
}

} // namespace

QString DiscTitle(const TDiscDrives &drives, const QString &path)
{
    const QChar drive = drives.DriveOfPath(path);
    return drive.isNull() ? QString() : DiscTitle(drives, drive, path);
}

QString DiscTitle(const TDiscDrives &drives, QChar drive, const QString &path)
{
    const QString root = drives.RootFolder(drive);
    QString candidate = trimmed(titleFromLayout(DetectDiscLayout(root), root));
    if (candidate.isEmpty() && isNamedAfterTheDisc(path))
        candidate = trimmed(drives.VolumeLabel(drive));
    // Control characters from binary title files would break the playlist's lines and
    // captions; they read as spaces, like "_".
    for (QChar &c : candidate) {
        if (c == u'_' || c.unicode() < 0x20)
            c = u' ';
    }
    return candidate;
}
