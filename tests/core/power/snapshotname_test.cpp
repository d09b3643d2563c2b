#include "power/snapshotname.h"

#include <QSet>
#include <gtest/gtest.h>

TEST(SnapshotName, SmallestFreeNumber)
{
    QSet<QString> taken;
    const auto exists = [&](const QString &name) { return taken.contains(name); };
    const QString first = SnapshotFileName(QStringLiteral("/opt/tavrel/"),
                                           QStringLiteral("/films/clip.mp4"), exists);
    EXPECT_EQ(first, QStringLiteral("/opt/tavrel/clip.mp4.scr_0.bmp"));
    taken.insert(first);
    taken.insert(QStringLiteral("/opt/tavrel/clip.mp4.scr_2.bmp"));
    EXPECT_EQ(
        SnapshotFileName(QStringLiteral("/opt/tavrel"), QStringLiteral("/films/clip.mp4"), exists),
        QStringLiteral("/opt/tavrel/clip.mp4.scr_1.bmp"));
}

TEST(SnapshotName, EveryNumberTaken)
{
    int asked = 0;
    const QString name = SnapshotFileName(QStringLiteral("/x/"), QStringLiteral("a.avi"),
                                          [&](const QString &) { return ++asked, true; });
    EXPECT_TRUE(name.isEmpty());
    EXPECT_EQ(asked, 10001);
}
