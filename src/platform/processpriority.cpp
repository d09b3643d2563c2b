#include "processpriority.h"

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

namespace {

void setNice(int value)
{
#ifdef Q_OS_UNIX
    (void)setpriority(PRIO_PROCESS, 0, value);
#else
    Q_UNUSED(value);
#endif
}

} // namespace

namespace ProcessPriority {

void setHigh()
{
    setNice(-10);
}

void setNormal()
{
    setNice(0);
}

} // namespace ProcessPriority
