#include "playlist/droppedfiles.h"
#include "playlist/playablefile.h"
#include "playlist/streamurl.h"

#include <QMimeData>
#include <QUrl>
#include <gtest/gtest.h>
#include <ostream>

namespace {

using namespace Qt::Literals::StringLiterals;

struct UrlCase
{
    QString text;
    bool stream;
};

void PrintTo(const UrlCase &c, std::ostream *out)
{
    *out << '"' << c.text.toStdString() << '"';
}

class StreamUrlTest : public ::testing::TestWithParam<UrlCase>
{
};

TEST_P(StreamUrlTest, KnowsTheSchemesTheFrameworkReads)
{
    const UrlCase &c = GetParam();
    EXPECT_EQ(IsStreamUrl(c.text), c.stream) << c.text.toStdString();
    // Navigation must not skip an address it cannot stat.
    if (c.stream) {
        EXPECT_TRUE(IsPlayableFile(c.text));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StreamUrlTest,
    ::testing::Values(UrlCase{u"http://h/a.mp4"_s, true}, UrlCase{u"HTTPS://h/a.mp4"_s, true},
                      UrlCase{u"rtsp://cam:554/live"_s, true}, UrlCase{u"rtmp://h/app"_s, true},
                      UrlCase{u"mms://h/s"_s, true}, UrlCase{u"ftp://h/f.avi"_s, true},
                      UrlCase{u"file:///m/a.avi"_s, true}, UrlCase{u"/m/http://a.avi"_s, false},
                      UrlCase{u"http:/a.avi"_s, false}, UrlCase{u"http//a.avi"_s, false},
                      UrlCase{u"smb://h/a.avi"_s, false}, UrlCase{u"://h/a.avi"_s, false},
                      UrlCase{u"C:/films/a.avi"_s, false}, UrlCase{u""_s, false},
                      UrlCase{u"films/a.avi"_s, false}));

TEST(DroppedStreams, AddressesAreKeptBesideLocalFiles)
{
    QMimeData data;
    data.setUrls(
        {QUrl(u"file:///m/a.avi"_s), QUrl(u"https://h/b.mp4"_s), QUrl(u"smb://h/c.avi"_s)});
    EXPECT_EQ(DroppedFileNames(data), (QStringList{u"/m/a.avi"_s, u"https://h/b.mp4"_s}));
}

TEST(DroppedStreams, AnAddressDraggedAsTextIsTaken)
{
    QMimeData address;
    address.setText(u"  http://h/live.ts \n"_s);
    EXPECT_EQ(DroppedFileNames(address), QStringList{u"http://h/live.ts"_s});
    QMimeData prose;
    prose.setText(u"see http://h/live.ts"_s);
    EXPECT_TRUE(DroppedFileNames(prose).isEmpty());
}

} // namespace
