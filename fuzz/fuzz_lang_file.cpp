// The language file reader on any bytes: it must never crash, and whatever it
// keeps stays inside the table and within the length limit.
#include "lang/langfile.h"
#include "lang/tlang.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const LangFile file = LangFile::parse(bytes);
    for (int index = 0; index < TLang::kTextCount; ++index) {
        if (file.text(index).size() > LangFile::kMaxTextLength)
            std::abort();
    }
    return 0;
}
