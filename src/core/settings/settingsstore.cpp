#include "settings/settingsstore.h"

#include "settings/inifile.h"
#include "settings/settingsvalue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>

namespace {

using R = TSettingsRecord;

const QString kOrganisation = QStringLiteral("Quenfold");
const QString kApplication = QStringLiteral("Tavrel");
const QString kIniFileName = QStringLiteral("tavrel.ini");
const QString kAspectGroup = QStringLiteral("ar");
const QString kResumeGroup = QStringLiteral("files");

QString keyOf(const TSettingDef &def)
{
    const QString name = QString::fromUtf8(def.name);
    if (def.place == TSettingPlace::SubKey)
        return QString::fromUtf8(def.section) + QLatin1Char('/') + name;
    return name;
}

QString aspectKey(char axis, int pair)
{
    return kAspectGroup + QLatin1Char('/') + QLatin1Char(axis) + QString::number(pair);
}

// Resume positions are stored under a film's fingerprint; anything else could name a
// group or another key and is refused.
bool isFingerprint(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9A-F]{1,8}$"));
    return pattern.match(name).hasMatch();
}

bool inRange(const TSettingDef &def, int value)
{
    return value >= def.minimum && value <= def.maximum;
}

// Reads one stored value into the record, or the row's default when the value cannot be used.
struct ValueReader
{
    TSettingsRecord &record;
    const TSettingDef &def;
    const QVariant &stored;

    void operator()(bool R::*field) const
    {
        const auto v = SettingsValue::toBool(stored);
        record.*field = v ? *v : def.intDefault != 0;
    }
    void operator()(int R::*field) const
    {
        const auto v = SettingsValue::toInt(stored);
        record.*field = v && inRange(def, *v) ? *v : def.intDefault;
    }
    void operator()(QString R::*field) const
    {
        const auto v = SettingsValue::toText(stored);
        record.*field = v ? *v : QString::fromUtf8(def.textDefault);
    }
    void operator()(QRect R::*field) const
    {
        const auto v = SettingsValue::unpackRect(stored);
        record.*field = v ? *v : QRect();
    }
    void operator()(QDateTime R::*field) const
    {
        const auto v = SettingsValue::unpackTime(stored);
        record.*field = v ? *v : QDateTime::currentDateTime();
    }
};

// The stored form of one record value.
struct ValueWriter
{
    const TSettingsRecord &record;

    QVariant operator()(bool R::*field) const { return QVariant(record.*field ? 1 : 0); }
    QVariant operator()(int R::*field) const { return QVariant(record.*field); }
    QVariant operator()(QString R::*field) const { return QVariant(record.*field); }
    QVariant operator()(QRect R::*field) const
    {
        return QVariant(SettingsValue::packRect(record.*field));
    }
    QVariant operator()(QDateTime R::*field) const
    {
        return QVariant(SettingsValue::packTime(record.*field));
    }
};

QString userIniPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/')
           + kOrganisation + QLatin1Char('/') + kApplication + QLatin1Char('/') + kIniFileName;
}

} // namespace

TSettingsStore::TSettingsStore()
    : TSettingsStore(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                 kOrganisation, kApplication))
{}

TSettingsStore::TSettingsStore(std::unique_ptr<QSettings> settings)
    : m_settings(std::move(settings))
    , m_unreadableAtStart(m_settings->status() == QSettings::AccessError)
{
    keepCopyOfBrokenFile();
    clearAbandonedLock();
}

// A player killed while it held the settings file's lock can leave the lock file empty, and
// an empty one counts as held for half a minute: every write would wait that long. A lock
// that still names no owner a moment later is such a leftover; one whose owner is gone is
// taken over by tryLock itself.
void TSettingsStore::clearAbandonedLock() const
{
    const QString path = m_settings->fileName() + QStringLiteral(".lock");
    if (!QFileInfo::exists(path))
        return;
    QLockFile lock(path);
    if (lock.tryLock(0))
        return;
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock.getLockInfo(&pid, &host, &application))
        return;
    QThread::msleep(50);
    if (!lock.getLockInfo(&pid, &host, &application))
        lock.removeStaleLockFile();
}

void TSettingsStore::setWriteFailureHandler(std::function<void(const QString &)> handler)
{
    m_onWriteFailure = std::move(handler);
    if (m_writeFailed && m_onWriteFailure)
        m_onWriteFailure(m_settings->fileName());
}

// A folder that is read-only or full fails every write the same way, so only the first
// failure is told; the values stay in memory and the program goes on with them.
void TSettingsStore::sync() const
{
    m_settings->sync();
    if (m_writeFailed || m_unreadableAtStart || m_settings->status() != QSettings::AccessError)
        return;
    m_writeFailed = true;
    if (m_onWriteFailure)
        m_onWriteFailure(m_settings->fileName());
}

// The first write rewrites the whole file with only what could be parsed, so a file that
// did not parse is copied aside first: a hand edit gone wrong can still be recovered.
void TSettingsStore::keepCopyOfBrokenFile() const
{
    if (m_settings->status() != QSettings::FormatError)
        return;
    const QString path = m_settings->fileName();
    if (!QFileInfo(path).isFile())
        return;
    const QString copy = path + QStringLiteral(".broken");
    QFile::remove(copy);
    QFile::copy(path, copy);
}

TSettingsStore::~TSettingsStore() = default;

void TSettingsStore::readRow(TSettingsRecord &record, const TSettingDef &def) const
{
    const QVariant stored = m_settings->value(keyOf(def));
    std::visit(ValueReader{record, def, stored}, def.field);
}

void TSettingsStore::writeRow(const TSettingsRecord &record, const TSettingDef &def)
{
    m_settings->setValue(keyOf(def), std::visit(ValueWriter{record}, def.field));
}

void TSettingsStore::loadGroup(TSettingsRecord &record, TLoadGroup group) const
{
    sync();
    for (const TSettingDef &def : settingsTable()) {
        if (def.group == group && def.place != TSettingPlace::Ini)
            readRow(record, def);
    }
}

void TSettingsStore::load(TSettingsRecord &record, const TSettingField &field) const
{
    const TSettingDef *def = findSetting(field);
    if (def == nullptr || def->place == TSettingPlace::Ini)
        return;
    sync();
    readRow(record, *def);
}

void TSettingsStore::save(const TSettingsRecord &record, const TSettingField &field)
{
    const TSettingDef *def = findSetting(field);
    if (def == nullptr || def->place == TSettingPlace::Ini)
        return;
    writeRow(record, *def);
    sync();
}

void TSettingsStore::readAspectPairs(TSettingsRecord &record) const
{
    const auto &defaults = aspectPairDefaults();
    for (int i = 0; i < static_cast<int>(defaults.size()); ++i) {
        const auto x = SettingsValue::toInt(m_settings->value(aspectKey('x', i + 1)));
        const auto y = SettingsValue::toInt(m_settings->value(aspectKey('y', i + 1)));
        // A zero on either side has no picture to show; such a pair is as good as missing.
        const bool usable = x && y && *x != 0 && *y != 0;
        record.AspectPairs[i] = usable ? TAspectPair{*x, *y} : defaults[i];
    }
}

void TSettingsStore::writeAspectPairs(const TSettingsRecord &record)
{
    for (int i = 0; i < static_cast<int>(record.AspectPairs.size()); ++i) {
        m_settings->setValue(aspectKey('x', i + 1), record.AspectPairs[i].x);
        m_settings->setValue(aspectKey('y', i + 1), record.AspectPairs[i].y);
    }
}

void TSettingsStore::loadAspectPairs(TSettingsRecord &record) const
{
    sync();
    readAspectPairs(record);
}

void TSettingsStore::saveAspectPairs(const TSettingsRecord &record)
{
    writeAspectPairs(record);
    sync();
}

void TSettingsStore::saveAtExit(const TSettingsRecord &record, int currentPlaylistEntries)
{
    sync();
    // A single film opened from the command line must not replace a longer stored list
    // when the user asked for that; the choice is read now, not kept from start-up.
    TSettingsRecord stored;
    readRow(stored, *findSetting(&R::ExitNoSaveOne));
    bool keepStoredList = false;
    if (stored.ExitNoSaveOne) {
        readRow(stored, *findSetting(&R::PlayList));
        keepStoredList = countPlaylistLines(stored.PlayList) > 1 && currentPlaylistEntries == 1;
    }
    if (!keepStoredList)
        writeRow(record, *findSetting(&R::PlayList));
    for (const TSettingField &field : exitSaveOrder())
        writeRow(record, *findSetting(field));
    sync();
}

void TSettingsStore::loadDialogSet(TSettingsRecord &record) const
{
    sync();
    for (const TSettingDef &def : settingsTable()) {
        if (def.inDialog() && def.place != TSettingPlace::Ini)
            readRow(record, def);
    }
    readAspectPairs(record);
}

void TSettingsStore::saveDialogSet(const TSettingsRecord &record)
{
    for (const TSettingDef &def : settingsTable()) {
        if (def.inDialog() && def.place != TSettingPlace::Ini)
            writeRow(record, def);
    }
    writeAspectPairs(record);
    sync();
}

std::optional<quint32> TSettingsStore::resumeValue(const QString &fingerprint) const
{
    if (!isFingerprint(fingerprint))
        return std::nullopt;
    sync();
    return SettingsValue::toDword(m_settings->value(kResumeGroup + QLatin1Char('/') + fingerprint));
}

void TSettingsStore::setResumeValue(const QString &fingerprint, quint32 value)
{
    if (!isFingerprint(fingerprint))
        return;
    m_settings->setValue(kResumeGroup + QLatin1Char('/') + fingerprint, value);
    sync();
}

void TSettingsStore::removeResumeValue(const QString &fingerprint)
{
    if (!isFingerprint(fingerprint))
        return;
    m_settings->remove(kResumeGroup + QLatin1Char('/') + fingerprint);
    sync();
}

void TSettingsStore::loadIni(TSettingsRecord &record, const TIniFile &ini,
                             const std::function<QString(int)> &languageText)
{
    for (const TSettingDef &def : settingsTable()) {
        if (def.place != TSettingPlace::Ini)
            continue;
        const QString section = QString::fromUtf8(def.section);
        const QString key = QString::fromUtf8(def.name);
        if (const auto *field = std::get_if<int R::*>(&def.field)) {
            const int v = ini.integer(section, key, def.intDefault);
            record.*(*field) = inRange(def, v) ? v : def.intDefault;
        } else if (const auto *text = std::get_if<QString R::*>(&def.field)) {
            QString fallback = QString::fromUtf8(def.textDefault);
            if (def.langTextDefault >= 0 && languageText)
                fallback = languageText(def.langTextDefault);
            record.*(*text) = ini.string(section, key, fallback);
        }
    }
}

void TSettingsStore::storeIni(const TSettingsRecord &record, TIniFile &ini)
{
    for (const TSettingDef &def : settingsTable()) {
        if (def.place != TSettingPlace::Ini || !def.inDialog())
            continue;
        const QString section = QString::fromUtf8(def.section);
        const QString key = QString::fromUtf8(def.name);
        if (const auto *field = std::get_if<int R::*>(&def.field))
            ini.setValue(section, key, QString::number(record.*(*field)));
        else if (const auto *text = std::get_if<QString R::*>(&def.field))
            ini.setValue(section, key, record.*(*text));
    }
}

QString TSettingsStore::iniReadPath(const QString &appFolder)
{
    const QString userCopy = userIniPath();
    if (QFile::exists(userCopy))
        return userCopy;
    return QDir(appFolder).filePath(kIniFileName);
}

bool TSettingsStore::saveIniFile(const TIniFile &ini, const QString &appFolder)
{
    const QString userCopy = userIniPath();
    if (ini.save(QDir(appFolder).filePath(kIniFileName))) {
        // The program folder holds the current file again; a stale copy must not shadow it.
        QFile::remove(userCopy);
        return true;
    }
    if (!QDir().mkpath(QFileInfo(userCopy).absolutePath()))
        return false;
    return ini.save(userCopy);
}

bool TSettingsStore::updateIniFile(const TSettingsRecord &record, const QString &appFolder)
{
    const QString path = iniReadPath(appFolder);
    TIniFile ini;
    if (!ini.load(path) && QFileInfo::exists(path))
        return false;
    storeIni(record, ini);
    return saveIniFile(ini, appFolder);
}

int TSettingsStore::countPlaylistLines(const QString &text)
{
    // As the restore reads the list: every run of text between line breaks is an entry, and
    // empty lines are none.
    static const QRegularExpression lineBreak(QStringLiteral("[\r\n]"));
    return static_cast<int>(QStringView(text).split(lineBreak, Qt::SkipEmptyParts).size());
}
