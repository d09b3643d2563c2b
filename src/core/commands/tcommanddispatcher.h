#pragma once

#include <QtGlobal>
#include <functional>
#include <map>

// Runs command codes (see commandcodes.h). Each subsystem binds the codes it
// owns; a code nobody bound does nothing and answers 0.
class TCommandDispatcher
{
public:
    using Handler = std::function<qint32(qint32 param)>;

    void Bind(qint32 code, Handler handler);
    qint32 Dispatch(qint32 code, qint32 param) const;
    bool IsBound(qint32 code) const;

private:
    std::map<qint32, Handler> m_handlers;
};
