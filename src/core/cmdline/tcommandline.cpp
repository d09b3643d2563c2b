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
    for (const QString &raw : arguments)
        line.apply(raw);
    return line;
}

bool TCommandLine::isSwitch(const QString &argument)
{
    TCommandLine scratch;
    return scratch.apply(argument);
}

bool TCommandLine::apply(const QString &raw)
{
    const QString argument = raw.trimmed().toUpper();
    int number = 0;
    if (argument == QLatin1StringView("-FS"))
        fullScreen = true;
    else if (argument == QLatin1StringView("-SP"))
        showPlaylist = true;
    else if (argument == QLatin1StringView("-EEND"))
        exitAtEnd = true;
    else if (argument == QLatin1StringView("-MP"))
        rememberPositions = true;
    else if (argument == QLatin1StringView("-PAN"))
        pan = true;
    else if (takeNumber(argument, QLatin1StringView("-STIME="), 0, &number))
        startSeconds = number;
    else if (takeNumber(argument, QLatin1StringView("-ZOOM="), 0, &number))
        zoom = number;
    else if (takeNumber(argument, QLatin1StringView("-AS"), 1, &number))
        audioStream = number;
    else
        return false;
    return true;
}
