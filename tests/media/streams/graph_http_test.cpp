#include "../support/mediatestsupport.h"
#include "media/filtergraph.h"
#include "media/mediaexception.h"
#include "testhttpserver.h"

#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

using MediaTest::Clip;

namespace {

QString Address(quint16 port, const char *path)
{
    return QStringLiteral("http://127.0.0.1:%1/%2").arg(port).arg(QLatin1StringView(path));
}

TEST(GraphHttp, AClipServedOverHttpPlaysAndSeeks)
{
    TestHttpServer server(Clip("short.mp4"));
    TFilterGraph graph;
    graph.SetActive(true);
    ASSERT_EQ(graph.RenderFile(Address(server.Port(), "short.mp4")), 0);
    EXPECT_TRUE(graph.HasPicture());
    EXPECT_FALSE(graph.IsLiveStream());
    // A file on a server is no live stream: it has its length.
    EXPECT_GT(graph.StopPosition(), 0);
    EXPECT_LT(graph.ToMediaTime(graph.StopPosition()), 20'000'000);
    EXPECT_TRUE(graph.Play());
}

TEST(GraphHttp, AClosedPortFailsAtOnce)
{
    TFilterGraph graph;
    graph.SetActive(true);
    QElapsedTimer clock;
    clock.start();
    EXPECT_THROW(graph.RenderFile(Address(TestHttpServer::ClosedPort(), "x.mp4")), EMediaException);
    EXPECT_LT(clock.elapsed(), 15'000);
    EXPECT_FALSE(graph.HasPicture());
}

TEST(GraphHttp, AServerThatNeverAnswersTimesOutWhileTheEventLoopTurns)
{
    TestHttpServer server(QString(), TestHttpServer::Silent);
    TFilterGraph graph;
    graph.SetActive(true);
    int ticks = 0;
    QTimer repaint;
    QObject::connect(&repaint, &QTimer::timeout, [&ticks] { ++ticks; });
    repaint.start(100);
    QElapsedTimer clock;
    clock.start();
    try {
        graph.RenderFile(Address(server.Port(), "film.mp4"));
        ADD_FAILURE() << "a silent server must not count as played";
    } catch (const EMediaException &) {
    }
    const qint64 waited = clock.elapsed();
    EXPECT_GE(waited, 14'000);
    EXPECT_LT(waited, 20'000);
    // The window's timers (repaints, captions) kept running meanwhile.
    EXPECT_GT(ticks, 100);
}

TEST(GraphHttp, AnInvalidAddressIsRefused)
{
    TFilterGraph graph;
    graph.SetActive(true);
    EXPECT_THROW(graph.RenderFile(QStringLiteral("http://[bad")), EMediaException);
}

} // namespace
