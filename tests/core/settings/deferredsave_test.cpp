// The save that follows changes: once per burst, never put off for ever, flushed on demand.
#include "settings/tdeferredsave.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs the event loop for a while, or until the condition holds.
void pumpFor(int ms, const std::function<bool()> &until = {})
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms && !(until && until())) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(2);
    }
}

class DeferredSaveTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "settings_tests";
        static char *argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            new QCoreApplication(argc, argv);
    }

    int saves = 0;
    TDeferredSave save{[this] { ++saves; }, 60};
};

TEST_F(DeferredSaveTest, ABurstOfChangesIsSavedOnce)
{
    for (int i = 0; i < 5; ++i)
        save.Poke();
    EXPECT_EQ(saves, 0);
    pumpFor(3000, [this] { return saves > 0; });
    pumpFor(150);
    EXPECT_EQ(saves, 1);
    EXPECT_FALSE(save.Pending());
}

TEST_F(DeferredSaveTest, ChangesThatNeverStopAreStillSaved)
{
    QElapsedTimer timer;
    timer.start();
    while (saves == 0 && timer.elapsed() < 3000) {
        save.Poke();
        pumpFor(10);
    }
    EXPECT_EQ(saves, 1);
}

TEST_F(DeferredSaveTest, FlushSavesOnlyWhatIsPendingAndCancelDropsIt)
{
    save.Flush();
    EXPECT_EQ(saves, 0);
    save.Poke();
    save.Flush();
    EXPECT_EQ(saves, 1);
    save.Poke();
    save.Cancel();
    pumpFor(120);
    EXPECT_EQ(saves, 1);
}

TEST_F(DeferredSaveTest, AWatchedObjectsMovesAndResizesCount)
{
    QObject window;
    save.Watch(&window);
    QEvent other(QEvent::Timer);
    QCoreApplication::sendEvent(&window, &other);
    EXPECT_FALSE(save.Pending());
    for (const QEvent::Type type : {QEvent::Move, QEvent::Resize, QEvent::Show, QEvent::Hide}) {
        QEvent event(type);
        QCoreApplication::sendEvent(&window, &event);
        EXPECT_TRUE(save.Pending()) << type;
        save.Flush();
    }
    EXPECT_EQ(saves, 4);
}

} // namespace
