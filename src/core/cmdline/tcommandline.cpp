#include "tcommandline.h"

namespace {

bool takeNumber(const QString &argument, QLatin1StringView prefix, int fallback, int *value)
{
    if (!argument.startsWith(prefix))
        return false;
    *value = parseWholeNumber(argument.mid(prefix.size())).value_or(fallback);
    return true;
}

} // namespace

std::optional<int> parseWholeNumber(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

TCommandLine TCommandLine::parse(const QStringList &arguments)
{
    TCommandLine line;
    line.arguments = arguments;
    for (const QString &raw : arguments) {
        const QString argument = raw.trimmed().toUpper();
        int number = 0;
        if (argument == QLatin1StringView("-FS"))
            line.fullScreen = true;
        else if (argument == QLatin1StringView("-SP"))
            line.showPlaylist = true;
        else if (argument == QLatin1StringView("-EEND"))
            line.exitAtEnd = true;
        else if (argument == QLatin1StringView("-MP"))
            line.rememberPositions = true;
        else if (argument == QLatin1StringView("-PAN"))
            line.pan = true;
        else if (takeNumber(argument, QLatin1StringView("-STIME="), 0, &number))
            line.startSeconds = number;
        else if (takeNumber(argument, QLatin1StringView("-ZOOM="), 0, &number))
            line.zoom = number;
        else if (takeNumber(argument, QLatin1StringView("-AS"), 1, &number))
            line.audioStream = number;
    }
    return line;
}
