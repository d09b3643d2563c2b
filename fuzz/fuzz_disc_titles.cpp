// Any bytes as the title file of each home-made disc layout (README.TXT, AUTORUN.INF and
// the info file it names, VIDEOCD.MLS, DATA/All.dat, mmachine.ini) and as a DVD's
// VIDEO_TS.IFO. The first byte picks the layout. The discs are folders in a temporary
// place, so the readers run over real files exactly as they do for a mounted disc.
#include "discs/discfilefilter.h"
#include "discs/disctitle.h"
#include "discs/idriveprovider.h"
#include "discs/tdiscdrives.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <array>
#include <cstdint>
#include <cstdlib>

namespace {

struct Layout
{
    const char *markers[2]; // empty files that make the disc look like this layout
    const char *titleFile;  // the file the fuzzer's bytes go into
};

const std::array<Layout, 6> kLayouts = {{
    {{"movie.avi", nullptr}, "README.TXT"},
    {{nullptr, nullptr}, "AUTORUN.INF"},
    {{"FlyVCD.exe", nullptr}, "VIDEOCD.MLS"},
    {{"DivX_Player.exe", nullptr}, "DATA/All.dat"},
    {{"Mmach32.exe", nullptr}, "mmachine.ini"},
    {{nullptr, nullptr}, "VIDEO_TS/VIDEO_TS.IFO"},
}};

class Disc : public IDriveProvider
{
public:
    QString OpticalDriveLetters() const override { return QStringLiteral("D"); }
    QString RootFolder(QChar) const override { return root; }
    QString VolumeLabel(QChar) const override { return QStringLiteral("MY_DISC"); }
    QString root;
};

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(path.left(path.lastIndexOf(u'/')));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
}

struct Discs
{
    Discs()
    {
        for (size_t i = 0; i < kLayouts.size(); ++i) {
            roots[i] = dir.filePath(QString::number(i));
            for (const char *marker : kLayouts[i].markers) {
                if (marker)
                    write(roots[i] + u'/' + QLatin1String(marker), {});
            }
        }
    }
    QTemporaryDir dir;
    std::array<QString, kLayouts.size()> roots;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Discs discs;
    if (size == 0)
        return 0;
    const size_t which = data[0] % kLayouts.size();
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1),
                           static_cast<qsizetype>(size - 1));
    const QString &root = discs.roots[which];
    write(root + u'/' + QLatin1String(kLayouts[which].titleFile), bytes);
    // An AUTORUN.INF may name any file on the disc as its info file; the same bytes are
    // there under a fixed name too.
    if (which == 1)
        write(root + QStringLiteral("/INFO.TXT"), bytes);

    Disc disc;
    disc.root = root;
    const TDiscDrives drives(disc);
    const QString title = DiscTitle(drives, root + QStringLiteral("/VIDEO.avi"));
    for (const QChar c : title) {
        if (c == u'_' || c.unicode() < 0x20)
            std::abort();
    }
    // Every byte of a title file becomes at most one character; the label is the fallback.
    if (title.size() > qMax(bytes.size(), qsizetype(TDiscDrives::kMaxLabelLength)))
        std::abort();

    const bool signed_ = bytes.startsWith("DVDVIDEO-VMG");
    if (which == 5 && FindDvdEntryFile(root).isEmpty() == signed_)
        std::abort();
    return 0;
}
