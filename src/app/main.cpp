#include "appfolder.h"
#include "cmdline/commandlinehelp.h"
#include "commands/commandcodes.h"
#include "instancechannel.h"
#include "instancehandoff.h"
#include "media/mediawarmup.h"
#include "settings/settingsstore.h"
#include "terminationsignals.h"
#include "terrorreporter.h"
#include "ttavrelapp.h"
#include "ttavrelapplication.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <memory>

namespace {

QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// --help and --version are answered here, and a mistyped switch ends the start before a
// running player is handed anything; -1 lets the start go on.
int AnswerWithoutPlaying(const QStringList &arguments)
{
    const CommandLineHelp::Verdict verdict = CommandLineHelp::Check(arguments);
    switch (verdict.request) {
    case CommandLineHelp::Request::Help:
        QTextStream(stdout) << CommandLineHelp::HelpText();
        return 0;
    case CommandLineHelp::Request::Version:
        QTextStream(stdout) << CommandLineHelp::VersionText();
        return 0;
    case CommandLineHelp::Request::Unknown:
        QTextStream(stderr) << "tavrel: unknown switch \"" << verdict.unknown
                            << "\" (tavrel --help lists them)\n";
        return 2;
    default:
        return -1;
    }
}

} // namespace

int main(int argc, char **argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QStringList arguments = argumentsOf(argc, argv);
    const QString endpoint = InstanceChannel::endpointName();

    if (arguments.value(0) == QLatin1StringView("--command")) {
        QCoreApplication app(argc, argv);
        return InstanceHandOff::RunCommandLineClient(endpoint, arguments.mid(1));
    }
    // `--report-first-frame` prints the milliseconds from process start to the
    // first painted frame (used by the benchmarks); it is not handed over.
    const bool reportFirstFrame = arguments.removeAll(QStringLiteral("--report-first-frame")) > 0;
    if (const int status = AnswerWithoutPlaying(arguments); status >= 0)
        return status;

    if (InstanceHandOff::IsInstanceRunning(endpoint)) {
        if (arguments.isEmpty())
            return 0;
        QCoreApplication app(argc, argv);
        TSettingsStore store;
        if (InstanceHandOff::HandOff(endpoint, arguments.first(), store))
            return 0;
        if (InstanceHandOff::IsInstanceRunning(endpoint))
            return 1;
        // The instance answered but went away before it took the file: it was exiting,
        // and it stored its list before it stopped answering. This start plays the file.
    }

    // This process will play: load the decoders while the window is built.
    MediaWarmUp::Start();
    TTavrelApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrel"));
    QApplication::setOrganizationName(QStringLiteral("Quenfold"));
    TTavrelApp player(arguments, std::make_unique<TSettingsStore>());
    app.SetFaultHandler([&player](const QObject *sender, const QString &message) {
        player.ErrorReporter().Report(sender, message);
    });
    if (!player.Listen(endpoint)) {
        // Another instance started at the same moment and won the channel.
        if (arguments.isEmpty())
            return 0;
        TSettingsStore store;
        return InstanceHandOff::HandOff(endpoint, arguments.first(), store) ? 0 : 1;
    }
    if (reportFirstFrame) {
        QObject::connect(&player, &TTavrelApp::FirstFrameShown, [&sinceStart] {
            QTextStream(stdout) << "first-frame-ms " << sinceStart.elapsed() << Qt::endl;
        });
    }
    // A logout, `kill` or Ctrl+C ends the player as its own exit does, and so does any other
    // way the application is told to quit.
    TTerminationSignals termination;
    QObject::connect(&termination, &TTerminationSignals::Requested, &player,
                     [&player] { player.SendCommand(Cmd::Exit, 0); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &player, &TTavrelApp::Exit1Click);
    player.FormCreate();
    return app.exec();
}
