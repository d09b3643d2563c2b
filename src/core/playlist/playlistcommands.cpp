#include "playlistcommands.h"

#include "playlist/playlistfile.h"
#include "playlist/tplaylistmodel.h"

#include <QFileInfo>

namespace {

using Action = PlaylistOutcome::Action;

constexpr int kDeleteStatusTenths = 20;
constexpr int kAddedStatusTenths = 2;

enum DeleteText {
    kSelectedRemoved = 135,
    kNothingSelected = 136,
    kCurrentRemoved = 137,
    kAlreadyRemoved = 138,
    kNothingRemoved = 139,
};

PlaylistOutcome openFile(const QString &fileName)
{
    PlaylistOutcome outcome;
    if (!fileName.isEmpty()) {
        outcome.action = Action::OpenFile;
        outcome.fileName = fileName;
    }
    return outcome;
}

void addChosenFile(TPlayListModel &model, const QString &fileName, PlaylistOutcome &outcome)
{
    if (!IsPlaylistFile(fileName)) {
        if (model.AddEntry(fileName))
            outcome.added.append(fileName);
        return;
    }
    switch (LoadPlaylistFile(model, false, fileName)) {
    case PlaylistFileStatus::Done:
        outcome.added.append(fileName);
        break;
    case PlaylistFileStatus::ReadError:
        outcome.unreadPlaylists.append(fileName);
        break;
    default:
        break;
    }
}

} // namespace

QString FilesAddedStatusText()
{
    return QStringLiteral(u"Файл(ы) добавлены");
}

bool IsDvdEntryFile(const QString &fileName)
{
    return QFileInfo(fileName).fileName().compare(u"VIDEO_TS.IFO", Qt::CaseInsensitive) == 0;
}

PlaylistOutcome NextFileCommand(TPlayListModel &model)
{
    return openFile(model.Next());
}

PlaylistOutcome PreviousFileCommand(TPlayListModel &model)
{
    return openFile(model.Previous());
}

PlaylistOutcome StartPlaylistCommand(TPlayListModel &model, bool windowShowing)
{
    if (model.Count() == 0) {
        PlaylistOutcome outcome;
        outcome.action = Action::RunOpenDialog;
        return outcome;
    }
    QString name = model.CurrentFileName();
    if (name.isEmpty() && windowShowing) {
        name = model.SelectedFileName();
        if (!name.isEmpty())
            model.SetCurrent(model.ItemIndex());
    }
    if (name.isEmpty())
        name = model.First();
    return openFile(name);
}

PlaylistOutcome ListNavigationCommand(TPlayListModel &model, int parameter, bool windowShowing,
                                      bool mediaActive)
{
    if (!windowShowing)
        return {};
    switch (parameter) {
    case 0:
        return openFile(model.PlaySelected(mediaActive));
    case 1:
        model.SelectPrevious();
        break;
    case 2:
        model.SelectNext();
        break;
    default:
        break;
    }
    return {};
}

PlaylistOutcome AddFilesCommand(TPlayListModel &model, const QStringList &chosen)
{
    PlaylistOutcome outcome;
    outcome.statusText = FilesAddedStatusText();
    outcome.statusTenths = kAddedStatusTenths;
    for (const QString &fileName : chosen) {
        if (!IsDvdEntryFile(fileName))
            addChosenFile(model, fileName, outcome);
    }
    return outcome;
}

PlaylistOutcome OpenFilesCommand(TPlayListModel &model, const QStringList &chosen)
{
    for (const QString &fileName : chosen) {
        if (IsDvdEntryFile(fileName)) {
            PlaylistOutcome outcome;
            outcome.action = Action::OpenDvd;
            outcome.fileName = fileName;
            return outcome;
        }
    }
    model.Clear();
    PlaylistOutcome outcome;
    for (const QString &fileName : chosen)
        addChosenFile(model, fileName, outcome);
    PlaylistOutcome opened = openFile(model.First());
    opened.added = outcome.added;
    opened.unreadPlaylists = outcome.unreadPlaylists;
    return opened;
}

PlaylistOutcome DeleteFileCommand(TPlayListModel &model, bool windowShowing, bool mediaActive)
{
    PlaylistOutcome outcome;
    outcome.statusTenths = kDeleteStatusTenths;
    if (windowShowing)
        outcome.statusTextIndex = model.DeleteSelected() ? kSelectedRemoved : kNothingSelected;
    else if (!mediaActive)
        outcome.statusTextIndex = kNothingRemoved;
    else
        outcome.statusTextIndex = model.DeleteCurrent() ? kCurrentRemoved : kAlreadyRemoved;
    return outcome;
}
