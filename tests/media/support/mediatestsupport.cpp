#include "mediatestsupport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// The engine delivers its events through the Qt event loop, so every media
// test runs with an application object, made before the first test.
class ApplicationEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "media_tests";
        static char *argv[] = {name, nullptr};
        m_app = new QApplication(argc, argv);
    }
    void TearDown() override
    {
        delete m_app;
        m_app = nullptr;
    }

private:
    QApplication *m_app = nullptr;
};

const auto *const environment = ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

} // namespace

namespace MediaTest {

QString Clip(const char *name)
{
    const QString folder = qEnvironmentVariable("TAVREL_TEST_MEDIA");
    EXPECT_FALSE(folder.isEmpty()) << "TAVREL_TEST_MEDIA is not set";
    const QString path = QDir(folder).filePath(QString::fromUtf8(name));
    EXPECT_TRUE(QFileInfo::exists(path)) << path.toStdString();
    return path;
}

bool WaitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return true;
}

void Spin(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
}

} // namespace MediaTest
