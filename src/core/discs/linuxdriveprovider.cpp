#include "linuxdriveprovider.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <filesystem>
#include <system_error>

namespace {

// Kernel and mount-table files are small; anything larger is not what we expect.
constexpr qint64 kMaxSystemFileBytes = 1024 * 1024;

QByteArray readSystemFile(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    return file.read(kMaxSystemFileBytes);
}

QStringList kernelDriveNames(const QString &cdromInfo)
{
    const QList<QByteArray> lines = readSystemFile(cdromInfo).split('\n');
    for (const QByteArray &line : lines) {
        if (!line.startsWith("drive name:"))
            continue;
        const QString names = QString::fromLatin1(line.mid(11));
        return names.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    }
    return {};
}

// The mount table writes space, tab, newline and backslash as three octal digits.
QString unescapeMountField(const QByteArray &field)
{
    QByteArray out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok && code >= 0 && code < 256) {
                out.append(static_cast<char>(code));
                i += 3;
                continue;
            }
        }
        out.append(field[i]);
    }
    return QString::fromUtf8(out);
}

// udev writes unsafe characters of a label as "\xHH".
QString unescapeLabel(const QString &name)
{
    QByteArray bytes = name.toUtf8();
    QByteArray out;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\\' && i + 3 < bytes.size() && bytes[i + 1] == 'x') {
            bool ok = false;
            const int code = bytes.mid(i + 2, 2).toInt(&ok, 16);
            if (ok) {
                out.append(static_cast<char>(code));
                i += 3;
                continue;
            }
        }
        out.append(bytes[i]);
    }
    return QString::fromUtf8(out);
}

// The kernel name of a device path: "/dev/cdrom" → "sr0" when it links there.
QString deviceNameOf(const QString &devicePath)
{
    const QString canonical = QFileInfo(devicePath).canonicalFilePath();
    return QFileInfo(canonical.isEmpty() ? devicePath : canonical).fileName();
}

} // namespace

TLinuxDriveProvider::TLinuxDriveProvider(Sources sources)
    : m_sources(std::move(sources))
{}

QMap<QChar, QString> TLinuxDriveProvider::AssignLetters(const QStringList &deviceNames)
{
    static const QRegularExpression scsi(QStringLiteral("^(?:sr|scd)(\\d{1,2})$"));
    QMap<QChar, QString> letters;
    QStringList others;
    for (const QString &name : deviceNames) {
        const QRegularExpressionMatch match = scsi.match(name);
        const int number = match.hasMatch() ? match.captured(1).toInt() : -1;
        if (number >= 0 && number <= 'Z' - 'D') {
            const QChar letter(static_cast<char16_t>(u'D' + number));
            if (!letters.contains(letter))
                letters.insert(letter, QStringLiteral("sr") + QString::number(number));
        } else if (!others.contains(name)) {
            others.append(name);
        }
    }
    QCollator natural;
    natural.setNumericMode(true);
    std::sort(others.begin(), others.end(), natural);
    char16_t next = u'D';
    for (const QString &name : std::as_const(others)) {
        while (next <= u'Z' && letters.contains(QChar(next)))
            ++next;
        if (next > u'Z')
            break;
        letters.insert(QChar(next), name);
    }
    return letters;
}

QMap<QChar, QString> TLinuxDriveProvider::Drives() const
{
    return AssignLetters(kernelDriveNames(m_sources.cdromInfo));
}

QString TLinuxDriveProvider::OpticalDriveLetters() const
{
    QString letters;
    const QMap<QChar, QString> drives = Drives();
    for (auto it = drives.cbegin(); it != drives.cend(); ++it)
        letters.append(it.key());
    return letters;
}

QString TLinuxDriveProvider::DeviceName(QChar letter) const
{
    return Drives().value(letter.toUpper());
}

QString TLinuxDriveProvider::RootFolder(QChar letter) const
{
    const QString device = DeviceName(letter);
    if (device.isEmpty())
        return {};
    const QList<QByteArray> lines = readSystemFile(m_sources.mountTable).split('\n');
    for (const QByteArray &line : lines) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 2 || !fields[0].startsWith("/dev/"))
            continue;
        if (deviceNameOf(unescapeMountField(fields[0])) == device)
            return unescapeMountField(fields[1]);
    }
    return {};
}

QString TLinuxDriveProvider::VolumeLabel(QChar letter) const
{
    const QString device = DeviceName(letter);
    if (device.isEmpty())
        return {};
    const QDir folder(m_sources.labelFolder);
    const QStringList names = folder.entryList(
        QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &name : names) {
        std::error_code error;
        const std::filesystem::path target
            = std::filesystem::read_symlink(folder.filePath(name).toStdString(), error);
        if (!error && QString::fromStdString(target.filename().string()) == device)
            return unescapeLabel(name);
    }
    return {};
}
