#include "testhttpserver.h"

#include <QFile>
#include <QRegularExpression>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>

namespace {

void Answer(QTcpSocket *socket, const QByteArray &body)
{
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n"))
        return;
    socket->setProperty("request", QByteArray());
    qint64 first = 0;
    qint64 last = body.size() - 1;
    const auto range = QRegularExpression(QStringLiteral("Range: *bytes=(\\d+)-(\\d*)"),
                                          QRegularExpression::CaseInsensitiveOption)
                           .match(QString::fromLatin1(request));
    if (range.hasMatch()) {
        first = range.captured(1).toLongLong();
        if (!range.captured(2).isEmpty())
            last = std::min(last, range.captured(2).toLongLong());
    }
    QByteArray head = range.hasMatch() ? "HTTP/1.1 206 Partial Content\r\n" : "HTTP/1.1 200 OK\r\n";
    head += "Content-Type: video/mp4\r\nAccept-Ranges: bytes\r\nConnection: close\r\n";
    head += "Content-Length: " + QByteArray::number(last - first + 1) + "\r\n";
    if (range.hasMatch())
        head += "Content-Range: bytes " + QByteArray::number(first) + '-' + QByteArray::number(last)
                + '/' + QByteArray::number(body.size()) + "\r\n";
    socket->write(head + "\r\n");
    socket->write(body.mid(first, last - first + 1));
    socket->disconnectFromHost();
}

} // namespace

TestHttpServer::TestHttpServer(const QString &fileName, Mode mode)
{
    QFile file(fileName);
    const QByteArray body = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    m_thread.start();
    QSemaphore listening;
    QObject *context = new QObject;
    context->moveToThread(&m_thread);
    m_context = context;
    QMetaObject::invokeMethod(context, [this, context, body, mode, &listening] {
        m_server = new QTcpServer(context);
        QObject::connect(m_server, &QTcpServer::newConnection, m_server, [this, body, mode] {
            while (QTcpSocket *socket = m_server->nextPendingConnection()) {
                if (mode == Silent)
                    continue; // kept open, never answered
                QObject::connect(socket, &QTcpSocket::readyRead, socket,
                                 [socket, body] { Answer(socket, body); });
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
        m_server->listen(QHostAddress::LocalHost);
        m_port = m_server->serverPort();
        listening.release();
    });
    listening.acquire();
}

TestHttpServer::~TestHttpServer()
{
    QObject *context = m_context;
    QMetaObject::invokeMethod(
        context, [context] { delete context; }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

quint16 TestHttpServer::ClosedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort(); // closed again when the probe goes
}
