#include "disctextfile.h"

#include "cmdline/caseinsensitivepath.h"
#include "text/legacytext.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace DiscTextFile {

std::optional<QByteArray> readStart(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(kMaxBytes);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

std::optional<QStringList> readLines(const QString &path)
{
    const std::optional<QByteArray> bytes = readStart(path);
    if (!bytes)
        return std::nullopt;
    static const QRegularExpression lineBreak(QStringLiteral("\\r\\n|\\n|\\r"));
    QStringList lines = LegacyText::decode(*bytes).split(lineBreak);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString findFile(const QString &root, const QString &relativePath)
{
    static const QRegularExpression separators(QStringLiteral("[/\\\\]"));
    const QStringList parts = relativePath.split(separators);
    if (relativePath.isEmpty() || parts.first().isEmpty() || parts.contains(QStringLiteral(".."))
        || parts.first().endsWith(QLatin1Char(':')))
        return {};
    const QString found = findPathIgnoringCase(root, relativePath);
    return QFileInfo(found).isFile() ? found : QString();
}

} // namespace DiscTextFile
