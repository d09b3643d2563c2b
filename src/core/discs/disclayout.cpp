#include "disclayout.h"

#include "discs/disctextfile.h"
#include "playlist/entryline.h"

namespace {

bool exists(const QString &root, const char16_t *name)
{
    return !DiscTextFile::findFile(root, QString::fromUtf16(name)).isEmpty();
}

bool autorunNamesInfoFile(const QString &root)
{
    const std::optional<QStringList> lines
        = DiscTextFile::readLines(DiscTextFile::findFile(root, QStringLiteral("AUTORUN.INF")));
    if (!lines)
        return false;
    bool inConfiguration = false;
    for (const QString &line : *lines) {
        const QStringView text = EntryLine::trimmed(line);
        if (!inConfiguration)
            inConfiguration = text.compare(u"[CONFIGURATION]", Qt::CaseInsensitive) == 0;
        else if (text.startsWith(QStringLiteral("InfoFileName"), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace

TDiscLayout DetectDiscLayout(const QString &rootFolder)
{
    if (rootFolder.isEmpty())
        return TDiscLayout::None;
    const QString &r = rootFolder;
    if (exists(r, u"FlyVCD.exe") && exists(r, u"VIDEOCD.MLS"))
        return TDiscLayout::FlyVcd;
    if (exists(r, u"DivX_Player.exe") && exists(r, u"DATA/All.dat"))
        return TDiscLayout::DivXPlayer;
    if (exists(r, u"movie.avi") && exists(r, u"README.TXT"))
        return TDiscLayout::MovieReadme;
    if (autorunNamesInfoFile(r))
        return TDiscLayout::AutorunInfo;
    if (exists(r, u"Mmach32.exe") && exists(r, u"mmachine.ini"))
        return TDiscLayout::MovieMachine;
    return TDiscLayout::None;
}
