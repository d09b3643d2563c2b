// Snapshots of the frame on screen, compared with the same frame decoded by another decoder.
#include "appfolder.h"
#include "commands/commandcodes.h"
#include "menus/taction.h"
#include "playerfixture.h"
#include "ttavrelplayer.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>

namespace {

const char *const kClip = "two-audio.mp4"; // 320x240, 25 frames a second, 4 s

// The frame at `seconds` as ffmpeg decodes and converts it.
QImage ffmpegFrame(const QString &clip, double seconds)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-ss"),
                  QString::number(seconds), QStringLiteral("-i"), clip, QStringLiteral("-frames:v"),
                  QStringLiteral("1"), QStringLiteral("-f"), QStringLiteral("rawvideo"),
                  QStringLiteral("-pix_fmt"), QStringLiteral("rgb24"), QStringLiteral("-")});
    if (!ffmpeg.waitForFinished(20000))
        return {};
    const QByteArray pixels = ffmpeg.readAllStandardOutput();
    if (pixels.size() != 320 * 240 * 3)
        return {};
    return QImage(reinterpret_cast<const uchar *>(pixels.constData()), 320, 240, 320 * 3,
                  QImage::Format_RGB888)
        .copy();
}

// The mean difference of two pictures of one size, in levels per channel.
double meanDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB888);
    const QImage y = b.convertToFormat(QImage::Format_RGB888);
    qint64 sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const uchar *p = x.constScanLine(row);
        const uchar *q = y.constScanLine(row);
        for (int i = 0; i < x.width() * 3; ++i)
            sum += std::abs(int(p[i]) - int(q[i]));
    }
    return double(sum) / (double(x.width()) * x.height() * 3);
}

class SnapshotTest : public PlayerTest
{
protected:
    void SetUp() override
    {
        PlayerTest::SetUp();
        removeSnapshots();
    }
    void TearDown() override
    {
        PlayerTest::TearDown();
        removeSnapshots();
    }
    static QString snapshot(int n)
    {
        return AppFolder() + QString::fromLatin1(kClip) + QStringLiteral(".scr_")
               + QString::number(n) + QStringLiteral(".bmp");
    }
    static void removeSnapshots()
    {
        for (int n = 0; n < 3; ++n)
            QFile::remove(snapshot(n));
    }
    void pauseAt(int seconds)
    {
        Send(Cmd::Pause);
        Send(Cmd::SeekTo, seconds);
        ASSERT_TRUE(WaitFor([&] { return Send(Cmd::QueryPosition) == seconds; }));
        Pump(100);
    }
};

} // namespace

TEST_F(SnapshotTest, TwoSnapshotsAreTheFramesOnScreen)
{
    Start({Media(kClip)});
    ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryState) == 2; }));
    pauseAt(1);
    player->MainWindow()->PerformActions({TAction::of(TActionKind::Snapshot, 0)});
    EXPECT_EQ(player->MainWindow()->LastStatusText(), player->Lang().GetLine(193));
    EXPECT_EQ(Send(Cmd::QueryState), 1) << "a paused film stays paused";
    pauseAt(3);
    player->TakeSnapshot();

    const QImage first(snapshot(0));
    const QImage second(snapshot(1));
    ASSERT_FALSE(first.isNull());
    ASSERT_FALSE(second.isNull());
    EXPECT_FALSE(QFile::exists(snapshot(2)));
    EXPECT_EQ(first.size(), QSize(320, 240)) << "the picture's own size, not the window's";
    QFile file(snapshot(0));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(30);
    EXPECT_TRUE(header.startsWith("BM"));
    EXPECT_EQ(header.at(28), 24) << "bits per pixel";

    const QImage decodedFirst = ffmpegFrame(Media(kClip), 1.0);
    const QImage decodedSecond = ffmpegFrame(Media(kClip), 3.0);
    ASSERT_FALSE(decodedFirst.isNull());
    const double same = meanDifference(first, decodedFirst);
    const double other = meanDifference(first, decodedSecond);
    EXPECT_LT(same, 3.0) << "other frame: " << other;
    EXPECT_LT(same * 4, other);
    EXPECT_LT(meanDifference(second, decodedSecond), 3.0);
}

TEST_F(SnapshotTest, RunningFilmRunsOnAndNothingWithoutAMedium)
{
    Start();
    player->TakeSnapshot();
    EXPECT_FALSE(QFile::exists(snapshot(0)));
    player->OpenFile(Media(kClip));
    ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryState) == 2; }));
    player->TakeSnapshot();
    EXPECT_TRUE(QFile::exists(snapshot(0)));
    EXPECT_EQ(Send(Cmd::QueryState), 2);
}
