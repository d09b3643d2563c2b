#include "pluginfolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

void copyInto(const QString &from, const QString &to)
{
    QFile::remove(to);
    ASSERT_TRUE(QFile::copy(from, to)) << from.toStdString();
}

} // namespace

TPluginFolder::TPluginFolder()
{
    QDir(m_dir.path()).mkpath(QStringLiteral("Plugins"));
    qputenv("TAVREL_FIXTURE_LOG", Beside(QStringLiteral("probes.txt")).toLocal8Bit());
}

void TPluginFolder::AddExample(const char *example, const QString &name)
{
    copyInto(QStringLiteral(TAVREL_EXAMPLE_DIR "/") + QLatin1StringView(example)
                 + QStringLiteral(".so"),
             Path() + name);
}

void TPluginFolder::AddFixture(const char *fixture, const QString &name)
{
    copyInto(QStringLiteral(TAVREL_FIXTURE_DIR "/") + QLatin1StringView(fixture)
                 + QStringLiteral(".so"),
             Path() + name);
}

void TPluginFolder::AddFile(const QString &name, const QByteArray &content)
{
    QFile file(Path() + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QStringList TPluginFolder::Probes() const
{
    return LogLines(Beside(QStringLiteral("probes.txt")));
}

QStringList TPluginFolder::LogLines(const QString &fileName) const
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

TPluginHostData HostDataFor(const TPluginFolder &folder)
{
    TPluginHostData data;
    data.pluginFolder = folder.Path();
    data.appFolder = folder.Root();
    data.version = QStringLiteral("0.6.1 beta 2");
    data.videoMasks = QStringLiteral("*.AVI;*.MP4");
    data.playlistMasks = QStringLiteral("*.MLS");
    data.mainWindow = 0x4242;
    return data;
}
