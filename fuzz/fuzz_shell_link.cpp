// The shortcut reader on any bytes: a target, when found, is made of a base
// path and a suffix that each lie inside the shortcut (they may overlap), so it
// is never longer than twice the shortcut.
#include "cmdline/shelllink.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString target = ShellLink::localTarget(bytes);
    if (target.size() > 2 * bytes.size())
        std::abort();
    return 0;
}
