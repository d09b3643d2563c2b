#include "../support/mediatestsupport.h"
#include "media/filtergraph.h"
#include "media/mediainspector.h"

#include <QLocale>
#include <gtest/gtest.h>

using MediaTest::Clip;

namespace {

TEST(MediaInspector, ReportOfAGeneratedClipWithTwoAudioStreams)
{
    const QList<TReportStream> streams = TMediaInspector::Streams(Clip("grey-two-audio.mkv"));
    ASSERT_EQ(streams.size(), 3);
    TReportInput input;
    input.path = Clip("grey-two-audio.mkv");
    input.streams = streams;
    const QStringList lines = MediaReport::Lines(input, QLocale::c());
    const QStringList expectedTail = {
        QString(),
        QStringLiteral("Тип потока: Video"),
        QStringLiteral("FourCC: H264"),
        QStringLiteral("Частота кадров: 25.000 Кадров/сек"),
        QString(),
        QStringLiteral("Тип потока: Audio"),
        QStringLiteral("Тег: 0x0055"),
        QStringLiteral("Кодек: MPEGLAYER3"),
        QStringLiteral("Формат: 44100 Гц, Стерео, 16 Бит, 128 Кбит/сек"),
        QString(),
        QStringLiteral("Тип потока: Audio"),
        QStringLiteral("Тег: 0x2000"),
        QStringLiteral("Кодек: DVM"),
        QStringLiteral("Формат: 48000 Гц, 6 Канала, 32 Бит, 448 Кбит/сек"),
    };
    ASSERT_GE(lines.size(), expectedTail.size());
    EXPECT_EQ(lines.mid(lines.size() - expectedTail.size()), expectedTail);
}

TEST(MediaInspector, NoStreamsForWhatCannotBeRead)
{
    EXPECT_TRUE(TMediaInspector::Streams(Clip("not-a-film.mp4")).isEmpty());
    EXPECT_TRUE(TMediaInspector::Streams(QString()).isEmpty());
}

const TReportNode *Find(const QList<TReportNode> &nodes, const QString &prefix)
{
    for (const TReportNode &node : nodes) {
        if (node.text.startsWith(prefix))
            return &node;
    }
    return nullptr;
}

TEST(MediaInspector, TreeOfTheRunningGraphWithFactoriesModulesAndPins)
{
    TMediaInspector inspector;
    TFilterGraph graph;
    EXPECT_TRUE(inspector.Tree(&graph).isEmpty()) << "no graph, no tree";
    graph.SetActive(true);
    ASSERT_EQ(graph.RenderFile(Clip("grey-two-audio.mkv")), 0);
    const QList<TReportNode> tree = inspector.Tree(&graph);
    ASSERT_GT(tree.size(), 5);
    EXPECT_EQ(tree.first().text, QStringLiteral("tavrel-graph"));
    EXPECT_EQ(tree.first().children.first().text, QStringLiteral("CLSID=playbin"));

    // The demuxer: its module file, an input pin and the pins of its streams.
    const TReportNode *demuxer = nullptr;
    for (const TReportNode &node : tree) {
        if (Find(node.children, QStringLiteral("CLSID=matroskademux")))
            demuxer = &node;
    }
    ASSERT_NE(demuxer, nullptr);
    const TReportNode *module = Find(demuxer->children, QStringLiteral("Файл :"));
    ASSERT_NE(module, nullptr);
    EXPECT_TRUE(module->text.endsWith(QStringLiteral(".so"))) << module->text.toStdString();
    EXPECT_NE(Find(demuxer->children, QStringLiteral("1- Вход  sink")), nullptr);
    const TReportNode *video = Find(demuxer->children, QStringLiteral("2- Выход  video_0"));
    ASSERT_NE(video, nullptr);
    ASSERT_EQ(video->children.size(), 1);
    EXPECT_TRUE(video->children.first().text.startsWith(
        QStringLiteral("Главный тип: Video - Суб тип: H264 - Формат: VideoInfo H264 160X120")))
        << video->children.first().text.toStdString();
}

TEST(MediaInspector, PropertiesOfAnElementReadAndWrite)
{
    TMediaInspector inspector;
    TFilterGraph graph;
    graph.SetActive(true);
    ASSERT_EQ(graph.RenderFile(Clip("grey-two-audio.mkv")), 0);
    const QList<TReportNode> tree = inspector.Tree(&graph);
    ASSERT_FALSE(tree.isEmpty());
    // The graph itself: playbin.
    const QList<TElementProperty> properties = inspector.Properties(0);
    const auto volume = std::find_if(properties.begin(), properties.end(), [](const auto &p) {
        return p.name == QLatin1String("volume");
    });
    ASSERT_NE(volume, properties.end());
    EXPECT_TRUE(volume->writable);
    EXPECT_EQ(volume->value.typeId(), QMetaType::Double);
    EXPECT_TRUE(inspector.SetProperty(0, QStringLiteral("volume"), 0.25));
    EXPECT_DOUBLE_EQ(graph.LinearVolume(), 0.25);
    // Out of range and unknown names are refused.
    EXPECT_FALSE(inspector.SetProperty(0, QStringLiteral("volume"), 99.0));
    EXPECT_DOUBLE_EQ(graph.LinearVolume(), 0.25);
    EXPECT_FALSE(inspector.SetProperty(0, QStringLiteral("no-such-thing"), 1));
    EXPECT_FALSE(inspector.SetProperty(999, QStringLiteral("volume"), 0.5));
    EXPECT_TRUE(inspector.Properties(-1).isEmpty());
    inspector.Release();
    EXPECT_TRUE(inspector.Properties(0).isEmpty());
}

} // namespace
