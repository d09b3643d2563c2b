#include "instancehandoff.h"

#include "commands/commandcodes.h"
#include "instanceclient.h"
#include "settings/settingsstore.h"

#include <QTextStream>
#include <QThread>

namespace InstanceHandOff {

bool IsInstanceRunning(const QString &endpoint)
{
    TInstanceClient client;
    return client.connectTo(endpoint, 500);
}

bool HandOff(const QString &endpoint, const QString &firstArgument, TSettingsStore &store)
{
    TInstanceClient client;
    if (!client.connectTo(endpoint))
        return false;
    if (!client.send({CommandMessage::Command, Cmd::Close, 0}))
        return false;
    // The file goes over through the settings; where they cannot be written there is
    // nothing for the running instance to open.
    bool written = true;
    store.setWriteFailureHandler([&written](const QString &) { written = false; });
    store.setValue(&TSettingsRecord::ThisFile_Path, firstArgument);
    if (!written)
        return false;
    QThread::msleep(1);
    if (!client.send({CommandMessage::Command, Cmd::OpenHandedFile, 1}))
        return false;
    return client.send({CommandMessage::Command, Cmd::Activate, 0}).has_value();
}

int RunCommandLineClient(const QString &endpoint, const QStringList &arguments)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    const auto code = CommandCodes::parse(arguments.value(0));
    bool paramOk = true;
    const qint32 param = arguments.size() > 1 ? arguments.at(1).toInt(&paramOk) : 0;
    if (!code || !paramOk) {
        err << "usage: tavrel --command CODE|NAME [PARAM]\n";
        return 2;
    }
    TInstanceClient client;
    if (!client.connectTo(endpoint)) {
        err << "tavrel: no running instance\n";
        return 1;
    }
    const auto answer = client.send({CommandMessage::Command, *code, param});
    if (!answer) {
        err << "tavrel: the running instance did not answer\n";
        return 1;
    }
    out << *answer << '\n';
    return 0;
}

} // namespace InstanceHandOff
