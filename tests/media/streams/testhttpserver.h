#pragma once

#include <QByteArray>
#include <QThread>
#include <memory>

class QObject;
class QTcpServer;

// A small HTTP server on 127.0.0.1 in a thread of its own (the graph's build
// keeps the test's thread busy): serves one file with byte ranges, or, when
// silent, takes connections and never answers.
class TestHttpServer
{
public:
    enum Mode { ServeFile, Silent };
    TestHttpServer(const QString &fileName, Mode mode = ServeFile);
    ~TestHttpServer();

    quint16 Port() const { return m_port; }
    // A port nobody listens on.
    static quint16 ClosedPort();

private:
    QThread m_thread;
    QObject *m_context = nullptr; // lives in m_thread, owns the server
    QTcpServer *m_server = nullptr;
    quint16 m_port = 0;
};
