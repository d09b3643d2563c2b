#include "tdvdlanguagetable.h"

#include <array>

namespace {

constexpr std::array<TDvdLanguage, TDvdLanguageTable::kCount> kLanguages{{
    {0x401, u"Arabic (Saudi Arabia)", u"ar ara"},
    {0x801, u"Arabic (Iraq)", u"ar ara"},
    {0xC01, u"Arabic (Egypt)", u"ar ara"},
    {0x1001, u"Arabic (Libya)", u"ar ara"},
    {0x1401, u"Arabic (Algeria)", u"ar ara"},
    {0x1801, u"Arabic (Morocco)", u"ar ara"},
    {0x1C01, u"Arabic (Tunisia)", u"ar ara"},
    {0x2001, u"Arabic (Oman)", u"ar ara"},
    {0x2401, u"Arabic (Yemen)", u"ar ara"},
    {0x2801, u"Arabic (Syria)", u"ar ara"},
    {0x2C01, u"Arabic (Jordan)", u"ar ara"},
    {0x3001, u"Arabic (Lebanon)", u"ar ara"},
    {0x3401, u"Arabic (Kuwait)", u"ar ara"},
    {0x3801, u"Arabic (U.A.E.)", u"ar ara"},
    {0x3C01, u"Arabic (Bahrain)", u"ar ara"},
    {0x4001, u"Arabic (Qatar)", u"ar ara"},
    {0x402, u"Bulgarian", u"bg bul"},
    {0x403, u"Catalan", u"ca cat"},
    {0x404, u"Chinese (Taiwan)", u"zh chi zho"},
    {0x804, u"Chinese (PRC)", u"zh chi zho"},
    {0xC04, u"Chinese (Hong Kong SAR)", u"zh chi zho"},
    {0x1004, u"Chinese (Singapore)", u"zh chi zho"},
    {0x405, u"Czech", u"cs cze ces"},
    {0x406, u"Danish", u"da dan"},
    {0x407, u"German (Germany)", u"de ger deu"},
    {0x807, u"German (Switzerland)", u"de ger deu"},
    {0xC07, u"German (Austria)", u"de ger deu"},
    {0x1007, u"German (Luxembourg)", u"de ger deu"},
    {0x1407, u"German (Liechtenstein)", u"de ger deu"},
    {0x408, u"Greek", u"el gre ell"},
    {0x409, u"English (United States)", u"en eng"},
    {0x809, u"English (United Kingdom)", u"en eng"},
    {0xC09, u"English (Australia)", u"en eng"},
    {0x1009, u"English (Canada)", u"en eng"},
    {0x1409, u"English (New Zealand)", u"en eng"},
    {0x1809, u"English (Ireland)", u"en eng"},
    {0x1C09, u"English (South Africa)", u"en eng"},
    {0x2009, u"English (Jamaica)", u"en eng"},
    {0x2409, u"English (Caribbean)", u"en eng"},
    {0x2809, u"English (Belize)", u"en eng"},
    {0x2C09, u"English (Trinidad)", u"en eng"},
    {0x40A, u"Spanish (Traditional Sort)", u"es spa"},
    {0x80A, u"Spanish (Mexico)", u"es spa"},
    {0xC0A, u"Spanish (International Sort)", u"es spa"},
    {0x100A, u"Spanish (Guatemala)", u"es spa"},
    {0x140A, u"Spanish (Costa Rica)", u"es spa"},
    {0x180A, u"Spanish (Panama)", u"es spa"},
    {0x1C0A, u"Spanish (Dominican Republic)", u"es spa"},
    {0x200A, u"Spanish (Venezuela)", u"es spa"},
    {0x240A, u"Spanish (Colombia)", u"es spa"},
    {0x280A, u"Spanish (Peru)", u"es spa"},
    {0x2C0A, u"Spanish (Argentina)", u"es spa"},
    {0x300A, u"Spanish (Ecuador)", u"es spa"},
    {0x340A, u"Spanish (Chile)", u"es spa"},
    {0x380A, u"Spanish (Uruguay)", u"es spa"},
    {0x3C0A, u"Spanish (Paraguay)", u"es spa"},
    {0x400A, u"Spanish (Bolivia)", u"es spa"},
    {0x440A, u"Spanish (El Salvador)", u"es spa"},
    {0x480A, u"Spanish (Honduras)", u"es spa"},
    {0x4C0A, u"Spanish (Nicaragua)", u"es spa"},
    {0x500A, u"Spanish (Puerto Rico)", u"es spa"},
    {0x40B, u"Finnish", u"fi fin"},
    {0x40C, u"French (France)", u"fr fre fra"},
    {0x80C, u"French (Belgium)", u"fr fre fra"},
    {0xC0C, u"French (Canada)", u"fr fre fra"},
    {0x100C, u"French (Switzerland)", u"fr fre fra"},
    {0x140C, u"French (Luxembourg)", u"fr fre fra"},
    {0x40D, u"Hebrew", u"he iw heb"},
    {0x40E, u"Hungarian", u"hu hun"},
    {0x40F, u"Icelandic", u"is ice isl"},
    {0x410, u"Italian (Italy)", u"it ita"},
    {0x810, u"Italian (Switzerland)", u"it ita"},
    {0x411, u"Japanese", u"ja jpn"},
    {0x412, u"Korean", u"ko kor"},
    {0x812, u"Korean (Johab)", u"ko kor"},
    {0x413, u"Dutch (Netherlands)", u"nl dut nld"},
    {0x813, u"Dutch (Belgium)", u"nl dut nld"},
    {0x414, u"Norwegian (Bokmål)", u"nb no nob nor"},
    {0x814, u"Norwegian (Nynorsk)", u"nn no nno nor"},
    {0x415, u"Polish", u"pl pol"},
    {0x416, u"Portuguese (Brazil)", u"pt por"},
    {0x816, u"Portuguese (Portugal)", u"pt por"},
    {0x418, u"Romanian", u"ro rum ron"},
    {0x419, u"Russian", u"ru rus"},
    {0x41A, u"Croatian", u"hr hrv scr"},
    {0xC1A, u"Serbian (Cyrillic)", u"sr srp scc"},
    {0x41B, u"Slovak", u"sk slo slk"},
    {0x41C, u"Albanian", u"sq alb sqi"},
    {0x41D, u"Swedish", u"sv swe"},
    {0x81D, u"Swedish (Finland)", u"sv swe"},
    {0x41E, u"Thai", u"th tha"},
    {0x41F, u"Turkish", u"tr tur"},
    {0x421, u"Indonesian", u"id in ind"},
    {0x422, u"Ukrainian", u"uk ukr"},
    {0x423, u"Belarusian", u"be bel"},
    {0x424, u"Slovenian", u"sl slv"},
    {0x425, u"Estonian", u"et est"},
    {0x426, u"Latvian", u"lv lav"},
    {0x427, u"Lithuanian", u"lt lit"},
    {0x81A, u"Serbian (Latin)", u"sr srp scc"},
    {0x429, u"Farsi", u"fa per fas"},
    {0x42D, u"Basque", u"eu baq eus"},
    {0x436, u"Afrikaans", u"af afr"},
    {0x438, u"Faeroese", u"fo fao"},
}};

// Streams beyond this are not looked at when choosing the preferred language.
constexpr int kMaxStreamsConsidered = 10;

QString toQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

std::span<const TDvdLanguage> TDvdLanguageTable::All()
{
    return kLanguages;
}

const TDvdLanguage *TDvdLanguageTable::Find(int id)
{
    for (const TDvdLanguage &language : kLanguages) {
        if (language.Id == id)
            return &language;
    }
    return nullptr;
}

QString TDvdLanguageTable::IsoCode(int id)
{
    const TDvdLanguage *language = Find(id);
    if (!language)
        return {};
    const std::u16string_view codes = language->Codes;
    return toQString(codes.substr(0, codes.find(u' ')));
}

QString TDvdLanguageTable::DisplayName(int id)
{
    const TDvdLanguage *language = Find(id);
    return language ? toQString(language->Name) : QString();
}

bool TDvdLanguageTable::Matches(int id, QStringView streamLanguage)
{
    const TDvdLanguage *language = Find(id);
    if (!language)
        return false;
    QStringView code = streamLanguage.trimmed();
    const qsizetype region = code.indexOf(QLatin1Char('-')) >= 0 ? code.indexOf(QLatin1Char('-'))
                                                                 : code.indexOf(QLatin1Char('_'));
    if (region >= 0)
        code = code.left(region);
    if (code.isEmpty())
        return false;
    const QString codes = toQString(language->Codes);
    for (QStringView known : QStringView(codes).split(QLatin1Char(' '))) {
        if (known.compare(code, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

int TDvdLanguageTable::PreferredStream(int id, const QStringList &streamLanguages)
{
    const int count = std::min(static_cast<int>(streamLanguages.size()), kMaxStreamsConsidered);
    if (count < 2)
        return -1;
    int chosen = -1;
    for (int i = 0; i < count; ++i) {
        if (Matches(id, streamLanguages[i]))
            chosen = i;
    }
    return chosen;
}
