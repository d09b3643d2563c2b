#include "../support/mediatestsupport.h"
#include "media/filtergraph.h"
#include "media/mediaexception.h"
#include "media/videowindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>
#include <malloc.h>

using MediaTest::Clip;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool SanitizerHoldsFreedMemory = true;
#else
constexpr bool SanitizerHoldsFreedMemory = false;
#endif

int ThreadCount()
{
    return static_cast<int>(QDir(QStringLiteral("/proc/self/task"))
                                .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
                                .size());
}

// Resident memory in kB, after the allocator handed back what it holds free
// (the framework's many threads otherwise leave memory parked in their arenas).
long ResidentKb()
{
    malloc_trim(0);
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Idle worker threads of the framework's pools leave after a while.
int SettledThreadCount(int atMost)
{
    int count = ThreadCount();
    MediaTest::WaitUntil([&] { return (count = ThreadCount()) <= atMost; }, 20000);
    return count;
}

struct Opener
{
    QWidget glob;
    TVideoWindow *videoWin = new TVideoWindow(&glob);
    TFilterGraph graph;
    QStringList clips{Clip("short.mp4"),         Clip("two-audio.mp4"), Clip("audio-only.m4a"),
                      Clip("keyframes-250.avi"), Clip("still.jpg"),     Clip("not-a-film.mp4")};

    Opener()
    {
        glob.resize(320, 240);
        videoWin->setGeometry(0, 0, 160, 120);
        videoWin->SetFilterGraph(&graph);
        glob.show();
    }

    // One medium the way the player opens and closes it.
    void OpenAndClose(int n)
    {
        graph.SetActive(true);
        try {
            graph.RenderFile(clips.at(n % clips.size()));
            graph.CountAudioStreams();
            graph.SetFrameFormat();
            graph.SetVolume(5000);
            if (n % 2 == 0) {
                graph.Play();
                MediaTest::Spin(15);
            }
        } catch (const EMediaException &) {
            // a bad file is part of the mix
        }
        graph.Abort();
        graph.Stop();
        graph.ClearGraph();
        graph.SetActive(false);
    }
};

TEST(Teardown, TwoHundredFilesLeaveNoMemoryAndNoThreadsBehind)
{
    Opener opener;
    // The first rounds load plug-ins and fill the framework's and the
    // allocator's caches.
    for (int n = 0; n < 60; ++n)
        opener.OpenAndClose(n);
    MediaTest::Spin(200);
    const int threadsBefore = SettledThreadCount(1000);
    const long memoryBefore = ResidentKb();
    ASSERT_GT(memoryBefore, 0);

    // More files (or fewer, under valgrind) through TAVREL_TEARDOWN_FILES.
    const int files = qEnvironmentVariableIntValue("TAVREL_TEARDOWN_FILES") > 0
                          ? qEnvironmentVariableIntValue("TAVREL_TEARDOWN_FILES")
                          : 200;
    QElapsedTimer timer;
    timer.start();
    for (int n = 0; n < files; ++n)
        opener.OpenAndClose(n);
    MediaTest::Spin(200);
    const qint64 elapsed = timer.elapsed();

    // One forgotten frame per file would already be 15 MB, one pipeline far more;
    // the allocator alone wanders by a few MB.
    const long growth = ResidentKb() - memoryBefore;
    RecordProperty("resident_growth_kb", static_cast<int>(growth));
    // The address sanitizer holds freed memory back on purpose (and reports
    // real leaks itself at exit), so resident memory says nothing there.
    if (!SanitizerHoldsFreedMemory) {
        EXPECT_LT(growth, 8 * 1024);
    }
    EXPECT_LE(SettledThreadCount(threadsBefore), threadsBefore);
    EXPECT_FALSE(opener.graph.Active());
    EXPECT_TRUE(opener.videoWin->CurrentFrame().isNull());
    RecordProperty("milliseconds_per_file", static_cast<int>(elapsed / files));
}

TEST(Teardown, DestroyingAPlayingGraphStopsEverything)
{
    const int threadsBefore = SettledThreadCount(1000);
    {
        TFilterGraph graph;
        graph.SetActive(true);
        ASSERT_EQ(graph.RenderFile(Clip("two-audio.mp4")), 0);
        graph.Play();
        MediaTest::Spin(100);
    }
    EXPECT_LE(SettledThreadCount(threadsBefore), threadsBefore);
}

} // namespace
