// The shortcut reader on any bytes: a target, when found, is never longer
// than the shortcut itself could hold.
#include "cmdline/shelllink.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString target = ShellLink::localTarget(bytes);
    if (target.size() > bytes.size())
        std::abort();
    return 0;
}
