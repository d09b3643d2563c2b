#include "discs/drivecaptions.h"
#include "discs/linuxdriveprovider.h"
#include "discs/tdiscdrives.h"
#include "disctestsupport.h"

#include <unistd.h>

namespace {

TEST(DiscDrives, LettersLabelsAndCaptions)
{
    class Unordered : public FolderDrives
    {
    public:
        QString OpticalDriveLetters() const override { return QStringLiteral("fd1Ed"); }
    } provider;
    provider.add('D', QString(), QStringLiteral("FILM") + QChar(0) + u"junk");
    provider.add('E', QString(), QString(300, QLatin1Char('x')));
    provider.add('F', QString(), QStringLiteral("A & B"));
    const TDiscDrives drives(provider);
    EXPECT_EQ(drives.ListOpticalDrives(), QStringLiteral("DEF"));
    EXPECT_EQ(drives.VolumeLabel(QLatin1Char('d')), QStringLiteral("FILM"));
    EXPECT_EQ(drives.VolumeLabel(QLatin1Char('E')).size(), 255);
    const QStringList captions = DriveCaptions(drives);
    ASSERT_EQ(captions.size(), 3);
    EXPECT_EQ(captions[0], QStringLiteral("D [FILM]"));
    EXPECT_EQ(captions[2], QStringLiteral("F [A & B]"));
    EXPECT_EQ(DriveOfCaption(captions[2]), QLatin1Char('F'));
}

TEST(DiscDrives, ReadyOnlyWithAReadableRootFolder)
{
    TestDisc disc;
    TestDisc locked;
    QFile::setPermissions(locked.root(), QFileDevice::WriteOwner);
    FolderDrives provider;
    provider.add('D', disc.root());
    provider.add('E', QString());
    provider.add('F', disc.sized(QStringLiteral("file"), 1));
    provider.add('G', locked.root());
    const TDiscDrives drives(provider);
    EXPECT_TRUE(drives.IsDriveReady(QLatin1Char('d')));
    EXPECT_FALSE(drives.IsDriveReady(QLatin1Char('E')));
    EXPECT_FALSE(drives.IsDriveReady(QLatin1Char('F')));
    EXPECT_FALSE(drives.IsDriveReady(QLatin1Char('Z')));
    if (::geteuid() != 0) { // root reads any folder
        EXPECT_FALSE(drives.IsDriveReady(QLatin1Char('G')));
    }
    QFile::setPermissions(locked.root(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST(DiscDrives, PathBelongsToTheDriveWithTheLongestRoot)
{
    FolderDrives provider;
    provider.add('D', QStringLiteral("/media/cd"));
    provider.add('E', QStringLiteral("/media/cd2/"));
    provider.add('F', QStringLiteral("/media/cd/inner"));
    const TDiscDrives drives(provider);
    EXPECT_EQ(drives.DriveOfPath(QStringLiteral("/media/cd/a.avi")), QLatin1Char('D'));
    EXPECT_EQ(drives.DriveOfPath(QStringLiteral("/media/cd2/a.avi")), QLatin1Char('E'));
    EXPECT_EQ(drives.DriveOfPath(QStringLiteral("/media/cd/inner/x/a.avi")), QLatin1Char('F'));
    EXPECT_TRUE(drives.DriveOfPath(QStringLiteral("/media/cdx/a.avi")).isNull());
}

TEST(LinuxDriveLetters, KernelNamesGetStableLetters)
{
    const auto letters = [](const QStringList &devices) {
        const QMap<QChar, QString> map = TLinuxDriveProvider::AssignLetters(devices);
        QStringList pairs;
        for (auto it = map.cbegin(); it != map.cend(); ++it)
            pairs.append(it.key() + (u'=' + it.value()));
        return pairs.join(u' ');
    };
    EXPECT_EQ(letters({QStringLiteral("sr1"), QStringLiteral("sr0")}), u"D=sr0 E=sr1");
    EXPECT_EQ(letters({QStringLiteral("sr1")}), u"E=sr1");
    EXPECT_EQ(letters({QStringLiteral("scd0"), QStringLiteral("sr0")}), u"D=sr0");
    EXPECT_EQ(letters({QStringLiteral("hdc"), QStringLiteral("sr0"), QStringLiteral("hdb")}),
              u"D=sr0 E=hdb F=hdc");
    // Past Z the numbering cannot hold; such a drive takes a free letter.
    EXPECT_EQ(letters({QStringLiteral("sr22"), QStringLiteral("sr23")}), u"D=sr23 Z=sr22");
}

class LinuxDriveProviderTest : public ::testing::Test
{
protected:
    TLinuxDriveProvider provider() const
    {
        return TLinuxDriveProvider({system.path(QStringLiteral("cdrom_info")),
                                    system.path(QStringLiteral("mounts")),
                                    system.path(QStringLiteral("by-label"))});
    }

    TestDisc system;
};

TEST_F(LinuxDriveProviderTest, DrivesComeFromTheKernelListAndTheMountTable)
{
    TestDisc disc;
    system.text(QStringLiteral("cdrom_info"),
                QStringLiteral("CD-ROM information, Id: cdrom.c 3.20 2003/12/17\n\n"
                               "drive name:\t\tsr1\tsr0\ndrive speed:\t\t24\t1\n"));
    system.text(QStringLiteral("mounts"), QStringLiteral("/dev/sda1 / ext4 rw 0 0\n"
                                                         "/dev/sr1 %1/My\\040Film iso9660 ro 0 0\n"
                                                         "/dev/sr1 /mnt/second iso9660 ro 0 0\n")
                                              .arg(disc.root()));
    QDir().mkpath(system.path(QStringLiteral("by-label")));
    ASSERT_TRUE(QFile::link(QStringLiteral("../../sr1"),
                            system.path(QStringLiteral("by-label/My\\x20Film"))));
    ASSERT_TRUE(
        QFile::link(QStringLiteral("../../sda1"), system.path(QStringLiteral("by-label/root"))));
    QDir().mkpath(disc.path(QStringLiteral("My Film")));

    const TLinuxDriveProvider kernelDrives = provider();
    const TDiscDrives drives(kernelDrives);
    EXPECT_EQ(drives.ListOpticalDrives(), QStringLiteral("DE"));
    EXPECT_EQ(kernelDrives.DeviceName(QLatin1Char('e')), QStringLiteral("sr1"));
    EXPECT_EQ(drives.RootFolder(QLatin1Char('E')), disc.path(QStringLiteral("My Film")));
    EXPECT_EQ(drives.VolumeLabel(QLatin1Char('E')), QStringLiteral("My Film"));
    EXPECT_TRUE(drives.IsDriveReady(QLatin1Char('E')));
    // An empty drive: known, but neither mounted nor labelled.
    EXPECT_FALSE(drives.IsDriveReady(QLatin1Char('D')));
    EXPECT_TRUE(drives.VolumeLabel(QLatin1Char('D')).isEmpty());
}

TEST_F(LinuxDriveProviderTest, MissingOrGarbledSystemFilesMeanNoDrives)
{
    EXPECT_TRUE(provider().OpticalDriveLetters().isEmpty());
    system.write(QStringLiteral("cdrom_info"), QByteArray("drive name:", 11));
    EXPECT_TRUE(provider().OpticalDriveLetters().isEmpty());
    system.text(QStringLiteral("cdrom_info"), QStringLiteral("drive name:\tsr0\n"));
    system.write(QStringLiteral("mounts"), QByteArray("\\\\\\ \n\0\0/dev/\n/dev/sr0\n\\", 24));
    EXPECT_EQ(provider().OpticalDriveLetters(), QStringLiteral("D"));
    EXPECT_TRUE(provider().RootFolder(QLatin1Char('D')).isEmpty());
}

} // namespace
