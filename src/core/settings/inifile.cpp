#include "settings/inifile.h"

#include "text/legacytext.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Spaces and control characters, the characters trimmed from both ends of every line.
bool isBlank(QChar c)
{
    return c.unicode() <= 0x20;
}

QString trimmed(const QString &s)
{
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && isBlank(s.at(begin)))
        ++begin;
    while (end > begin && isBlank(s.at(end - 1)))
        --end;
    return s.mid(begin, end - begin);
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

TIniFile::TIniFile(const QString &text)
{
    if (text.isEmpty())
        return;
    QString normal = text;
    normal.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normal.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_lines = normal.split(QLatin1Char('\n'));
    // The final line break of a file does not open another line.
    if (!m_lines.isEmpty() && m_lines.constLast().isEmpty())
        m_lines.removeLast();
}

bool TIniFile::load(const QString &path)
{
    m_lines.clear();
    // Only a regular file of ini size is read: a device or a runaway file would never end.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxFileBytes)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // The size can change between the check and the read; never take more than the limit.
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (bytes.size() > kMaxFileBytes)
        return false;
    *this = TIniFile(LegacyText::decode(bytes));
    return true;
}

bool TIniFile::save(const QString &path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = text().toUtf8();
    if (file.write(bytes) != bytes.size())
        return false;
    return file.commit();
}

std::optional<QString> TIniFile::parseSectionLine(const QString &line)
{
    const QString t = trimmed(line);
    if (t.size() >= 2 && t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']')))
        return trimmed(t.mid(1, t.size() - 2));
    return std::nullopt;
}

std::optional<TIniFile::Entry> TIniFile::parseKeyLine(const QString &line)
{
    const QString t = trimmed(line);
    if (t.isEmpty() || t.startsWith(QLatin1Char(';')))
        return std::nullopt;
    const qsizetype eq = t.indexOf(QLatin1Char('='));
    if (eq < 0)
        return std::nullopt;
    return Entry{trimmed(t.left(eq)), trimmed(t.mid(eq + 1))};
}

void TIniFile::forEachKey(
    const QString &section,
    const std::function<void(const QString &key, const QString &value)> &visit) const
{
    bool inSection = false;
    for (const QString &line : m_lines) {
        if (const auto name = parseSectionLine(line)) {
            inSection = sameName(*name, section);
            continue;
        }
        if (!inSection)
            continue;
        if (const auto entry = parseKeyLine(line))
            visit(entry->key, entry->value);
    }
}

std::optional<QString> TIniFile::value(const QString &section, const QString &key) const
{
    std::optional<QString> found;
    forEachKey(section, [&](const QString &name, const QString &text) {
        if (!found && sameName(name, key))
            found = text;
    });
    return found;
}

QString TIniFile::string(const QString &section, const QString &key, const QString &fallback) const
{
    return value(section, key).value_or(fallback);
}

int TIniFile::integer(const QString &section, const QString &key, int fallback) const
{
    const auto text = value(section, key);
    if (!text)
        return fallback;
    bool ok = false;
    const int number = text->toInt(&ok, 10);
    return ok ? number : fallback;
}

void TIniFile::setValue(const QString &section, const QString &key, const QString &value)
{
    const QString line = key + QLatin1Char('=') + value;
    bool inSection = false;
    bool firstSectionPassed = false;
    int insertAt = -1; // after the last key line of the first section of that name
    for (int i = 0; i < m_lines.size(); ++i) {
        if (const auto name = parseSectionLine(m_lines.at(i))) {
            if (inSection)
                firstSectionPassed = true;
            inSection = sameName(*name, section);
            if (inSection && insertAt < 0)
                insertAt = i + 1;
            continue;
        }
        if (!inSection)
            continue;
        const auto entry = parseKeyLine(m_lines.at(i));
        if (!entry)
            continue;
        if (sameName(entry->key, key)) {
            m_lines[i] = line;
            return;
        }
        if (!firstSectionPassed)
            insertAt = i + 1;
    }
    if (insertAt >= 0) {
        m_lines.insert(insertAt, line);
        return;
    }
    if (!m_lines.isEmpty() && !trimmed(m_lines.constLast()).isEmpty())
        m_lines.append(QString());
    m_lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
    m_lines.append(line);
}

void TIniFile::removeKey(const QString &section, const QString &key)
{
    bool inSection = false;
    for (int i = 0; i < m_lines.size();) {
        if (const auto name = parseSectionLine(m_lines.at(i))) {
            inSection = sameName(*name, section);
            ++i;
            continue;
        }
        const auto entry = inSection ? parseKeyLine(m_lines.at(i)) : std::nullopt;
        if (entry && sameName(entry->key, key))
            m_lines.removeAt(i);
        else
            ++i;
    }
}

QString TIniFile::text() const
{
    if (m_lines.isEmpty())
        return QString();
    return m_lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
