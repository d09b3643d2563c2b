#include "discprobeclient.h"

#include <QFileInfo>
#include <QProcess>

namespace DiscProbeClient {

bool SurvivesOpening(const QString &probeProgram, const QString &folder, int timeoutMs)
{
    if (!QFileInfo(probeProgram).isExecutable())
        return true;
    QProcess probe;
    probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    probe.setStandardOutputFile(QProcess::nullDevice());
    probe.start(probeProgram, {folder});
    if (!probe.waitForStarted(timeoutMs))
        return true;
    if (!probe.waitForFinished(timeoutMs)) {
        probe.kill();
        probe.waitForFinished(1000);
        return false;
    }
    return probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0;
}

} // namespace DiscProbeClient
