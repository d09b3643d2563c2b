#include "desktop.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <functional>

TestDesktop::~TestDesktop()
{
    // The clients first, the server last.
    for (auto it = m_processes.rbegin(); it != m_processes.rend(); ++it) {
        (*it)->terminate();
        if (!(*it)->waitForFinished(2000)) {
            (*it)->kill();
            (*it)->waitForFinished(1000);
        }
    }
}

bool TestDesktop::Start(int width, int height)
{
    for (const char *program : {"Xvfb", "openbox", "trayer", "xprop", "xdotool"}) {
        if (QStandardPaths::findExecutable(QLatin1String(program)).isEmpty()) {
            m_reason = QStringLiteral("%1 is not installed").arg(QLatin1String(program));
            return false;
        }
    }
    // Xvfb picks a free display and writes its number to our pipe.
    QProcess *server = Launch(QStringLiteral("Xvfb"),
                              {QStringLiteral("-displayfd"), QStringLiteral("1"),
                               QStringLiteral("-screen"), QStringLiteral("0"),
                               QStringLiteral("%1x%2x24").arg(width).arg(height),
                               QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!WaitFor([server] { return server->canReadLine(); }, 5000)) {
        m_reason = QStringLiteral("Xvfb did not start");
        return false;
    }
    m_display = QLatin1Char(':') + QString::fromLatin1(server->readLine()).trimmed();

    Launch(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    const bool managed = WaitFor(
        [this] {
            return Run(QStringLiteral("xprop"),
                       {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
                .contains(QLatin1String("window id"));
        },
        5000);
    if (!managed) {
        m_reason = QStringLiteral("openbox did not take the display");
        return false;
    }
    Launch(QStringLiteral("trayer"),
           {QStringLiteral("--edge"), QStringLiteral("top"), QStringLiteral("--align"),
            QStringLiteral("left"), QStringLiteral("--widthtype"), QStringLiteral("percent"),
            QStringLiteral("--width"), QStringLiteral("100"), QStringLiteral("--heighttype"),
            QStringLiteral("pixel"), QStringLiteral("--height"), QString::number(kDockHeight),
            QStringLiteral("--SetDockType"), QStringLiteral("true"),
            QStringLiteral("--SetPartialStrut"), QStringLiteral("true")});
    if (!WaitFor([this] { return DockWindow() != 0; }, 5000)) {
        m_reason = QStringLiteral("the dock did not come up");
        return false;
    }
    return true;
}

QProcess *TestDesktop::Launch(const QString &program, const QStringList &arguments)
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!m_display.isEmpty())
        environment.insert(QStringLiteral("DISPLAY"), m_display);
    process->setProcessEnvironment(environment);
    process->setProcessChannelMode(program == QLatin1String("Xvfb") ? QProcess::SeparateChannels
                                                                     : QProcess::ForwardedErrorChannel);
    process->start(program, arguments);
    process->waitForStarted(3000);
    m_processes.push_back(std::move(process));
    return m_processes.back().get();
}

QString TestDesktop::Run(const QString &program, const QStringList &arguments) const
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_display);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(1000);
        return {};
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

QStringList TestDesktop::WindowState(unsigned long window) const
{
    const QString text = Run(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window),
                                                       QStringLiteral("_NET_WM_STATE")});
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    if (equals < 0)
        return {};
    QStringList atoms = text.mid(equals + 1).split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (QString &atom : atoms)
        atom = atom.trimmed();
    return atoms;
}

QList<unsigned long> TestDesktop::StackingOrder() const
{
    const QString text = Run(QStringLiteral("xprop"),
                             {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
    QList<unsigned long> windows;
    static const QRegularExpression id(QStringLiteral("0x[0-9a-fA-F]+"));
    for (const QRegularExpressionMatch &match : id.globalMatch(text))
        windows.append(match.captured().toULong(nullptr, 16));
    return windows;
}

unsigned long TestDesktop::DockWindow() const
{
    const QString text = Run(QStringLiteral("xdotool"),
                             {QStringLiteral("search"), QStringLiteral("--class"),
                              QStringLiteral("trayer")});
    const QStringList ids = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // trayer's own toplevel is the managed one: the one in the client list.
    const QList<unsigned long> managed = StackingOrder();
    for (const QString &candidate : ids) {
        if (managed.contains(candidate.toULong()))
            return candidate.toULong();
    }
    return 0;
}

bool TestDesktop::WaitFor(const std::function<bool()> &condition, int timeoutMs) const
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        // Our own processes need their output read to make progress.
        for (const auto &process : m_processes)
            process->waitForReadyRead(0);
        QThread::msleep(20);
    }
    return true;
}
