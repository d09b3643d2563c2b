#include "caseinsensitivepath.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

QString findEntry(const QString &folder, const QString &name)
{
    const QString exact = QDir(folder).filePath(name);
    if (QFileInfo::exists(exact))
        return exact;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        if (it.fileName().compare(name, Qt::CaseInsensitive) == 0)
            return it.filePath();
    }
    return {};
}

} // namespace

QString findPathIgnoringCase(const QString &folder, const QString &relativePath)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return {};
    QString current = folder;
    static const QRegularExpression separators(QStringLiteral("[/\\\\]"));
    const QStringList parts = relativePath.split(separators, Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        current = findEntry(current, part);
        if (current.isEmpty())
            return {};
    }
    return parts.isEmpty() ? QString() : current;
}
