#pragma once

#include <QFile>
#include <QString>
#include <chrono>
#include <fcntl.h>
#include <functional>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

// Whether reading a named pipe that nobody writes to returns by itself. A reader that opens
// such a pipe blocks; the probe then opens the writing end and closes it so that the reader
// sees the end of the pipe, and the test fails instead of hanging.
inline bool ReturnsOnIdlePipe(const QString &pipePath, const std::function<void()> &read)
{
    const QByteArray name = QFile::encodeName(pipePath);
    if (mkfifo(name.constData(), 0600) != 0)
        return false;
    auto reading = std::async(std::launch::async, read);
    if (reading.wait_for(std::chrono::seconds(3)) == std::future_status::ready)
        return true;
    const int writer = ::open(name.constData(), O_WRONLY | O_NONBLOCK);
    if (writer >= 0)
        ::close(writer);
    reading.wait();
    return false;
}
