#include "commandlinehelp.h"

#include "commands/commandcodes.h"
#include "tavrelversion.h"
#include "tcommandline.h"

#include <QFileInfo>

namespace CommandLineHelp {

namespace {

// Switches of the program entry that never reach the player's own command line.
bool isEntrySwitch(const QString &argument)
{
    return argument == QLatin1StringView("--report-first-frame");
}

} // namespace

Verdict Check(const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        if (argument == QLatin1StringView("--help") || argument == QLatin1StringView("-h"))
            return {Request::Help, {}};
        if (argument == QLatin1StringView("--version"))
            return {Request::Version, {}};
    }
    for (const QString &argument : arguments) {
        if (!argument.trimmed().startsWith(u'-') || TCommandLine::isSwitch(argument)
            || isEntrySwitch(argument) || QFileInfo::exists(argument))
            continue;
        return {Request::Unknown, argument};
    }
    return {};
}

QString HelpText()
{
    QString text = QStringLiteral(
        "Usage: tavrel [SWITCH...] [FILE | PLAYLIST | DVD FOLDER]\n"
        "       tavrel --command CODE|NAME [PARAM]\n"
        "\n"
        "Plays a video file, a playlist or a DVD folder. When the player already runs,\n"
        "the file is handed to it and this start ends.\n"
        "\n"
        "Switches (any letter case):\n"
        "  -FS          start in full screen\n"
        "  -SP          show the playlist window\n"
        "  -EEND        exit when the end of the playlist is reached\n"
        "  -MP          remember where films were left during this run\n"
        "  -STIME=n     start the first file at n seconds\n"
        "  -ASn         play audio stream n of the first file (-AS2)\n"
        "  -PAN         fill the window with the picture once the file is open\n"
        "  -ZOOM=n      set the zoom bar to n + 25 once the file is open\n"
        "  --command CODE|NAME [PARAM]\n"
        "               send one command to the running player and print its answer\n"
        "  --help, -h   show this text\n"
        "  --version    show the version\n"
        "\n"
        "Command names for --command (a decimal code works too):\n");
    QString line = QStringLiteral(" ");
    for (const TCommandInfo &info : CommandCodes::all()) {
        const QString entry
            = QStringLiteral(" %1 (%2)").arg(QLatin1StringView(info.name)).arg(info.code);
        if (line.size() + entry.size() > 79) {
            text += line + u'\n';
            line = QStringLiteral(" ");
        }
        line += entry;
    }
    return text + line + u'\n';
}

QString VersionText()
{
    return QStringLiteral("Tavrel %1\n").arg(QLatin1StringView(TavrelVersion::kText));
}

} // namespace CommandLineHelp
