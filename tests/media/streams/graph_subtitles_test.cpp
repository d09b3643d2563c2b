#include "../support/mediatestsupport.h"
#include "media/filtergraph.h"
#include "media/videowindow.h"

#include <QElapsedTimer>
#include <QWidget>
#include <gtest/gtest.h>

using MediaTest::Clip;
using MediaTest::WaitUntil;

namespace {

// Bright pixels of a shown line of text (an empty picture has none).
constexpr int kTextShown = 40;

// A graph that shows its picture, as the player's does: the overlay is only
// drawn into frames that go to a video window.
struct SubtitleFixture
{
    QWidget glob;
    TVideoWindow *videoWin = new TVideoWindow(&glob);
    TFilterGraph graph;

    SubtitleFixture()
    {
        glob.resize(400, 300);
        videoWin->setGeometry(0, 0, 320, 240);
        videoWin->SetFilterGraph(&graph);
        glob.show();
        graph.SetActive(true);
    }

    // Bright pixels in the lower half of the paused picture at this time: the
    // clips are dark, the text is white.
    int TextPixelsAt(double seconds)
    {
        EXPECT_TRUE(graph.Pause());
        // A seek is refused while the graph still settles from the last one.
        EXPECT_TRUE(WaitUntil([&] { return graph.SetPositionSeconds(seconds); }, 3000));
        const QImage frame = graph.CurrentFrame();
        EXPECT_FALSE(frame.isNull());
        int bright = 0;
        for (int y = frame.height() / 2; y < frame.height(); ++y) {
            for (int x = 0; x < frame.width(); ++x)
                bright += qGray(frame.pixel(x, y)) > 180 ? 1 : 0;
        }
        return bright;
    }

    // The same for a moment at which text is due. A paused picture may be
    // taken before the overlay has its line (text is a sparse stream), so a
    // missing line is looked for again a few times before it counts as missing.
    int ShownTextPixelsAt(double seconds)
    {
        int bright = 0;
        for (int attempt = 0; attempt < 8 && bright <= kTextShown; ++attempt)
            bright = TextPixelsAt(seconds);
        return bright;
    }
};

TEST(GraphSubtitles, TheFileBesideTheFilmIsDrawnAtItsTimes)
{
    SubtitleFixture f;
    f.graph.SetSubtitleFile(Clip("subtitled.srt"));
    ASSERT_EQ(f.graph.RenderFile(Clip("subtitled.mp4")), 0);
    ASSERT_EQ(f.graph.CountSubtitleStreams(), 1);
    EXPECT_EQ(f.graph.ExternalSubtitleStream(), 1);
    ASSERT_TRUE(f.graph.SelectSubtitleStream(1));
    EXPECT_EQ(f.graph.CurrentSubtitleStream(), 1);

    EXPECT_GT(f.ShownTextPixelsAt(2.0), kTextShown) << "no text while the line is due";
    EXPECT_LT(f.TextPixelsAt(0.4), 5) << "text before its time";
    EXPECT_LT(f.TextPixelsAt(3.5), 5) << "text after its time";

    // Switched off while the film is open, the same moment shows the bare picture.
    ASSERT_TRUE(f.graph.SelectSubtitleStream(0));
    EXPECT_EQ(f.graph.CurrentSubtitleStream(), 0);
    EXPECT_LT(f.TextPixelsAt(2.0), 5);
    ASSERT_TRUE(f.graph.SelectSubtitleStream(1));
    EXPECT_GT(f.ShownTextPixelsAt(2.0), kTextShown);
}

TEST(GraphSubtitles, SwitchedOffBeforeTheBuildNothingIsDrawnUntilChosen)
{
    SubtitleFixture f;
    f.graph.SetSubtitleFile(Clip("subtitled.srt"));
    f.graph.SetSubtitlesShown(false);
    ASSERT_EQ(f.graph.RenderFile(Clip("subtitled.mp4")), 0);
    EXPECT_EQ(f.graph.CurrentSubtitleStream(), 0);
    EXPECT_LT(f.TextPixelsAt(2.0), 5);
    ASSERT_TRUE(f.graph.SelectSubtitleStream(1));
    EXPECT_GT(f.ShownTextPixelsAt(2.0), kTextShown);
}

TEST(GraphSubtitles, AFilmWithoutSubtitlesHasNoTracks)
{
    SubtitleFixture f;
    f.graph.SetSubtitleFile(QString());
    ASSERT_EQ(f.graph.RenderFile(Clip("short.mp4")), 0);
    EXPECT_EQ(f.graph.CountSubtitleStreams(), 0);
    EXPECT_EQ(f.graph.CurrentSubtitleStream(), 0);
    EXPECT_FALSE(f.graph.SelectSubtitleStream(1));
}

TEST(GraphSubtitles, EmbeddedTracksAreListedWithTheirLanguagesAndChosen)
{
    SubtitleFixture f;
    f.graph.SetSubtitleFile(QString());
    ASSERT_EQ(f.graph.RenderFile(Clip("two-subtitles.mkv")), 0);
    ASSERT_EQ(f.graph.CountSubtitleStreams(), 2);
    EXPECT_EQ(f.graph.SubtitleLanguage(1), QStringLiteral("en"));
    EXPECT_EQ(f.graph.SubtitleLanguage(2), QStringLiteral("ru"));
    EXPECT_EQ(f.graph.ExternalSubtitleStream(), 0);

    // Back and forth between the two, as from the menu.
    ASSERT_TRUE(f.graph.SelectSubtitleStream(2));
    EXPECT_EQ(f.graph.CurrentSubtitleStream(), 2);
    const int second = f.ShownTextPixelsAt(0.0);
    ASSERT_TRUE(f.graph.SelectSubtitleStream(1));
    EXPECT_EQ(f.graph.CurrentSubtitleStream(), 1);
    const int first = f.ShownTextPixelsAt(0.0);
    ASSERT_TRUE(f.graph.SelectSubtitleStream(2));
    const int secondAgain = f.ShownTextPixelsAt(0.0);
    EXPECT_GT(first, kTextShown);
    // The second track's line is about twice as long.
    EXPECT_GT(second, first * 3 / 2);
    EXPECT_EQ(secondAgain, second);
    ASSERT_TRUE(f.graph.SelectSubtitleStream(0));
    EXPECT_LT(f.TextPixelsAt(0.0), 5);
}

TEST(GraphSubtitles, AFileLoadedWhilePlayingJoinsAtTheSamePlace)
{
    SubtitleFixture f;
    f.graph.SetSubtitleFile(QString());
    ASSERT_EQ(f.graph.RenderFile(Clip("subtitled.mp4")), 0);
    ASSERT_EQ(f.graph.CountSubtitleStreams(), 0);
    ASSERT_TRUE(f.graph.Pause());
    ASSERT_TRUE(f.graph.SetPositionSeconds(2.0));
    ASSERT_TRUE(WaitUntil([&] { return f.graph.State() == TFilterGraph::Paused; }));
    ASSERT_TRUE(f.graph.LoadSubtitleFile(Clip("subtitled.srt")));
    EXPECT_EQ(f.graph.CountSubtitleStreams(), 1);
    EXPECT_EQ(f.graph.CurrentSubtitleStream(), 1);
    EXPECT_TRUE(WaitUntil([&] {
        return f.graph.ToMediaTime(f.graph.CurrentPosition()) / 10'000'000 == 2;
    })) << "the film did not stay where it was";
    EXPECT_GT(f.ShownTextPixelsAt(2.0), kTextShown);
    EXPECT_FALSE(f.graph.LoadSubtitleFile(Clip("subtitled.mp4") + QStringLiteral(".none")));
}

TEST(GraphSubtitles, AFileLoadedWhilePlayingKeepsThePlaceAndThePace)
{
    SubtitleFixture f;
    f.graph.SetSubtitleFile(QString());
    ASSERT_EQ(f.graph.RenderFile(Clip("long-120s.mp4")), 0);
    ASSERT_TRUE(f.graph.Play());
    const auto seconds
        = [&] { return double(f.graph.ToMediaTime(f.graph.CurrentPosition())) / 10'000'000; };
    ASSERT_TRUE(WaitUntil([&] { return seconds() >= 2.0; }, 5000));
    ASSERT_TRUE(f.graph.LoadSubtitleFile(Clip("subtitled.srt")));
    QElapsedTimer wall;
    wall.start();
    const double joined = seconds();
    EXPECT_GE(joined, 1.9) << "the film went back to its start";
    WaitUntil([] { return false; }, 1500);
    // Played on in real time: a graph built again under a running clock would
    // race to catch up, or stand still.
    const double played = seconds() - joined;
    const double elapsed = wall.elapsed() / 1000.0;
    EXPECT_GT(played, elapsed - 0.6) << played << " s in " << elapsed << " s";
    EXPECT_LT(played, elapsed + 0.6) << played << " s in " << elapsed << " s";
}

} // namespace
