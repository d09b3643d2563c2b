#include "tcommanddispatcher.h"

void TCommandDispatcher::Bind(qint32 code, Handler handler)
{
    m_handlers[code] = std::move(handler);
}

qint32 TCommandDispatcher::Dispatch(qint32 code, qint32 param) const
{
    const auto it = m_handlers.find(code);
    if (it == m_handlers.end() || !it->second)
        return 0;
    return it->second(param);
}

bool TCommandDispatcher::IsBound(qint32 code) const
{
    return m_handlers.count(code) != 0;
}
