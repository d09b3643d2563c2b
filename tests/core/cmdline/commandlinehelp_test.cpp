// Which starts are answered with help or the version, and which switches are refused.
#include "cmdline/commandlinehelp.h"
#include "commands/commandcodes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using CommandLineHelp::Request;

TEST(CommandLineHelpTest, CheckSortsStartsIntoPlayHelpVersionAndUnknown)
{
    // A file whose name starts with a dash, named as a user in its folder would type it.
    QTemporaryDir dir;
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const QString dashFile = QStringLiteral("-odd name.mp4");
    QFile(dashFile).open(QIODevice::WriteOnly);
    const struct
    {
        QStringList arguments;
        Request request;
        QString unknown;
    } cases[] = {
        {{}, Request::Play, {}},
        {{QStringLiteral("film.mp4")}, Request::Play, {}},
        {{QStringLiteral("film.mp4"), QStringLiteral("-fs"), QStringLiteral(" -SP "),
          QStringLiteral("-EEND"), QStringLiteral("-mp"), QStringLiteral("-PAN")},
         Request::Play,
         {}},
        // The numbered switches carry their number, or none, in the same argument.
        {{QStringLiteral("-STIME=90"), QStringLiteral("-stime="), QStringLiteral("-AS2"),
          QStringLiteral("-AS"), QStringLiteral("-ZOOM=-5")},
         Request::Play,
         {}},
        {{QStringLiteral("--report-first-frame")}, Request::Play, {}},
        {{dashFile}, Request::Play, {}},
        {{QStringLiteral("film.mp4"), QStringLiteral("--help")}, Request::Help, {}},
        {{QStringLiteral("-h")}, Request::Help, {}},
        {{QStringLiteral("--version")}, Request::Version, {}},
        // Help wins over a mistyped switch beside it: the user asked what to type.
        {{QStringLiteral("--fullscreen"), QStringLiteral("--help")}, Request::Help, {}},
        {{QStringLiteral("film.mp4"), QStringLiteral("--fullscreen")},
         Request::Unknown,
         QStringLiteral("--fullscreen")},
        {{QStringLiteral("-F"), QStringLiteral("-XX")}, Request::Unknown, QStringLiteral("-F")},
        {{QStringLiteral("-STIME")}, Request::Unknown, QStringLiteral("-STIME")},
        {{QStringLiteral("-")}, Request::Unknown, QStringLiteral("-")},
        {{QStringLiteral("-missing.mp4")}, Request::Unknown, QStringLiteral("-missing.mp4")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const CommandLineHelp::Verdict verdict = CommandLineHelp::Check(c.arguments);
        EXPECT_EQ(verdict.request, c.request);
        EXPECT_EQ(verdict.unknown, c.unknown);
    }
    QDir::setCurrent(before);
}

TEST(CommandLineHelpTest, HelpNamesEverySwitchAndEveryCommand)
{
    const QString help = CommandLineHelp::HelpText();
    for (const char *name : {"-FS", "-SP", "-EEND", "-MP", "-STIME=", "-AS", "-PAN",
                             "-ZOOM=", "--command", "--help", "--version"})
        EXPECT_TRUE(help.contains(QLatin1StringView(name))) << name;
    for (const TCommandInfo &info : CommandCodes::all())
        EXPECT_TRUE(help.contains(
            QStringLiteral(" %1 (%2)").arg(QLatin1StringView(info.name)).arg(info.code)))
            << info.name;
    for (const QString &line : help.split(u'\n'))
        EXPECT_LE(line.size(), 80) << line.toStdString();
    EXPECT_EQ(CommandLineHelp::VersionText(), QStringLiteral("Tavrel 0.6.1 beta 2\n"));
}

} // namespace
