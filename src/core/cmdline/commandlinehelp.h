#pragma once

#include <QString>
#include <QStringList>

// What `tavrel --help` and `--version` print, and the check that stops a start with a
// switch the player does not know instead of ignoring it.
namespace CommandLineHelp {

enum class Request { Play, Help, Version, Unknown };

struct Verdict
{
    Request request = Request::Play;
    QString unknown; // the first argument that is neither a switch nor a file (Unknown)
};

// `arguments` without the program name. An argument that starts with "-" is a switch the
// player knows, one of the help or version switches, or the name of an existing file.
Verdict Check(const QStringList &arguments);

QString HelpText();
QString VersionText();

} // namespace CommandLineHelp
