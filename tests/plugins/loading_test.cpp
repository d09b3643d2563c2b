// Which libraries of the Plugins folder the host keeps, and what it calls in them.
#include "pluginfolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList fileNames(const TPluginHost &host)
{
    QStringList names;
    for (int i = 0; i < host.Count(); ++i)
        names << host.Record(i).FileName;
    return names;
}

TEST(PluginLoading, WithoutAFolderEveryDispatchAnswersMinusTwo)
{
    TRecordingServices services;
    TPluginHostData data;
    data.pluginFolder = QDir::tempPath() + QStringLiteral("/tavrel-no-such-folder/Plugins/");
    for (const QString &folder : {data.pluginFolder, QString()}) {
        data.pluginFolder = folder;
        TPluginHost host(services, data);
        host.Load();
        host.Start();
        EXPECT_EQ(host.Count(), 0);
        for (int code = 1; code <= 14; ++code)
            EXPECT_EQ(host.Dispatch(code, code == 14 ? 0x1234 : 0), TPluginHost::kNoAnswer);
        int key = 32, shift = 1;
        EXPECT_EQ(host.Key(key, shift), TPluginHost::kNoAnswer);
        EXPECT_EQ(key, 32);
        EXPECT_EQ(shift, 1);
    }
    EXPECT_TRUE(services.commands.empty());
    EXPECT_TRUE(services.statuses.empty());
}

TEST(PluginLoading, OnlyThePluginsFolderIsSearched)
{
    // Libraries in the current folder, beside the Plugins folder and on the library path
    // are never picked up: only the Plugins folder's own files count.
    TPluginFolder folder;
    folder.AddFixture("fx_plain", QStringLiteral("a_plain.so"));
    QFile::copy(QStringLiteral(TAVREL_FIXTURE_DIR "/fx_plain.so"),
                folder.Beside(QStringLiteral("b_beside.so")));
    QTemporaryDir elsewhere;
    QFile::copy(QStringLiteral(TAVREL_FIXTURE_DIR "/fx_plain.so"),
                elsewhere.filePath(QStringLiteral("c_current.so")));
    const QString oldCurrent = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    qputenv("LD_LIBRARY_PATH", elsewhere.path().toLocal8Bit());

    TRecordingServices services;
    TPluginHostData data = HostDataFor(folder);
    TPluginHost host(services, data);
    host.Load();
    EXPECT_EQ(fileNames(host), QStringList({QStringLiteral("a_plain.so")}));
    QDir::setCurrent(oldCurrent);
    qunsetenv("LD_LIBRARY_PATH");
}

TEST(PluginLoading, BrokenFilesAreSkippedAndTheOthersStillLoad)
{
    TPluginFolder folder;
    folder.AddFixture("fx_plain", QStringLiteral("a_plain.so"));
    folder.AddFile(QStringLiteral("b_text.so"), "this is not a library\n");
    folder.AddFixture("fx_noinfo", QStringLiteral("c_noinfo.so"));
    folder.AddFixture("fx_version2", QStringLiteral("d_version2.so"));
    folder.AddFixture("fx_nocallback", QStringLiteral("e_nocallback.so"));
    folder.AddFixture("fx_missingdep", QStringLiteral("f_missingdep.so"));
    ASSERT_TRUE(QFile::link(folder.Root() + QStringLiteral("nowhere.so"),
                            folder.Path() + QStringLiteral("g_dangling.so")));
    ASSERT_TRUE(QDir(folder.Path()).mkdir(QStringLiteral("h_folder.so")));
    QFile::copy(QStringLiteral(TAVREL_FIXTURE_DIR "/fx_plain.so"),
                folder.Path() + QStringLiteral("h_folder.so/inside.so"));
    folder.AddFixture("fx_plain", QStringLiteral("i_plain.txt"));
    folder.AddFixture("fx_plain", QStringLiteral("z_plain.so"));

    TRecordingServices services;
    TPluginHost host(services, HostDataFor(folder));
    host.Load();
    EXPECT_EQ(fileNames(host),
              QStringList({QStringLiteral("a_plain.so"), QStringLiteral("e_nocallback.so"),
                           QStringLiteral("z_plain.so")}));
    EXPECT_EQ(host.Dispatch(5), 0);

    const QStringList probes = folder.Probes();
    // The library answering 2 was asked its version and nothing else.
    EXPECT_EQ(probes.filter(QStringLiteral("fx_version2:")),
              QStringList({QStringLiteral("fx_version2:info 2")}));
    EXPECT_TRUE(probes.filter(QStringLiteral("fx_noinfo:")).isEmpty());
    EXPECT_TRUE(probes.filter(QStringLiteral("fx_missingdep:")).isEmpty());
    // The one without a callback was handed the table but gets no events.
    EXPECT_EQ(probes.filter(QStringLiteral("fx_nocallback:")),
              QStringList({QStringLiteral("fx_nocallback:info 3"),
                           QStringLiteral("fx_nocallback:import 1")}));
    EXPECT_EQ(probes.filter(QStringLiteral("event 5")).size(), 2)
        << probes.join(u'|').toStdString();
}

TEST(PluginLoading, EveryLibraryIsLoadedBeforeAnyIsHandedTheTableAndStopsComeLast)
{
    TPluginFolder folder;
    folder.AddFixture("fx_plain", QStringLiteral("1.so"));
    folder.AddFixture("fx_consumes", QStringLiteral("2.so"));
    {
        TRecordingServices services;
        TPluginHost host(services, HostDataFor(folder));
        host.Load();
        host.Start();
        host.Configure(1);
        host.Configure(7);
        host.About(0); // the fixtures have no about entry
        EXPECT_EQ(host.ListEntry(0), QStringLiteral("fx_plain (1.so)"));
        EXPECT_EQ(host.ListEntry(1), QStringLiteral("fx_consumes (2.so)"));
        EXPECT_EQ(host.ListEntry(2), QString());
    }
    EXPECT_EQ(folder.Probes(),
              QStringList({"fx_plain:info 3", "fx_consumes:info 3", "fx_plain:import 1",
                           "fx_consumes:import 1", "fx_plain:start 0", "fx_consumes:start 0",
                           "fx_consumes:config 0", "fx_plain:name 0", "fx_consumes:name 0",
                           "fx_plain:stop 0", "fx_consumes:stop 0"}));
}

TEST(PluginLoading, APluginBuiltAgainstTheHeaderAloneLoadsAndWorks)
{
    // Outside the build tree, with nothing but the public header on the include path.
    QTemporaryDir work;
    const QString library = work.filePath(QStringLiteral("inputfilter.so"));
    QProcess cc;
    cc.start(QStringLiteral(TAVREL_C_COMPILER),
             {QStringLiteral("-shared"), QStringLiteral("-fPIC"), QStringLiteral("-std=c99"),
              QStringLiteral("-Wall"), QStringLiteral("-Werror"),
              QStringLiteral("-I" TAVREL_PUBLIC_INCLUDE_DIR),
              QStringLiteral(TAVREL_EXAMPLE_SOURCE_DIR "/inputfilter.c"), QStringLiteral("-o"),
              library});
    ASSERT_TRUE(cc.waitForFinished(60000));
    ASSERT_EQ(cc.exitCode(), 0) << cc.readAllStandardError().toStdString();

    TPluginFolder folder;
    ASSERT_TRUE(QFile::copy(library, folder.Path() + QStringLiteral("inputfilter.so")));
    qputenv("TAVREL_INPUTFILTER_ZERO_KEY", "65");
    TRecordingServices services;
    TPluginHost host(services, HostDataFor(folder));
    host.Load();
    host.Start();
    qunsetenv("TAVREL_INPUTFILTER_ZERO_KEY");
    ASSERT_EQ(fileNames(host), QStringList(QStringLiteral("inputfilter.so")));
    EXPECT_EQ(host.ListEntry(0), QStringLiteral("Input filter (inputfilter.so)"));
    int key = 65, shift = 4;
    EXPECT_EQ(host.Key(key, shift), 0);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(shift, 4);
}

} // namespace
