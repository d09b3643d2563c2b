#include "instanceclient.h"
#include "instanceserver.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <atomic>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

QCoreApplication &app()
{
    static int argc = 1;
    static char name[] = "instance_tests";
    static char *argv[] = {name, nullptr};
    static QCoreApplication instance(argc, argv);
    return instance;
}

class InstanceChannelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        app();
        endpoint = dir.filePath(QStringLiteral("TTavrelPlayer-Tavrel"));
    }

    // Runs the client on its own thread while this thread serves, as two
    // processes would.
    template<typename Fn>
    void withClient(Fn clientWork)
    {
        std::atomic<bool> done = false;
        std::thread client([&] {
            clientWork();
            done = true;
        });
        while (!done)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        client.join();
    }

    QTemporaryDir dir;
    QString endpoint;
};

TEST(InstanceFrame, RoundTripAndRejectsForeignBytes)
{
    const TInstanceFrame frame{1224, -2147483647 - 1, 2147483647};
    const auto decoded = InstanceChannel::decodeFrame(InstanceChannel::encodeFrame(frame));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->message, 1224u);
    EXPECT_EQ(decoded->code, frame.code);
    EXPECT_EQ(decoded->param, frame.param);

    EXPECT_FALSE(InstanceChannel::decodeFrame(QByteArray(16, 'x')));
    EXPECT_FALSE(InstanceChannel::decodeFrame(InstanceChannel::encodeFrame(frame).left(15)));
    EXPECT_EQ(InstanceChannel::decodeAnswer(InstanceChannel::encodeAnswer(-1)), -1);
}

TEST_F(InstanceChannelTest, AnswersEachRequestInOrder)
{
    std::vector<qint32> seen;
    TInstanceServer server([&](const TInstanceFrame &f) {
        seen.push_back(f.code);
        return f.code == 309 ? 2 : f.param * 10;
    });
    ASSERT_TRUE(server.listen(endpoint));

    std::vector<std::optional<qint32>> answers;
    withClient([&] {
        TInstanceClient client;
        if (!client.connectTo(endpoint))
            return;
        answers.push_back(client.send({1224, 22, 0}));
        answers.push_back(client.send({1224, 336, 1}));
        answers.push_back(client.send({1224, 309, 0}));
    });
    ASSERT_EQ(answers.size(), 3u);
    EXPECT_EQ(answers[0], 0);
    EXPECT_EQ(answers[1], 10);
    EXPECT_EQ(answers[2], 2);
    EXPECT_EQ(seen, (std::vector<qint32>{22, 336, 309}));
}

TEST_F(InstanceChannelTest, GarbageIsDroppedAndTheServerGoesOn)
{
    int handled = 0;
    TInstanceServer server([&](const TInstanceFrame &) { return ++handled; });
    ASSERT_TRUE(server.listen(endpoint));

    std::optional<qint32> afterGarbage;
    withClient([&] {
        QLocalSocket rogue;
        rogue.connectToServer(endpoint);
        if (rogue.waitForConnected(1000)) {
            rogue.write(QByteArray(64, '\xAB'));
            rogue.waitForBytesWritten(1000);
            rogue.waitForDisconnected(2000);
        }
        TInstanceClient client;
        if (client.connectTo(endpoint))
            afterGarbage = client.send({1224, 1, 0});
    });
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(afterGarbage, 1);
}

// Binds a socket file and closes it without removing it, as a killed
// instance leaves it behind.
void leaveDeadSocket(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    ASSERT_LT(static_cast<size_t>(name.size()), sizeof(address.sun_path));
    std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
    ::close(fd);
}

TEST_F(InstanceChannelTest, StaleSocketOfAKilledInstanceIsReplaced)
{
    leaveDeadSocket(endpoint);
    ASSERT_TRUE(QFileInfo::exists(endpoint));

    TInstanceServer server([](const TInstanceFrame &) { return 7; });
    ASSERT_TRUE(server.listen(endpoint));
    std::optional<qint32> answer;
    withClient([&] {
        TInstanceClient client;
        if (client.connectTo(endpoint))
            answer = client.send({1224, 0, 0});
    });
    EXPECT_EQ(answer, 7);
}

TEST_F(InstanceChannelTest, SecondServerRefusesWhileTheFirstLivesAndNothingIsLeftBehind)
{
    TInstanceServer first([](const TInstanceFrame &) { return 0; });
    ASSERT_TRUE(first.listen(endpoint));
    TInstanceServer second([](const TInstanceFrame &) { return 0; });
    EXPECT_FALSE(second.listen(endpoint));
    first.close();
    EXPECT_FALSE(QFileInfo::exists(endpoint));
}

// connect() from a child process under another user; true when the connection was taken.
bool connectsAsAnotherUser(const QString &endpoint)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(2);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray path = endpoint.toLocal8Bit();
        std::memcpy(address.sun_path, path.constData(),
                    std::min(sizeof(address.sun_path) - 1, size_t(path.size())));
        const int result = ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address);
        ::_exit(result == 0 ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_NE(WEXITSTATUS(status), 2) << "could not become another user";
    return WEXITSTATUS(status) == 0;
}

TEST_F(InstanceChannelTest, OnlyItsOwnUserCanConnect)
{
    TInstanceServer server([](const TInstanceFrame &) { return 0; });
    ASSERT_TRUE(server.listen(endpoint));
    const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
                        | QFile::WriteOther | QFile::ExeOther;
    EXPECT_FALSE(QFileInfo(endpoint).permissions() & others);
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the superuser can try as another user";
    // The test folder itself must let the other user reach the socket, so that only the
    // socket's own mode can stop it.
    QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFile::ExeOther);
    EXPECT_FALSE(connectsAsAnotherUser(endpoint));
}

TEST_F(InstanceChannelTest, NoAnswerWithoutServer)
{
    TInstanceClient client;
    EXPECT_FALSE(client.connectTo(endpoint, 200));
    EXPECT_FALSE(client.send({1224, 309, 0}).has_value());
}

} // namespace
