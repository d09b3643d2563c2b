#include "discs/drivecaptions.h"
#include "discs/folderdriveprovider.h"
#include "discs/linuxdriveprovider.h"
#include "discs/tdiscdrives.h"
#include "disctestsupport.h"

#include <unistd.h>

namespace {

TEST(DiscDrives, ListsLettersOnceInAlphabeticalOrder)
{
    // A provider is free to report letters in any order and case.
    class Unordered : public TFolderDriveProvider
    {
    public:
        QString OpticalDriveLetters() const override { return QStringLiteral("fd1Ed"); }
    } provider;
    EXPECT_EQ(TDiscDrives(provider).ListOpticalDrives(), QStringLiteral("DEF"));
    TFolderDriveProvider none;
    EXPECT_TRUE(TDiscDrives(none).ListOpticalDrives().isEmpty());
}

TEST(DiscDrives, LabelIsCutAtItsFirstNulAndAtTheSystemLimit)
{
    TFolderDriveProvider provider;
    provider.AddDrive(QLatin1Char('D'), QString(), QStringLiteral("FILM") + QChar(0) + u"junk");
    provider.AddDrive(QLatin1Char('E'), QString(), QString(300, QLatin1Char('x')));
    const TDiscDrives drives(provider);
    EXPECT_EQ(drives.VolumeLabel(QLatin1Char('d')), QStringLiteral("FILM"));
    EXPECT_EQ(drives.VolumeLabel(QLatin1Char('E')).size(), 255);
    EXPECT_TRUE(drives.VolumeLabel(QLatin1Char('Q')).isEmpty());
}

TEST(DiscDrives, ReadyOnlyWithAReadableRootFolder)
{
    TestDisc disc;
    TestDisc locked;
    QFile::setPermissions(locked.root(), QFileDevice::WriteOwner);
    TFolderDriveProvider provider;
    provider.AddDrive(QLatin1Char('D'), disc.root());
    provider.AddDrive(QLatin1Char('E'), QString());
    provider.AddDrive(QLatin1Char('F'), disc.sized(QStringLiteral("file"), 1));
    provider.AddDrive(QLatin1Char('G'), locked.root());
    const TDiscDrives drives(provider);
    EXPECT_TRUE(drives.IsDriveReady(QLatin1Char('D')));
    EXPECT_FALSE(drives.IsDriveReady(QLatin1Char('E')));
    EXPECT_FALSE(drives.IsDriveReady(QLatin1Char('F')));
    if (::geteuid() != 0) { // root reads any folder
        EXPECT_FALSE(drives.IsDriveReady(QLatin1Char('G')));
    }
    EXPECT_FALSE(drives.IsDriveReady(QLatin1Char('Z')));
    QFile::setPermissions(locked.root(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST(DiscDrives, PathBelongsToTheDriveWithTheLongestRoot)
{
    TFolderDriveProvider provider;
    provider.AddDrive(QLatin1Char('D'), QStringLiteral("/media/cd"));
    provider.AddDrive(QLatin1Char('E'), QStringLiteral("/media/cd2/"));
    provider.AddDrive(QLatin1Char('F'), QStringLiteral("/media/cd/inner"));
    const TDiscDrives drives(provider);
    EXPECT_EQ(drives.DriveOfPath(QStringLiteral("/media/cd/a.avi")), QLatin1Char('D'));
    EXPECT_EQ(drives.DriveOfPath(QStringLiteral("/media/cd2/a.avi")), QLatin1Char('E'));
    EXPECT_EQ(drives.DriveOfPath(QStringLiteral("/media/cd/inner/x/a.avi")), QLatin1Char('F'));
    EXPECT_TRUE(drives.DriveOfPath(QStringLiteral("/media/cdx/a.avi")).isNull());
    EXPECT_TRUE(drives.DriveOfPath(QStringLiteral("/media")).isNull());
}

TEST(DriveCaptions, LetterSpaceAndBracketedLabel)
{
    TFolderDriveProvider provider;
    provider.AddDrive(QLatin1Char('E'), QString(), QStringLiteral("FILM & CO"));
    provider.AddDrive(QLatin1Char('D'), QString());
    const QStringList captions = DriveCaptions(TDiscDrives(provider));
    EXPECT_EQ(captions, (QStringList{QStringLiteral("D []"), QStringLiteral("E [FILM & CO]")}));
    EXPECT_EQ(DriveOfCaption(captions.at(1)), QLatin1Char('E'));
    EXPECT_TRUE(DriveOfCaption(QString()).isNull());
}

TEST(FolderDriveProvider, ReadsADriveSpecification)
{
    const TFolderDriveProvider provider = TFolderDriveProvider::FromSpec(
        QStringLiteral("e=/media/a|FILM_ONE;bad;D=/media/b;7=/x;XY=/z"));
    EXPECT_EQ(provider.OpticalDriveLetters(), QStringLiteral("DE"));
    EXPECT_EQ(provider.RootFolder(QLatin1Char('E')), QStringLiteral("/media/a"));
    EXPECT_EQ(provider.VolumeLabel(QLatin1Char('E')), QStringLiteral("FILM_ONE"));
    EXPECT_TRUE(provider.VolumeLabel(QLatin1Char('D')).isEmpty());
}

struct LetterCase
{
    QStringList devices;
    QString letters;
    QString deviceOfE;
};

class DriveLetterTest : public ::testing::TestWithParam<LetterCase>
{
};

TEST_P(DriveLetterTest, KernelNamesGetStableLetters)
{
    const QMap<QChar, QString> map = TLinuxDriveProvider::AssignLetters(GetParam().devices);
    QString letters;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        letters.append(it.key());
    EXPECT_EQ(letters, GetParam().letters);
    EXPECT_EQ(map.value(QLatin1Char('E')), GetParam().deviceOfE);
}

INSTANTIATE_TEST_SUITE_P(
    Kernel, DriveLetterTest,
    ::testing::Values(
        LetterCase{{QStringLiteral("sr1"), QStringLiteral("sr0")},
                   QStringLiteral("DE"),
                   QStringLiteral("sr1")},
        LetterCase{{QStringLiteral("sr1")}, QStringLiteral("E"), QStringLiteral("sr1")},
        LetterCase{{QStringLiteral("scd0"), QStringLiteral("sr0")}, QStringLiteral("D"), QString()},
        LetterCase{{QStringLiteral("hdc"), QStringLiteral("sr0"), QStringLiteral("hdb")},
                   QStringLiteral("DEF"),
                   QStringLiteral("hdb")},
        // Past Z the numbering cannot hold; such a drive takes a free letter.
        LetterCase{
            {QStringLiteral("sr22"), QStringLiteral("sr23")}, QStringLiteral("DZ"), QString()},
        LetterCase{{}, QString(), QString()}));

class LinuxDriveProviderTest : public ::testing::Test
{
protected:
    TLinuxDriveProvider provider() const
    {
        return TLinuxDriveProvider(TLinuxDriveProvider::Sources{
            system.path(QStringLiteral("cdrom_info")), system.path(QStringLiteral("mounts")),
            system.path(QStringLiteral("by-label"))});
    }

    TestDisc system;
};

TEST_F(LinuxDriveProviderTest, DrivesComeFromTheKernelListAndTheMountTable)
{
    system.text(QStringLiteral("cdrom_info"),
                QStringLiteral("CD-ROM information, Id: cdrom.c 3.20 2003/12/17\n\n"
                               "drive name:\t\tsr1\tsr0\ndrive speed:\t\t24\t1\n"));
    system.text(QStringLiteral("mounts"),
                QStringLiteral("/dev/sda1 / ext4 rw 0 0\n"
                               "/dev/sr1 /media/user/My\\040Film iso9660 ro 0 0\n"
                               "/dev/sr1 /mnt/second iso9660 ro 0 0\n"));
    QDir().mkpath(system.path(QStringLiteral("by-label")));
    ASSERT_TRUE(QFile::link(QStringLiteral("../../sr1"),
                            system.path(QStringLiteral("by-label/My\\x20Film"))));
    ASSERT_TRUE(
        QFile::link(QStringLiteral("../../sda1"), system.path(QStringLiteral("by-label/root"))));

    const TLinuxDriveProvider kernelDrives = provider();
    EXPECT_EQ(kernelDrives.OpticalDriveLetters(), QStringLiteral("DE"));
    EXPECT_EQ(kernelDrives.DeviceName(QLatin1Char('e')), QStringLiteral("sr1"));
    EXPECT_EQ(kernelDrives.RootFolder(QLatin1Char('E')), QStringLiteral("/media/user/My Film"));
    EXPECT_EQ(kernelDrives.VolumeLabel(QLatin1Char('E')), QStringLiteral("My Film"));
    // An empty drive: known, but neither mounted nor labelled.
    EXPECT_TRUE(kernelDrives.RootFolder(QLatin1Char('D')).isEmpty());
    EXPECT_TRUE(kernelDrives.VolumeLabel(QLatin1Char('D')).isEmpty());
    EXPECT_TRUE(kernelDrives.RootFolder(QLatin1Char('F')).isEmpty());
}

TEST_F(LinuxDriveProviderTest, MissingOrGarbledSystemFilesMeanNoDrives)
{
    EXPECT_TRUE(provider().OpticalDriveLetters().isEmpty());
    system.write(QStringLiteral("cdrom_info"), QByteArray("drive name:", 11));
    system.write(QStringLiteral("mounts"), QByteArray("\\\\\\ \n\0\0/dev/\n", 14));
    EXPECT_TRUE(provider().OpticalDriveLetters().isEmpty());
    system.text(QStringLiteral("cdrom_info"), QStringLiteral("drive name:\tsr0\n"));
    EXPECT_EQ(provider().OpticalDriveLetters(), QStringLiteral("D"));
    EXPECT_TRUE(provider().RootFolder(QLatin1Char('D')).isEmpty());
}

TEST_F(LinuxDriveProviderTest, FolderDrivesPlayThroughTheRealProvider)
{
    TestDisc disc;
    system.text(QStringLiteral("cdrom_info"), QStringLiteral("drive name:\tsr0\n"));
    system.text(QStringLiteral("mounts"),
                QStringLiteral("/dev/sr0 ") + disc.root() + QStringLiteral(" udf ro 0 0\n"));
    const TLinuxDriveProvider kernelDrives = provider();
    const TDiscDrives drives(kernelDrives);
    EXPECT_TRUE(drives.IsDriveReady(QLatin1Char('D')));
    EXPECT_EQ(drives.DriveOfPath(disc.path(QStringLiteral("x.avi"))), QLatin1Char('D'));
}

} // namespace
