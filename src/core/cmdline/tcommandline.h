#pragma once

#include <QStringList>
#include <optional>

// The switches a start of the player understands. Every argument is compared
// upper-cased and trimmed; "-STIME=", "-AS" and "-ZOOM=" carry their number in
// the same argument. Arguments are walked in order, so a repeated switch takes
// its last value.
struct TCommandLine
{
    QStringList arguments;
    bool fullScreen = false;        // "-FS"
    bool showPlaylist = false;      // "-SP"
    bool exitAtEnd = false;         // "-EEND"
    bool rememberPositions = false; // "-MP"
    int startSeconds = 0;           // "-STIME=" n; not a number gives 0
    int audioStream = 1;            // "-AS" n; not a number gives 1
    bool pan = false;               // "-PAN"
    std::optional<int> zoom;        // "-ZOOM=" n, applied as zoom bar n + 25

    static TCommandLine parse(const QStringList &arguments);
    // True for an argument that parse() takes as one of the switches above.
    static bool isSwitch(const QString &argument);

    bool isEmpty() const { return arguments.isEmpty(); }
    QString firstArgument() const { return arguments.value(0); }

private:
    bool apply(const QString &argument);
};

// A whole number as the player reads numbers typed by people: surrounding
// spaces allowed, an optional sign, nothing else.
std::optional<int> parseWholeNumber(const QString &text);
