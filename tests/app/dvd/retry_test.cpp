// Files that show no picture: the second render and how the player gives up.
#include "../../media/support/novideodecoders.h"
#include "../player/playerfixture.h"
#include "commands/commandcodes.h"
#include "playlist/tplaylistmodel.h"
#include "tmediastate.h"

namespace {

struct NoPictureCase
{
    const char *clip;
    bool hideVideoDecoders;
};

class NoPictureTest : public PlayerTest, public ::testing::WithParamInterface<NoPictureCase>
{
};

TEST_P(NoPictureTest, TheFilmIsClosedAndOnlyAnUndecodableOneLeavesThePlaylist)
{
    Start();
    const NoPictureCase c = GetParam();
    std::unique_ptr<NoVideoDecoders> hidden;
    if (c.hideVideoDecoders)
        hidden = std::make_unique<NoVideoDecoders>();
    TPlayListModel &list = player->Playlist();
    list.AddEntry(Media(c.clip));
    player->OpenFile(list.First());
    EXPECT_FALSE(player->Media().MediaOpen);
    EXPECT_EQ(Send(Cmd::QueryState), 0);
    // The entry stays in the list, but none is current after a failed open.
    EXPECT_EQ(list.CurrentIndex(), -1);
}

INSTANTIATE_TEST_SUITE_P(
    Files, NoPictureTest,
    ::testing::Values(NoPictureCase{"sample-720p.mp4", true},   // video no decoder takes
                      NoPictureCase{"audio-only.m4a", false})); // no video at all

} // namespace
