#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// An ini text with the rules both "tavrel.ini" and the language files follow: each line is
// trimmed of spaces and control characters; empty lines and lines starting with ";" are
// skipped; "[name]" starts a section; other lines split at the first "=" into key and value,
// both trimmed. Section and key names compare without regard to case; of repeated keys the
// first counts (a section that appears twice is searched in file order). Lines outside any
// section and lines without "=" are ignored. Edits keep every other line as it was.
class TIniFile
{
public:
    static constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;

    TIniFile() = default;
    explicit TIniFile(const QString &text);

    // Reads a file (UTF-8 when valid, else Windows-1251). A missing, unreadable, special or
    // oversized file reads as empty and gives false.
    bool load(const QString &path);
    // Writes the text as UTF-8, atomically: either the whole new file or the old one stays.
    bool save(const QString &path) const;

    std::optional<QString> value(const QString &section, const QString &key) const;
    QString string(const QString &section, const QString &key, const QString &fallback) const;
    // An integer that does not parse (or is absent) gives the fallback.
    int integer(const QString &section, const QString &key, int fallback) const;

    // Replaces the first value of the key, or adds the key (and the section) when absent.
    void setValue(const QString &section, const QString &key, const QString &value);
    // Drops every line of the key in every section of that name.
    void removeKey(const QString &section, const QString &key);

    // Every key line of the sections of that name, in file order, repeated keys included.
    void
    forEachKey(const QString &section,
               const std::function<void(const QString &key, const QString &value)> &visit) const;

    QString text() const;

private:
    struct Entry
    {
        QString key;
        QString value;
    };
    static std::optional<Entry> parseKeyLine(const QString &line);
    static std::optional<QString> parseSectionLine(const QString &line);

    QStringList m_lines;
};
