#include "playlistfile.h"

#include "playlist/entryline.h"
#include "playlist/playablefile.h"
#include "playlist/playlistappender.h"
#include "playlist/playlistlinefilter.h"
#include "playlist/playlisttextreader.h"
#include "playlist/tplaylistmodel.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <array>

namespace {

using namespace Qt::Literals::StringLiterals;

constexpr std::array kPlaylistExtensions
    = {"mls"_L1, "bsl"_L1, "lap"_L1, "m3u"_L1, "lst"_L1, "pls"_L1, "asx"_L1, "m3u8"_L1};

QString extensionOf(const QString &fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.sliced(dot + 1);
}

constexpr qsizetype kWriteBufferSize = 1 << 20;

} // namespace

bool IsPlaylistFile(const QString &fileName)
{
    const QString extension = extensionOf(fileName);
    return std::any_of(kPlaylistExtensions.begin(), kPlaylistExtensions.end(),
                       [&extension](QLatin1StringView known) {
                           return extension.compare(known, Qt::CaseInsensitive) == 0;
                       });
}

QString PlaylistFileMasks()
{
    QStringList masks;
    for (const QLatin1StringView extension : kPlaylistExtensions)
        masks.append(u"*."_s + QString(extension).toUpper());
    return masks.join(u';');
}

PlaylistFileStatus LoadPlaylistFile(TPlayListModel &model, bool clearList, const QString &fileName)
{
    if (!IsPlayableFile(fileName))
        return PlaylistFileStatus::NotFound;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return PlaylistFileStatus::ReadError;
    if (clearList)
        model.Clear();

    const QString folder = QFileInfo(fileName).absolutePath() + u'/';
    const bool utf8 = extensionOf(fileName).compare("m3u8"_L1, Qt::CaseInsensitive) == 0;
    PlaylistAppender appender(model);
    const auto status = PlaylistTextReader::read(file, utf8, [&](QStringView line) {
        if (const std::optional<QString> entryLine = filterPlaylistLine(line, folder))
            appender.add(*entryLine);
    });
    return status == PlaylistTextReader::Status::Ok ? PlaylistFileStatus::Done
                                                    : PlaylistFileStatus::ReadError;
}

PlaylistFileStatus SavePlaylistFile(const TPlayListModel &model, const QString &fileName)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return PlaylistFileStatus::WriteError;
    QByteArray buffer;
    buffer.reserve(kWriteBufferSize + 4096);
    for (int i = 0; i < model.Count(); ++i) {
        buffer += EntryLine::format(model.EntryAt(i)).toUtf8();
        buffer += "\r\n";
        if (buffer.size() >= kWriteBufferSize) {
            file.write(buffer);
            buffer.resize(0);
        }
    }
    file.write(buffer);
    return file.commit() ? PlaylistFileStatus::Done : PlaylistFileStatus::WriteError;
}
