// The installed desktop entry must offer the player for exactly the types its media masks
// open, or the desktop's "Open with" lists it for files it refuses (or hides it for films).
#include "playback/mediamimetypes.h"

#include <QFile>
#include <QSet>
#include <gtest/gtest.h>

namespace {

QStringList desktopEntryTypes()
{
    QFile file(QStringLiteral(TAVREL_DESKTOP_ENTRY));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith("MimeType="))
            return QString::fromUtf8(line.mid(9)).split(u';', Qt::SkipEmptyParts);
    }
    return {};
}

TEST(MediaMimeTypesTest, DesktopEntryOffersTheTypesOfTheMediaMasks)
{
    const QStringList types = MediaMimeTypes();
    const QStringList listed = desktopEntryTypes();
    ASSERT_FALSE(listed.isEmpty()) << TAVREL_DESKTOP_ENTRY;
    EXPECT_EQ(QSet<QString>(listed.begin(), listed.end()),
              QSet<QString>(types.begin(), types.end()))
        << "desktop entry: " << listed.join(u';').toStdString()
        << "\nmasks: " << types.join(u';').toStdString();
    EXPECT_EQ(listed.size(), types.size()) << "a type listed twice";
}

TEST(MediaMimeTypesTest, EveryMaskFamilyHasItsType)
{
    const QStringList types = MediaMimeTypes();
    for (const char *type : {"video/mp4", "video/x-matroska", "video/x-msvideo", "video/mpeg",
                             "video/quicktime", "video/x-ms-wmv", "x-content/video-dvd"})
        EXPECT_TRUE(types.contains(QLatin1StringView(type))) << type;
    EXPECT_FALSE(types.contains(QStringLiteral("application/octet-stream")));
}

} // namespace
