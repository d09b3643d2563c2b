#include "playback/mediatexts.h"
#include "playback/tquickvolume.h"

#include <gtest/gtest.h>

namespace {

TEST(VolumeStatus, WholePercentRoundedDown)
{
    const QString word = QStringLiteral("Громкость");
    EXPECT_EQ(MediaTexts::VolumeStatus(word, 5399), QStringLiteral("Громкость - 53 %"));
    EXPECT_EQ(MediaTexts::VolumeStatus(word, 99), QStringLiteral("Громкость - 0 %"));
    EXPECT_EQ(MediaTexts::VolumeStatus(word, 10000), QStringLiteral("Громкость - 100 %"));
}

TEST(OpenDialogFilter, ClassicFormAndQtForm)
{
    const QString filter = MediaTexts::OpenDialogFilter(
        QStringLiteral("Видео файлы"), QStringLiteral("DVD каталог"), QStringLiteral("Все файлы"));
    const QString masks = MediaTexts::MediaFileMasks();
    EXPECT_TRUE(
        filter.startsWith(QStringLiteral("Видео файлы|") + masks + QStringLiteral(";*.MLS;")));
    EXPECT_TRUE(
        filter.endsWith(QStringLiteral("|DVD каталог (VIDEO_TS.IFO)|VIDEO_TS.IFO|Все файлы|*.*")));

    const QStringList qt = MediaTexts::ToQtFilters(filter);
    ASSERT_EQ(qt.size(), 3);
    EXPECT_TRUE(qt[0].startsWith(QStringLiteral("Видео файлы (*.MOV *.QT *.MP2 ")));
    EXPECT_TRUE(qt[0].contains(QStringLiteral(" VIDEO_TS.IFO *.MKV ")));
    EXPECT_TRUE(qt[0].endsWith(
        QStringLiteral(" *.SMIL *.MLS *.BSL *.LAP *.M3U *.LST *.PLS *.ASX *.M3U8)")));
    EXPECT_FALSE(qt[0].contains(u';'));
    EXPECT_EQ(qt[1], QStringLiteral("DVD каталог (VIDEO_TS.IFO)"));
    EXPECT_EQ(qt[2], QStringLiteral("Все файлы (*)"));
}

TEST(OpenDialogFilter, MalformedFiltersGiveWhatTheyCan)
{
    EXPECT_TRUE(MediaTexts::ToQtFilters(QString()).isEmpty());
    EXPECT_EQ(MediaTexts::ToQtFilters(QStringLiteral("Films|*.avi;;*.mkv|Dangling")),
              QStringList{QStringLiteral("Films (*.avi *.mkv)")});
    EXPECT_EQ(MediaTexts::ToQtFilters(QStringLiteral("Nothing||All|*")),
              QStringList{QStringLiteral("All (*)")});
}

TEST(QuickVolume, JumpsAndComesBack)
{
    TQuickVolume quick;
    int bar = 3000;
    auto click = [&](int quickVolume) {
        bar = quick.Click(bar, quickVolume);
        quick.BarMoved(bar); // the bar reports the move the click asked for
        return bar;
    };
    EXPECT_EQ(click(20), 2000);
    EXPECT_TRUE(quick.IsToggled());
    EXPECT_EQ(click(20), 3000);
    EXPECT_FALSE(quick.IsToggled());

    // Moving the bar by hand forgets the jump: the next click jumps again.
    EXPECT_EQ(click(20), 2000);
    bar = 4500;
    quick.BarMoved(bar);
    EXPECT_FALSE(quick.IsToggled());
    EXPECT_EQ(click(20), 2000);
    EXPECT_EQ(click(20), 4500);

    EXPECT_EQ(click(250), 10000); // the quick level stays on the bar
}

} // namespace
