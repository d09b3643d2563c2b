// Dispatch, the records of events 10 and 11, and the services of the host table, with the
// example plug-ins and the fixtures loaded for real.
#include "pluginfolder.h"

#include <gtest/gtest.h>

namespace {

struct TConsumeCase
{
    const char *what;
    std::vector<const char *> fixtures; // in load order
    qint32 answer;
    QStringList probes; // the events the plug-ins saw
};

TEST(PluginDispatch, TheFirstToAnswerOneConsumesTheEvent)
{
    const std::vector<TConsumeCase> cases = {
        {"one plug-in's answer is the result", {"fx_answers7"}, 7, {"fx_answers7:event 2"}},
        {"the last answer wins",
         {"fx_answers7", "fx_plain"},
         0,
         {"fx_answers7:event 2", "fx_plain:event 2"}},
        {"1 stops the round",
         {"fx_plain", "fx_consumes", "fx_answers7"},
         1,
         {"fx_plain:event 2", "fx_consumes:event 2"}},
        {"without a callback there is no answer", {"fx_nocallback"}, TPluginHost::kNoAnswer, {}},
        {"a plug-in without a callback is passed over",
         {"fx_answers7", "fx_nocallback"},
         7,
         {"fx_answers7:event 2"}},
    };
    for (const TConsumeCase &c : cases) {
        TPluginFolder folder;
        int order = 0;
        for (const char *fixture : c.fixtures)
            folder.AddFixture(fixture, QString::number(++order) + QStringLiteral(".so"));
        TRecordingServices services;
        TPluginHost host(services, HostDataFor(folder));
        host.Load();
        EXPECT_EQ(host.Dispatch(2, 1), c.answer) << c.what;
        EXPECT_EQ(folder.Probes().filter(QStringLiteral(":event")), c.probes) << c.what;
    }
}

class ExampleTest : public ::testing::Test
{
protected:
    void Load()
    {
        host = std::make_unique<TPluginHost>(services, HostDataFor(folder));
        host->Load();
        host->Start();
    }
    QStringList Log() const { return folder.LogLines(logFile); }

    void SetUp() override { qputenv("TAVREL_EVENTLOG_FILE", logFile.toLocal8Bit()); }
    void TearDown() override
    {
        host.reset();
        for (const char *name :
             {"TAVREL_EVENTLOG_FILE", "TAVREL_EVENTLOG_PAUSE", "TAVREL_INPUTFILTER_ZERO_KEY",
              "TAVREL_INPUTFILTER_CONSUME", "TAVREL_INPUTFILTER_CURSOR"})
            qunsetenv(name);
    }

    TPluginFolder folder;
    QString logFile = folder.Beside(QStringLiteral("events.log"));
    TRecordingServices services;
    std::unique_ptr<TPluginHost> host;
};

TEST_F(ExampleTest, AFirstPluginThatConsumesKeysHidesThemFromTheSecond)
{
    folder.AddExample("inputfilter", QStringLiteral("a_input.so"));
    folder.AddExample("eventlog", QStringLiteral("b_log.so"));
    qputenv("TAVREL_INPUTFILTER_CONSUME", "1");
    Load();
    for (int key : {32, 13, 65}) {
        int shift = 0;
        // 1 is the first plug-in's own answer: it saw every key.
        EXPECT_EQ(host->Key(key, shift), 1);
    }
    EXPECT_EQ(host->Dispatch(4), 0);
    int x = 5, y = 6, shift = 8, cursor = 0;
    EXPECT_EQ(host->MouseMove(x, y, shift, cursor), 0);
    EXPECT_EQ(Log(),
              QStringList({"start version=0.6.1 beta 2", "4 0", "10 x=5 y=6 shift=8 cursor=0"}));
}

TEST_F(ExampleTest, TheRecordsComeBackAsThePluginsLeftThem)
{
    // The log comes second, so it shows what the filter left for it.
    folder.AddExample("inputfilter", QStringLiteral("a_input.so"));
    folder.AddExample("eventlog", QStringLiteral("b_log.so"));
    qputenv("TAVREL_INPUTFILTER_ZERO_KEY", "32");
    qputenv("TAVREL_INPUTFILTER_CURSOR", "10");
    Load();

    int key = 32, shift = 5;
    EXPECT_EQ(host->Key(key, shift), 0);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(shift, 5);
    key = 33;
    host->Key(key, shift);
    EXPECT_EQ(key, 33);

    int x = -3, y = 70000, cursor = 99;
    shift = 0x48;
    host->MouseMove(x, y, shift, cursor);
    EXPECT_EQ(cursor, 10);
    EXPECT_EQ(x, -3);
    EXPECT_EQ(y, 70000);
    EXPECT_EQ(shift, 0x48);
    EXPECT_EQ(Log().mid(1), QStringList({"11 key=0 shift=5", "11 key=33 shift=5",
                                         "10 x=-3 y=70000 shift=72 cursor=10"}));
}

TEST_F(ExampleTest, ACommandSentFromInsideAnEventRunsAtOnce)
{
    folder.AddExample("eventlog", QStringLiteral("eventlog.so"));
    qputenv("TAVREL_EVENTLOG_PAUSE", "film");
    services.answer = 1;
    Load();

    services.name = QStringLiteral("/media/other.avi");
    host->Dispatch(1, 1);
    EXPECT_TRUE(services.commands.empty());
    services.name = QStringLiteral("/media/Фильм-film.avi");
    host->Dispatch(1, 1);
    ASSERT_EQ(services.commands.size(), 1u);
    EXPECT_EQ(services.commands[0], std::make_pair(21, 0));
    host.reset();
    EXPECT_EQ(Log().mid(1), QStringList({"1 1", "1 1", "sent 21 answer 1", "stop"}));
}

TEST_F(ExampleTest, TheTableServesThePlayer)
{
    folder.AddExample("eventlog", QStringLiteral("eventlog.so"));
    Load();
    const TVL_HostTable *table = host->Table();
    EXPECT_EQ(table->main_window, 0x4242u);
    EXPECT_STREQ(*table->version, "0.6.1 beta 2");
    EXPECT_STREQ(*table->video_masks, "*.AVI;*.MP4");
    EXPECT_STREQ(*table->playlist_masks, "*.MLS");
    EXPECT_EQ(QString::fromUtf8(*table->app_folder), folder.Root());
    EXPECT_EQ(QString::fromUtf8(table->plugin_folder()), folder.Path());

    // The medium's variables: null while empty, current at every call into a plug-in.
    EXPECT_EQ(*table->current_file, nullptr);
    services.name = QStringLiteral("/видео/a.avi");
    services.title = QStringLiteral("a");
    host->Dispatch(3);
    EXPECT_EQ(QString::fromUtf8(*table->current_file), services.name);
    EXPECT_STREQ(*table->current_title, "a");
    services.name.clear();
    host->Dispatch(3);
    EXPECT_EQ(*table->current_file, nullptr);

    int graph = 0;
    services.graph = &graph;
    EXPECT_EQ(table->media_graph(), &graph);

    // Only kinds 1 and 2 with a text reach the player.
    table->show_status("привет", 20, 1);
    table->show_status("big", 255, 2);
    table->show_status("other", 5, 3);
    table->show_status(nullptr, 5, 1);
    ASSERT_EQ(services.statuses.size(), 2u);
    EXPECT_EQ(services.statuses[0], std::make_pair(QStringLiteral("привет"), 201));
    EXPECT_EQ(services.statuses[1], std::make_pair(QStringLiteral("big"), 2552));

    services.answer = 77;
    EXPECT_EQ(table->send_command(309, 0), 77);

    // No settings dialog yet: 0; once one registers, its window.
    EXPECT_EQ(table->settings_window(), 0u);
    host->HostTable().SetSettingsWindowSource([] { return quintptr(0x99); });
    EXPECT_EQ(table->settings_window(), 0x99u);
}

} // namespace
