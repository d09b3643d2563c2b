// Theme folders: per-picture fallback, the colour table's size rules and "config.ini".
#include "themeloader.h"
#include "themepictures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

// Decoding bitmaps needs the GUI library started, which gtest_main does not do.
class GuiApp : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "mainwindow_theme";
        static char *argv[] = {name, nullptr};
        if (!QGuiApplication::instance())
            new QGuiApplication(argc, argv);
    }
};
::testing::Environment *const guiApp = ::testing::AddGlobalTestEnvironment(new GuiApp);

class ThemeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path() + QDir::separator();
    }
    void write(const QString &name, const QByteArray &bytes)
    {
        QFile file(folder + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void writeImage(const QString &name, const QImage &image)
    {
        ASSERT_TRUE(image.save(folder + name, "BMP"));
    }

    QTemporaryDir dir;
    QString folder;
};

QImage filled(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

TEST(ThemePictures, EveryBuiltInPictureExistsAtItsSizeWithATransparentCorner)
{
    for (const TThemePictureInfo &info : ThemePictures::All()) {
        const QString name = QString::fromLatin1(info.name);
        const QImage picture = ThemeLoader::BuiltInPicture(name);
        ASSERT_FALSE(picture.isNull()) << info.name;
        EXPECT_EQ(picture.size(), info.size) << info.name;
        if (name == u"TVL")
            continue;
        // The buttons cut out the bottom-left pixel's colour: it must be the magenta field,
        // and the symbol itself must not be drawn in it.
        EXPECT_EQ(picture.pixel(0, picture.height() - 1), qRgb(255, 0, 255)) << info.name;
        const QRgb middle = picture.pixel(picture.width() / 2, picture.height() / 2);
        EXPECT_NE(middle, qRgb(255, 0, 255)) << info.name;
    }
}

TEST(ThemePictures, LogoHasTwoColours)
{
    const QImage logo = ThemeLoader::BuiltInPicture(QStringLiteral("TVL"));
    QSet<QRgb> colours;
    for (int y = 0; y < logo.height(); ++y)
        for (int x = 0; x < logo.width(); ++x)
            colours.insert(logo.pixel(x, y));
    EXPECT_EQ(colours.size(), 2);
}

TEST_F(ThemeTest, EmptyOrMissingFolderGivesTheBuiltInPictures)
{
    const QImage builtIn = ThemeLoader::BuiltInPicture(QStringLiteral("IPLAY"));
    EXPECT_EQ(ThemeLoader::LoadThemePicture(folder, QStringLiteral("IPLAY")), builtIn);
    EXPECT_EQ(
        ThemeLoader::LoadThemePicture(folder + QStringLiteral("nowhere/"), QStringLiteral("IPLAY")),
        builtIn);
}

TEST_F(ThemeTest, OnePictureReplacesOnlyItsIcon)
{
    writeImage(QStringLiteral("IPLAY.bmp"), filled({40, 40}, qRgb(10, 200, 30)));
    const QImage play = ThemeLoader::LoadThemePicture(folder, QStringLiteral("IPLAY"));
    EXPECT_EQ(play.size(), QSize(40, 40));
    EXPECT_EQ(play.pixel(5, 5), qRgb(10, 200, 30));
    EXPECT_EQ(ThemeLoader::LoadThemePicture(folder, QStringLiteral("IOPEN")),
              ThemeLoader::BuiltInPicture(QStringLiteral("IOPEN")));
}

TEST_F(ThemeTest, UndecodablePictureOrFolderNamedLikeOneFallsBack)
{
    write(QStringLiteral("IPLAY.bmp"), QByteArray("BM this is not a bitmap"));
    ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("IOPEN.bmp")));
    EXPECT_EQ(ThemeLoader::LoadThemePicture(folder, QStringLiteral("IPLAY")),
              ThemeLoader::BuiltInPicture(QStringLiteral("IPLAY")));
    EXPECT_EQ(ThemeLoader::LoadThemePicture(folder, QStringLiteral("IOPEN")),
              ThemeLoader::BuiltInPicture(QStringLiteral("IOPEN")));
}

TEST_F(ThemeTest, ColourTableSizeRules)
{
    struct Case
    {
        QSize size;
        bool used;
        bool row3;
    };
    for (const Case c :
         {Case{{19, 4}, false, false}, Case{{20, 2}, false, false}, Case{{20, 3}, true, false},
          Case{{20, 4}, true, true}, Case{{64, 8}, true, true}}) {
        writeImage(QStringLiteral("colortable.bmp"), filled(c.size, qRgb(1, 2, 3)));
        const auto table = ThemeLoader::LoadColorTable(folder);
        EXPECT_EQ(table.has_value(), c.used) << c.size.width() << "x" << c.size.height();
        if (table) {
            EXPECT_EQ(table->HasRow3(), c.row3);
        }
    }
    write(QStringLiteral("colortable.bmp"), QByteArray(64, 'x'));
    EXPECT_FALSE(ThemeLoader::LoadColorTable(folder).has_value());
}

QByteArray bmpBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// A few bytes of run-length coded bitmap whose header claims a huge picture.
QByteArray bmpClaiming(quint32 width, quint32 height)
{
    QByteArray bytes(14 + 40 + 256 * 4, '\0');
    char *p = bytes.data();
    p[0] = 'B';
    p[1] = 'M';
    qToLittleEndian<quint32>(14 + 40 + 256 * 4, p + 10);
    qToLittleEndian<quint32>(40, p + 14);
    qToLittleEndian<quint32>(width, p + 18);
    qToLittleEndian<quint32>(height, p + 22);
    qToLittleEndian<quint16>(1, p + 26); // planes
    qToLittleEndian<quint16>(8, p + 28); // bits per pixel
    qToLittleEndian<quint32>(1, p + 30); // RLE8
    bytes += QByteArray("\x00\x01", 2);  // end of bitmap
    qToLittleEndian<quint32>(static_cast<quint32>(bytes.size()), bytes.data() + 2);
    return bytes;
}

TEST_F(ThemeTest, PictureLargerThanTheLimitEitherWayFallsBack)
{
    for (const QByteArray &bytes :
         {bmpBytes(filled({4097, 20}, qRgb(1, 2, 3))), bmpBytes(filled({20, 4097}, qRgb(1, 2, 3))),
          bmpClaiming(8000, 8000), bmpClaiming(4097, 3)}) {
        write(QStringLiteral("IPLAY.bmp"), bytes);
        write(QStringLiteral("colortable.bmp"), bytes);
        EXPECT_EQ(ThemeLoader::LoadThemePicture(folder, QStringLiteral("IPLAY")),
                  ThemeLoader::BuiltInPicture(QStringLiteral("IPLAY")));
        EXPECT_FALSE(ThemeLoader::LoadColorTable(folder));
    }
    // The same coded form at an allowed size is read.
    write(QStringLiteral("colortable.bmp"), bmpClaiming(20, 3));
    EXPECT_TRUE(ThemeLoader::LoadColorTable(folder));
}

TEST_F(ThemeTest, ColourTablePixelsReadAsBlueGreenRed)
{
    QImage table = filled({20, 4}, qRgb(0, 0, 0));
    table.setPixel(9, 0, qRgb(0x11, 0x22, 0x33));
    table.setPixel(19, 3, qRgb(0xAA, 0xBB, 0xCC));
    writeImage(QStringLiteral("colortable.bmp"), table);
    const auto read = ThemeLoader::LoadColorTable(folder);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->At(9, 0), 0x332211u);
    EXPECT_EQ(read->At(19, 3), 0xCCBBAAu);
}

TEST_F(ThemeTest, ConfigValuesAndDefaults)
{
    TThemeConfig config = ThemeLoader::ReadThemeConfig(folder);
    EXPECT_EQ(config.alltop, 0);
    EXPECT_EQ(config.PointTransDiv, QStringLiteral(">"));

    write(QStringLiteral("config.ini"),
          QByteArray("[MainMenu]\nalltop = 7\n[TimeLine]\nPointTransDiv=\xC2\xBB\n"));
    config = ThemeLoader::ReadThemeConfig(folder);
    EXPECT_EQ(config.alltop, 7);
    EXPECT_EQ(config.PointTransDiv, QString(QChar(0xBB)));

    write(QStringLiteral("config.ini"), QByteArray("[mainmenu]\nalltop=deep\n"));
    config = ThemeLoader::ReadThemeConfig(folder);
    EXPECT_EQ(config.alltop, 0);
    EXPECT_EQ(config.PointTransDiv, QStringLiteral(">"));
}

} // namespace
