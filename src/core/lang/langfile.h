#pragma once

#include "builtintexts.h"
#include "settings/inifile.h"

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <array>
#include <bitset>

// What one language file offers: the texts of section "recal", keyed by index.
// The file is an ini file written by hand by translators, with the ini rules of the
// settings file; every oddity of the input is tolerated and simply contributes nothing.
class LangFile
{
public:
    // A real language file is a few kilobytes; anything near these limits is not one.
    static constexpr qint64 kMaxFileBytes = TIniFile::kMaxFileBytes;
    static constexpr qsizetype kMaxTextLength = 1024;

    static LangFile parse(QStringView text);
    // UTF-8 when valid, else Windows-1251.
    static LangFile parse(const QByteArray &bytes);
    // Missing, unreadable, special or oversized files give an empty result.
    static LangFile read(const QString &path);

    // The text the file gives for an index, or an empty string when it gives none.
    QString text(int index) const;

private:
    static LangFile fromIni(const TIniFile &ini);
    void addKey(QStringView key, const QString &value);

    std::array<QString, BuiltInTexts::kAllCount> m_texts;
    std::bitset<BuiltInTexts::kAllCount> m_seen;
};
