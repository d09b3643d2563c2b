#include "tfileassociations.h"

#include "settings/inifile.h"
#include "settings/settingsfilters.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>

namespace {

const QString kDefaultsSection = QStringLiteral("Default Applications");
const QString kAddedSection = QStringLiteral("Added Associations");

QString DesktopId()
{
    return QString::fromLatin1(TFileAssociations::kDesktopId);
}

// A value of mimeapps.list: desktop ids, each followed by ";".
QString JoinIds(const QStringList &ids)
{
    QString text;
    for (const QString &id : ids)
        text += id + QLatin1Char(';');
    return text;
}

QStringList IdsOf(const TIniFile &list, const QString &section, const QString &type)
{
    return SettingsFilters::SplitList(list.string(section, type, QString()), QLatin1Char(';'));
}

void PutIds(TIniFile &list, const QString &section, const QString &type, const QStringList &ids)
{
    if (ids.isEmpty())
        list.removeKey(section, type);
    else
        list.setValue(section, type, JoinIds(ids));
}

} // namespace

TFileAssociations::TFileAssociations(QString executablePath)
    : m_executable(std::move(executablePath))
{}

QString TFileAssociations::DesktopFilePath() const
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/applications/") + DesktopId();
}

QString TFileAssociations::MimeAppsPath() const
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/mimeapps.list");
}

QString TFileAssociations::DesktopEntryText() const
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Tavrel\n"
                          "Exec=%1 %F\n"
                          "Icon=tavrel\n"
                          "Terminal=false\n"
                          "NoDisplay=true\n"
                          "Categories=AudioVideo;Video;Player;\n")
        .arg(ExecProgram(m_executable));
}

QString TFileAssociations::ExecProgram(const QString &path)
{
    // A plain path goes as it is (some launchers read the first word only); one with
    // characters the desktop entry format reserves is quoted and escaped.
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString program = path;
    program.replace(QLatin1Char('%'), QStringLiteral("%%"));
    if (std::none_of(program.begin(), program.end(), [](QChar c) { return reserved.contains(c); }))
        return program;
    QString quoted;
    for (const QChar c : program) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$')
            || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    // The desktop entry format escapes each backslash once more as a string value.
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

bool TFileAssociations::WriteDesktopEntry() const
{
    const QString path = DesktopFilePath();
    const QString text = DesktopEntryText();
    TIniFile current;
    if (current.load(path) && current.text() == text)
        return true;
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder) || !TIniFile(text).save(path))
        return false;
    // The desktop's MIME cache is refreshed where the tool exists; without it the
    // defaults in mimeapps.list still hold.
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-desktop-database"));
    if (!tool.isEmpty()) {
        QProcess update;
        update.start(tool, {QStringLiteral("-q"), folder});
        update.waitForFinished(5000);
    }
    return true;
}

QStringList TFileAssociations::MimeTypesOf(const QString &extension)
{
    const QString ext = extension.trimmed().toLower();
    if (ext.isEmpty())
        return {};
    QStringList types;
    const QMimeDatabase database;
    for (const QMimeType &type : database.mimeTypesForFileName(QStringLiteral("file.") + ext)) {
        if (!type.isDefault())
            types.append(type.name());
    }
    return types;
}

bool TFileAssociations::IsDefaultFor(const QString &type) const
{
    TIniFile list;
    list.load(MimeAppsPath());
    const QStringList ids = IdsOf(list, kDefaultsSection, type);
    return !ids.isEmpty() && ids.constFirst() == DesktopId();
}

bool TFileAssociations::IsAssociated(const QString &extension) const
{
    const QStringList types = MimeTypesOf(extension);
    if (types.isEmpty())
        return false;
    for (const QString &type : types) {
        if (!IsDefaultFor(type))
            return false;
    }
    return true;
}

bool TFileAssociations::SetDefaults(const QStringList &types, bool remove)
{
    if (types.isEmpty())
        return false;
    if (!remove && !WriteDesktopEntry())
        return false;
    const QString path = MimeAppsPath();
    TIniFile list;
    if (!list.load(path) && QFileInfo::exists(path))
        return false; // a file we cannot read is not replaced by one that lost its lines
    const QString before = list.text();
    for (const QString &type : types) {
        QStringList defaults = IdsOf(list, kDefaultsSection, type);
        QStringList added = IdsOf(list, kAddedSection, type);
        if (remove) {
            // Another program's default stays; only ours goes.
            if (defaults.isEmpty() || defaults.constFirst() != DesktopId())
                continue;
            defaults.removeAll(DesktopId());
            added.removeAll(DesktopId());
        } else {
            defaults.removeAll(DesktopId());
            defaults.prepend(DesktopId());
            if (!added.contains(DesktopId()))
                added.prepend(DesktopId());
        }
        PutIds(list, kDefaultsSection, type, defaults);
        PutIds(list, kAddedSection, type, added);
    }
    if (list.text() == before)
        return true;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    return list.save(path);
}

bool TFileAssociations::Associate(const QString &extension, bool remove)
{
    return SetDefaults(MimeTypesOf(extension), remove);
}

bool TFileAssociations::IsDvdDefault() const
{
    return IsDefaultFor(QString::fromLatin1(kDvdType));
}

bool TFileAssociations::SetDvdDefault(bool on)
{
    return SetDefaults({QString::fromLatin1(kDvdType)}, !on);
}
