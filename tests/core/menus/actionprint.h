#pragma once

#include "menus/taction.h"

#include <ostream>

// Readable failures for action lists.
inline void PrintTo(const TAction &action, std::ostream *out)
{
    *out << "{kind " << static_cast<int>(action.kind) << ", code " << action.code << ", param "
         << action.param << ", at " << action.at.x() << "," << action.at.y()
         << (action.guard == TActionGuard::Always ? "" : ", guarded") << "}";
}

// The commands a list sends when every command answers `answer`.
inline std::vector<std::pair<qint32, qint32>> SentCommands(const TActionList &actions,
                                                           qint32 answer = 0)
{
    std::vector<std::pair<qint32, qint32>> sent;
    RunActions(actions, [&](const TAction &action) {
        if (action.kind != TActionKind::Command)
            return 0;
        sent.emplace_back(action.code, action.param);
        return answer;
    });
    return sent;
}
