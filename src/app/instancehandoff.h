#pragma once

#include <QString>
#include <QStringList>

class TSettingsStore;

// The second start of the player talks to the running instance only through
// the command channel and the `ThisFile` key, never by other means.
namespace InstanceHandOff {

// True when a running instance answers on the channel.
bool IsInstanceRunning(const QString &endpoint);

// Hands the first argument over: close (22), write `ThisFile\Path`, open the
// handed file (336), come forward (341), each sent synchronously. False when
// the running instance could not be reached or the settings could not be written.
bool HandOff(const QString &endpoint, const QString &firstArgument, TSettingsStore &store);

// `tavrel --command CODE|NAME [PARAM]`: sends one command and prints the
// answer; the exit status is 0 when an answer came, 1 otherwise, 2 for a bad call.
int RunCommandLineClient(const QString &endpoint, const QStringList &arguments);

} // namespace InstanceHandOff
