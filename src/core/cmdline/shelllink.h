#pragma once

#include <QByteArray>
#include <QString>

// Windows shortcut files (".lnk") handed to the player on the command line or
// dropped on it: only the target's local path is wanted. Anything that is not a
// well-formed shortcut with a local path yields an empty name.
namespace ShellLink {

QString localTarget(const QByteArray &bytes);
QString readLocalTarget(const QString &fileName);

} // namespace ShellLink
