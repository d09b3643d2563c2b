#include "taction.h"

void RunActions(const TActionList &actions, const std::function<qint32(const TAction &)> &run)
{
    qint32 previousAnswer = 0;
    for (const TAction &action : actions) {
        if (action.guard == TActionGuard::UnlessPreviousAnswered1 && previousAnswer == 1)
            continue;
        previousAnswer = run(action);
    }
}
