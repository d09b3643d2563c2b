#include "../support/mediatestsupport.h"
#include "media/filtergraph.h"
#include "media/mediaexception.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using MediaTest::Clip;

namespace {

struct BadInputCase
{
    const char *name;
    std::function<QString(const QTemporaryDir &)> path;
};

void PrintTo(const BadInputCase &c, std::ostream *os)
{
    *os << c.name;
}

class BadInputTest : public ::testing::TestWithParam<BadInputCase>
{
};

TEST_P(BadInputTest, RaisesQuicklyAndLeavesAWorkingGraph)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    TFilterGraph graph;
    graph.SetActive(true);
    QElapsedTimer timer;
    timer.start();
    try {
        graph.RenderFile(GetParam().path(temp));
        FAIL() << "render succeeded";
    } catch (const EMediaException &e) {
        static const QRegularExpression form(QStringLiteral(R"(^.+ \(\$[0-9A-F]{1,8}\)\.$)"));
        EXPECT_TRUE(form.match(e.Message()).hasMatch()) << e.Message().toStdString();
        EXPECT_TRUE(e.Message().endsWith(
            QStringLiteral("($%1).").arg(QString::number(e.ErrorCode(), 16).toUpper())));
        EXPECT_NE(e.ErrorCode(), 0u);
    }
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_EQ(graph.State(), TFilterGraph::Stopped);
    EXPECT_FALSE(graph.Play());
    ASSERT_EQ(graph.RenderFile(Clip("short.mp4")), 0);
    EXPECT_TRUE(graph.HasPicture());
}

QString InTemp(const QTemporaryDir &temp, const char *name)
{
    return temp.filePath(QString::fromUtf8(name));
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadInputTest,
    ::testing::Values(
        BadInputCase{"missing", [](const QTemporaryDir &t) { return InTemp(t, "nothing.mp4"); }},
        BadInputCase{"directory", [](const QTemporaryDir &t) { return t.path(); }},
        BadInputCase{"empty_name", [](const QTemporaryDir &) { return QString(); }},
        BadInputCase{"zero_bytes", [](const QTemporaryDir &) { return Clip("empty.mp4"); }},
        BadInputCase{"text_named_mp4",
                     [](const QTemporaryDir &) { return Clip("not-a-film.mp4"); }},
        BadInputCase{"truncated_mp4", [](const QTemporaryDir &) { return Clip("truncated.mp4"); }},
        BadInputCase{"pipe_without_writer",
                     [](const QTemporaryDir &t) {
                         const QString path = InTemp(t, "pipe.mp4");
                         mkfifo(QFile::encodeName(path).constData(), 0600);
                         return path;
                     }},
        BadInputCase{"device", [](const QTemporaryDir &) { return QStringLiteral("/dev/zero"); }}));

TEST(BadInput, MissingFileNamesItsCode)
{
    TFilterGraph graph;
    graph.SetActive(true);
    try {
        graph.RenderFile(QStringLiteral("/nonexistent/folder/film.mp4"));
        FAIL() << "render succeeded";
    } catch (const EMediaException &e) {
        EXPECT_EQ(e.ErrorCode(), 0x80070002u) << e.Message().toStdString();
    }
}

class AwkwardNameTest : public ::testing::TestWithParam<const char *>
{
};

TEST_P(AwkwardNameTest, PlaysFilesWhateverTheirName)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString path = temp.filePath(QString::fromUtf8(GetParam()));
    ASSERT_TRUE(QFile::copy(Clip("short.mp4"), path));
    TFilterGraph graph;
    graph.SetActive(true);
    ASSERT_EQ(graph.RenderFile(path), 0);
    EXPECT_EQ(graph.SourceSize(), QSize(160, 120));
    EXPECT_EQ(graph.CountAudioStreams(), 1);
}

INSTANTIATE_TEST_SUITE_P(Names, AwkwardNameTest,
                         ::testing::Values("with spaces.mp4", "quotes 'single' \"double\".mp4",
                                           "Фильм №1 — ёлка.mp4", "percent%20and#hash?.mp4",
                                           "no extension", "semi;colon,comma&amp.MP4"));

} // namespace
