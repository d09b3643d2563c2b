#include "playback/tresumepositions.h"

#include "playback/filefingerprint.h"
#include "settings/settingsstore.h"

#include <QRandomGenerator>

TResumePositions::TResumePositions(TSettingsStore &store, std::function<quint32()> salt)
    : m_store(store)
    , m_salt(std::move(salt))
{
    if (!m_salt)
        m_salt = [] { return QRandomGenerator::global()->bounded(65535u); };
}

bool TResumePositions::Store(const QString &fileName, const TResumeCandidate &candidate,
                             const TResumeThresholds &thresholds)
{
    if (!ResumeRule::WorthKeeping(candidate, thresholds))
        return false;
    const QString fingerprint = FileFingerprint(fileName);
    if (fingerprint.isEmpty())
        return false;
    m_store.setResumeValue(fingerprint, ResumeRule::Pack(candidate.positionSeconds, m_salt()));
    return true;
}

std::optional<int> TResumePositions::Take(const QString &fileName)
{
    const QString fingerprint = FileFingerprint(fileName);
    if (fingerprint.isEmpty())
        return std::nullopt;
    const std::optional<quint32> value = m_store.resumeValue(fingerprint);
    // Whatever was there is used up: a broken value must not stay to be met again.
    m_store.removeResumeValue(fingerprint);
    if (!value)
        return std::nullopt;
    const int start = ResumeRule::Unpack(*value);
    if (start == 0)
        return std::nullopt;
    return start;
}

void TResumePositions::Forget(const QString &fileName)
{
    const QString fingerprint = FileFingerprint(fileName);
    if (!fingerprint.isEmpty())
        m_store.removeResumeValue(fingerprint);
}
