#include "playlistregistry.h"

#include "playlist/entryline.h"
#include "playlist/playlistappender.h"
#include "playlist/tplaylistmodel.h"
#include "settings/settingsstore.h"

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
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool end = i == text.size();
        if (!end && text[i] != u'\n' && text[i] != u'\r')
            continue;
        if (i > start)
            appender.add(text.sliced(start, i - start));
        if (!end && text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
}

void StoreToRegistry(const TPlayListModel &model, TSettingsStore &store)
{
    store.setValue(&TSettingsRecord::PlayList, PlaylistToStoredText(model));
}

void RestoreFromRegistry(TPlayListModel &model, const TSettingsStore &store)
{
    RestorePlaylistFromText(model, store.value(&TSettingsRecord::PlayList));
}

bool RestorePlaylistAtStartup(TPlayListModel &model, const TSettingsStore &store, bool hasArguments)
{
    if (!hasArguments)
        RestoreFromRegistry(model, store);
    return model.Count() > 0;
}
