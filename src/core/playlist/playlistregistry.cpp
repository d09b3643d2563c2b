#include "playlistregistry.h"

#include "playlist/entryline.h"
#include "playlist/playlistappender.h"
#include "playlist/tplaylistmodel.h"

#include <QSettings>

namespace {

using namespace Qt::Literals::StringLiterals;

const QString kPlayListKey = u"PlayList"_s;

template<class Handler>
void forEachLine(QStringView text, Handler &&onLine)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\n' && c != u'\r')
            continue;
        onLine(text.sliced(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        onLine(text.sliced(start));
}

QString storedText(const QSettings &settings)
{
    return settings.value(kPlayListKey).toString();
}

} // namespace

QString PlaylistToStoredText(const TPlayListModel &model)
{
    QString text;
    for (int i = 0; i < model.Count(); ++i) {
        text += EntryLine::format(model.EntryAt(i));
        text += u"\r\n";
    }
    return text;
}

void RestorePlaylistFromText(TPlayListModel &model, QStringView text)
{
    PlaylistAppender appender(model);
    forEachLine(text, [&appender](QStringView line) {
        if (!line.isEmpty())
            appender.add(line);
    });
}

int CountStoredPlaylistLines(QStringView text)
{
    int lines = 0;
    forEachLine(text, [&lines](QStringView line) {
        if (!line.isEmpty())
            ++lines;
    });
    return lines;
}

void StoreToRegistry(const TPlayListModel &model, QSettings &settings)
{
    settings.setValue(kPlayListKey, PlaylistToStoredText(model));
}

void RestoreFromRegistry(TPlayListModel &model, const QSettings &settings)
{
    RestorePlaylistFromText(model, storedText(settings));
}

bool KeepStoredPlaylistAtExit(int currentCount, QStringView storedText, bool exitNoSaveOne)
{
    return exitNoSaveOne && currentCount == 1 && CountStoredPlaylistLines(storedText) > 1;
}

bool StorePlaylistAtExit(const TPlayListModel &model, QSettings &settings, bool exitNoSaveOne)
{
    // The stored value can be large: it is read only when the rule can apply.
    if (exitNoSaveOne && model.Count() == 1
        && KeepStoredPlaylistAtExit(model.Count(), storedText(settings), exitNoSaveOne))
        return false;
    StoreToRegistry(model, settings);
    return true;
}

bool RestorePlaylistAtStartup(TPlayListModel &model, const QSettings &settings, bool hasArguments)
{
    if (!hasArguments)
        RestoreFromRegistry(model, settings);
    return model.Count() > 0;
}
