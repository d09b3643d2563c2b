#pragma once

#include "playback/resumerule.h"

#include <QString>
#include <functional>
#include <optional>

class TSettingsStore;

// Resume positions of unfinished films, kept in the settings store under each file's
// fingerprint. A file without a fingerprint (missing, too short, not a regular file) has
// no position: nothing is stored, read or removed for it.
class TResumePositions
{
public:
    // salt gives the random upper half of stored values; the default draws 0..65534.
    explicit TResumePositions(TSettingsStore &store, std::function<quint32()> salt = {});

    // Stores the position of fileName when the rule keeps it; true when something was written.
    bool Store(const QString &fileName, const TResumeCandidate &candidate,
               const TResumeThresholds &thresholds);

    // Reads and deletes the stored position: the start in seconds when one was stored.
    // A value that is not a number is removed and gives nothing; so does a position of 0.
    std::optional<int> Take(const QString &fileName);

    // Deletes the stored position (the film was watched to its end).
    void Forget(const QString &fileName);

private:
    TSettingsStore &m_store;
    std::function<quint32()> m_salt;
};
