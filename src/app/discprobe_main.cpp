// tavrel-disc-probe FOLDER: opens a DVD folder the way the player will and exits 0 when it
// could, 1 when the disc was refused, 2 when it did not answer in time. A damaged disc that
// crashes the disc reader crashes this process instead of the player.
#include "media/discprobe.h"

#include <QCoreApplication>
#include <QStringList>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    return DiscProbe::OpenDvd(arguments.value(1), 8000);
}
