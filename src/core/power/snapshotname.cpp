#include "snapshotname.h"

#include <QFileInfo>

namespace {

constexpr int kLastNumber = 10000;

} // namespace

QString SnapshotFileName(const QString &folder, const QString &mediumName,
                         const std::function<bool(const QString &)> &exists)
{
    QString base = folder;
    if (!base.isEmpty() && !base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    base += QFileInfo(mediumName).fileName() + QStringLiteral(".scr_");
    for (int n = 0; n <= kLastNumber; ++n) {
        const QString name = base + QString::number(n) + QStringLiteral(".bmp");
        if (!exists(name))
            return name;
    }
    return {};
}
