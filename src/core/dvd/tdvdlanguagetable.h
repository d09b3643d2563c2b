#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <span>

// One preferred-audio-language choice: a Windows language identifier (the stored value
// of the LangDVDTitle setting), the system's English name for it, and the ISO 639 codes
// a DVD audio stream of that language may carry (two-letter first, then older and
// three-letter forms).
struct TDvdLanguage
{
    int Id;
    std::u16string_view Name;
    std::u16string_view Codes; // space-separated
};

// The language identifiers the settings page offers for the DVD audio language, in the
// page's order, and the rules that tie them to the languages DVDs report.
class TDvdLanguageTable
{
public:
    static constexpr int kCount = 104;

    static std::span<const TDvdLanguage> All();
    // The entry of an identifier; null for 0 (the disc's default) and unknown identifiers.
    static const TDvdLanguage *Find(int id);

    // The two-letter ISO 639 code of an identifier; empty when unknown.
    static QString IsoCode(int id);
    // The name shown for an identifier; empty when unknown.
    static QString DisplayName(int id);

    // True when a stream's language code (ISO 639-1 or 639-2, any case, a region suffix
    // such as "en-US" ignored) is the identifier's language. Every identifier of one
    // language matches, so English (United Kingdom) picks an "en" stream as well.
    static bool Matches(int id, QStringView streamLanguage);

    // The audio stream to select for the preferred language: of the first ten streams,
    // the last one whose language matches; -1 when the preference is 0 or unknown, when
    // there are fewer than two streams, or when none matches.
    static int PreferredStream(int id, const QStringList &streamLanguages);
};
