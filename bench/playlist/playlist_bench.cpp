// Times the playlist's heavy operations on generated lists against the floor: just
// reading the file and asking for each path's existence. Prints one line per
// measurement: name, milliseconds (best of the runs) and ratio to the floor.
#include "playlist/playablefile.h"
#include "playlist/playlistfile.h"
#include "playlist/playlistregistry.h"
#include "playlist/tplaylistmodel.h"
#include "settings/settingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

namespace {

int g_runs = 3;

double bestOf(const std::function<void()> &prepare, const std::function<void()> &work)
{
    double best = 1e300;
    for (int run = 0; run < g_runs; ++run) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

void report(const char *name, double ms, double floorMs)
{
    std::printf("%-28s %10.1f ms %8.2fx floor\n", name, ms, ms / floorMs);
}

// The floor: read the file line by line and test each path's existence.
double floorFor(const QString &fileName)
{
    return bestOf([] {},
                  [&fileName] {
                      QFile file(fileName);
                      if (!file.open(QIODevice::ReadOnly))
                          return;
                      int existing = 0;
                      while (!file.atEnd()) {
                          const QByteArray line = file.readLine().trimmed();
                          if (!line.isEmpty() && !line.startsWith('#'))
                              existing += IsPlayableFile(QString::fromUtf8(line));
                      }
                      if (existing < 0)
                          std::puts("");
                  });
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;
    g_runs = argc > 2 ? QByteArray(argv[2]).toInt() : 3;
    QTemporaryDir dir;
    const QString media = dir.filePath(QStringLiteral("media/"));
    QDir().mkpath(media);

    QByteArray m3u = "#EXTM3U\n";
    QByteArray mls;
    for (int i = 0; i < count; ++i) {
        const QByteArray path = media.toUtf8() + "Film_number_" + QByteArray::number(i) + ".avi";
        m3u += "#EXTINF:100,Film " + QByteArray::number(i) + "\n" + path + "\n";
        mls += path + ", \"Фильм " + QByteArray::number((i * 7919) % count) + "\"\r\n";
    }
    const QString m3uFile = dir.filePath(QStringLiteral("list.m3u"));
    const QString mlsFile = dir.filePath(QStringLiteral("list.mls"));
    for (const auto &[name, bytes] : {std::pair{m3uFile, m3u}, std::pair{mlsFile, mls}}) {
        QFile out(name);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            return 1;
    }

    const double floorMs = floorFor(mlsFile);
    std::printf("%d entries, best of %d runs\n", count, g_runs);
    report("floor (read + exists)", floorMs, floorMs);

    TPlayListModel model(dir.filePath(QStringLiteral("app/")));
    const auto clear = [&model] { model.Clear(); };
    report("load .m3u", bestOf(clear, [&] { LoadPlaylistFile(model, true, m3uFile); }), floorMs);
    report("load .mls", bestOf(clear, [&] { LoadPlaylistFile(model, true, mlsFile); }), floorMs);
    report("Sort", bestOf([&] { model.Shuffle(); }, [&] { model.Sort(); }), floorMs);
    report("Shuffle", bestOf([] {}, [&] { model.Shuffle(); }), floorMs);

    // Only the last entry's file exists: Next walks the whole list once.
    const QString last = model.FileNameAt(model.Count() - 1);
    QFile(last).open(QIODevice::WriteOnly);
    report("Next to the last entry", bestOf([&] { model.SetCurrent(0); }, [&] { model.Next(); }),
           floorMs);

    report("stored text round trip",
           bestOf([] {},
                  [&] {
                      TPlayListModel restored(model.AppFolder());
                      RestorePlaylistFromText(restored, PlaylistToStoredText(model));
                  }),
           floorMs);
    TSettingsStore settings(std::make_unique<QSettings>(dir.filePath(QStringLiteral("store.conf")),
                                                        QSettings::IniFormat));
    report("store + restore (settings)",
           bestOf([] {},
                  [&] {
                      StoreToRegistry(model, settings);
                      TPlayListModel restored(model.AppFolder());
                      RestoreFromRegistry(restored, settings);
                  }),
           floorMs);
    return 0;
}
