// Damaged media handed to one running player: truncated, bit-flipped and zeroed copies of the
// test clips and of the disc's navigation and video files. None may crash it or keep an open
// from returning, and afterwards it still plays a good file.
#include "playerprocess.h"

#include <QFile>
#include <random>

namespace {

enum class Damage { Truncated, BitFlipped, Zeroed };

struct DamageCase
{
    Damage damage;
    const char *name;
};

constexpr DamageCase kDamages[] = {
    {Damage::Truncated, "truncated"}, {Damage::BitFlipped, "flipped"}, {Damage::Zeroed, "zeroed"}};

// The same damage every run: the generator is seeded from the case and the file's size.
QByteArray damaged(QByteArray bytes, Damage damage)
{
    std::mt19937 random(static_cast<std::mt19937::result_type>(bytes.size())
                        + static_cast<std::mt19937::result_type>(damage));
    switch (damage) {
    case Damage::Truncated:
        bytes.truncate(bytes.size() / 2);
        break;
    case Damage::BitFlipped:
        // About one byte in five hundred, headers included.
        for (qsizetype i = 0; i < bytes.size() / 500 + 1; ++i) {
            const auto at = static_cast<qsizetype>(random() % static_cast<quint32>(bytes.size()));
            bytes[at] = static_cast<char>(bytes[at] ^ (1 << (random() % 8)));
        }
        break;
    case Damage::Zeroed:
        for (qsizetype i = bytes.size() / 3; i < 2 * bytes.size() / 3; ++i)
            bytes[i] = 0;
        break;
    }
    return bytes;
}

bool copyDamaged(const QString &from, const QString &to, Damage damage)
{
    QFile in(from);
    QFile out(to);
    return in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly)
           && out.write(damaged(in.readAll(), damage)) >= 0;
}

// A copy of the test disc with one of its files damaged.
QString damagedDisc(const QString &root, const QString &file, Damage damage)
{
    const QDir source(media("dvd") + QStringLiteral("/VIDEO_TS"));
    const QString folder = root + QStringLiteral("/VIDEO_TS");
    QDir().mkpath(folder);
    for (const QString &name : source.entryList(QDir::Files)) {
        const QString target = folder + QLatin1Char('/') + name;
        if (name == file)
            copyDamaged(source.filePath(name), target, damage);
        else
            QFile::copy(source.filePath(name), target);
    }
    return root + QLatin1Char('/');
}

class HostileMediaTest : public PlayerProcessTest
{
protected:
    // Hands the file to the running player; the hand-off returns once the open has.
    void handOver(const QString &file)
    {
        const auto [code, out] = run({file}, 40000);
        EXPECT_EQ(code, 0) << "the open of " << file.toStdString() << " did not return";
        ASSERT_EQ(first.state(), QProcess::Running) << file.toStdString();
    }
};

TEST_F(HostileMediaTest, DamagedFilmsNeitherCrashNorHangThePlayer)
{
    startFirst({});
    ASSERT_TRUE(waitForAnswer({QStringLiteral("309")}, QStringLiteral("0")));
    for (const char *clip : {"short.mp4", "keyframes-250.avi", "three-audio.mp4", "anamorphic.mp4",
                             "still.png", "audio-only.m4a"}) {
        for (const DamageCase &c : kDamages) {
            const QString copy = home.filePath(
                QStringLiteral("%1-%2").arg(QLatin1String(c.name), QLatin1String(clip)));
            ASSERT_TRUE(copyDamaged(media(clip), copy, c.damage));
            handOver(copy);
        }
    }
    handOver(media("short.mp4"));
    EXPECT_TRUE(waitForAnswer({QStringLiteral("309")}, QStringLiteral("2")));
}

TEST_F(HostileMediaTest, DamagedDiscsNeitherCrashNorHangThePlayer)
{
    startFirst({});
    ASSERT_TRUE(waitForAnswer({QStringLiteral("309")}, QStringLiteral("0")));
    int disc = 0;
    for (const char *file : {"VIDEO_TS.IFO", "VTS_01_0.IFO", "VTS_01_1.VOB"}) {
        for (const DamageCase &c : kDamages) {
            const QString root = home.filePath(QStringLiteral("disc%1").arg(++disc));
            handOver(damagedDisc(root, QLatin1String(file), c.damage));
        }
    }
    handOver(media("short.mp4"));
    EXPECT_TRUE(waitForAnswer({QStringLiteral("309")}, QStringLiteral("2")));
}

} // namespace
