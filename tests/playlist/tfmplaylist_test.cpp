// The playlist window over a real main window on the offscreen platform: where it goes, what
// its mouse and keys do in both states, and what it asks of the player.
#include "commands/commandcodes.h"
#include "input/tinputstate.h"
#include "playlist/tplaylistmodel.h"
#include "playlistplacement.h"
#include "testhost.h"
#include "tfmplaylist.h"
#include "torimage.h"
#include "tplaylistbox.h"
#include "tplaylistclosebox.h"
#include "ttavrelplayer.h"
#include "tvideoarea.h"

#include <QMenu>
#include <QSignalSpy>
#include <QTest>

namespace {

// The player as the playlist's keys see it: the docked list is showing.
class PlayListHost : public TestHost
{
public:
    TfmPlayList *window = nullptr;
    void AddInputState(TInputState &state) const override
    {
        state.playlistExists = true;
        state.playlistDocked = window && window->IsDocked();
        state.playlistVisible = window && window->IsShowing() ? 1 : 0;
    }
};

class PlayListWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        main.SetHost(&host);
        main.resize(465, 363);
        main.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
        for (int i = 0; i < 5; ++i)
            model.AddEntry(QStringLiteral("/films/film%1.avi").arg(i));
        window = new TfmPlayList(model, &main, QString());
        host.window = window;
    }

    QWidget *list() const { return window->ListBox1->viewport(); }
    QPoint rowCentre(int row) const { return window->ListBox1->ItemRect(row).center(); }

    void showDocked()
    {
        window->Toggle();
        QApplication::processEvents();
        ASSERT_TRUE(window->isVisible());
    }

    PlayListHost host;
    TTavrelPlayer main;
    TPlayListModel model{QStringLiteral("/films/")};
    TfmPlayList *window = nullptr; // a child of the main window
};

TEST_F(PlayListWindowTest, DockedItIsCentredShapedAndSizedFromTheSettings)
{
    showDocked();
    EXPECT_TRUE(window->IsDocked());
    EXPECT_EQ(window->parentWidget(), &main);
    EXPECT_EQ(window->size(), QSize(250, 150));
    EXPECT_EQ(window->pos(), QPoint(232 - 125, 181 - 75));
    EXPECT_FALSE(window->mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(window->pbClose->isVisible());
    EXPECT_EQ(window->ListBox1->geometry(), QRect(6, 25, 238, 94));
    EXPECT_EQ(window->pbAdd->y(), 122);
    EXPECT_EQ(window->ListBox1->ItemHeight(), 16);
    // Over the logo the list takes the panels' colour; over a picture it is see-through.
    EXPECT_EQ(window->ListBox1->Background(), std::optional<TColor>(TTavrelPlayer::kPanelKey));
    main.Glob->SetShowLogo(false);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->ListBox1->Background().has_value());
    EXPECT_EQ(model.ItemIndex(), 0); // showing focuses the first entry
}

TEST_F(PlayListWindowTest, ADockedListRefitsItselfWhenTheMainWindowGoesFullScreen)
{
    showDocked();
    main.SetFullScreen(true);
    QApplication::processEvents();
    EXPECT_EQ(window->size(), QSize(370, 262));
    EXPECT_EQ(window->ListBox1->ItemHeight(), 22); // FSScale is on by default
    EXPECT_EQ(window->pos(),
              PlayListPlacement::DockedGeometry(main.size(), window->size()).topLeft());
    main.SetFullScreen(false);
    QApplication::processEvents();
    EXPECT_EQ(window->size(), QSize(250, 150));
    EXPECT_EQ(window->ListBox1->ItemHeight(), 16);
}

TEST_F(PlayListWindowTest, DownInTheDockedListGoesToTheKeyMapNotToTheListFocus)
{
    showDocked();
    host.answers[Cmd::QueryPlaylistVisible] = 1;
    window->ListBox1->setFocus();
    QTest::keyClick(window->ListBox1, Qt::Key_Down);
    EXPECT_EQ(model.ItemIndex(), 0);
    const auto commands = host.commands();
    EXPECT_NE(
        std::find(commands.begin(), commands.end(), std::pair<qint32, qint32>(Cmd::Navigate, 2)),
        commands.end());
}

TEST_F(PlayListWindowTest, FloatingTheListMovesItsFocusAndEnterPlays)
{
    window->Undock();
    QApplication::processEvents();
    QSignalSpy plays(window, &TfmPlayList::PlaySelectedRequested);
    window->ListBox1->setFocus();
    QTest::keyClick(window->ListBox1, Qt::Key_Down);
    EXPECT_EQ(model.ItemIndex(), 1);
    EXPECT_TRUE(host.commands().empty());
    QTest::keyClick(window->ListBox1, Qt::Key_Return);
    EXPECT_EQ(plays.count(), 1);
    // Any other key is the main window's.
    QTest::keyClick(window->ListBox1, Qt::Key_Space);
    EXPECT_FALSE(host.commands().empty());
}

TEST_F(PlayListWindowTest, RightReleaseOpensTheMenuUnlessAModifierIsHeld)
{
    showDocked();
    QTest::mouseClick(list(), Qt::RightButton, Qt::ControlModifier, rowCentre(1));
    EXPECT_FALSE(window->pmPL->isVisible());
    QTest::mouseClick(list(), Qt::RightButton, Qt::NoModifier, rowCentre(1));
    EXPECT_TRUE(window->pmPL->isVisible());
    window->pmPL->hide();
}

TEST_F(PlayListWindowTest, TheMenuAsksForTheOperationsOfThePlaylistMenu)
{
    QSignalSpy actions(window, &TfmPlayList::ActionRequested);
    QStringList captions;
    for (QAction *action : window->pmPL->actions()) {
        if (!action->isSeparator()) {
            captions << action->text();
            action->trigger();
        }
    }
    EXPECT_EQ(captions,
              (QStringList{"text13", "text14", "text15", "text16", "text17", "text174", "text18"}));
    ASSERT_EQ(actions.count(), 7);
    EXPECT_EQ(actions.at(3).at(0).value<TAction>(), TAction::command(Cmd::AddFiles));
    EXPECT_EQ(actions.at(6).at(0).value<TAction>().kind, TActionKind::ShufflePlaylist);
}

TEST_F(PlayListWindowTest, ALeftDragInTheFloatingListMovesTheWindowNotTheSelection)
{
    window->Undock();
    QApplication::processEvents();
    const QPoint before = window->pos();
    QTest::mousePress(list(), Qt::LeftButton, Qt::NoModifier, rowCentre(0));
    QMouseEvent move(QEvent::MouseMove, QPointF(rowCentre(3)),
                     QPointF(list()->mapToGlobal(rowCentre(3))), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(list(), &move);
    QTest::mouseRelease(list(), Qt::LeftButton, Qt::NoModifier, rowCentre(3));
    EXPECT_EQ(window->pos(), before + (rowCentre(3) - rowCentre(0)));
    EXPECT_TRUE(model.IsSelected(0));
    EXPECT_FALSE(model.IsSelected(3));
}

TEST_F(PlayListWindowTest, DockedPressesReachThePictureFloatingOnesDoNot)
{
    // A middle press on the picture switches full screen.
    const std::pair<qint32, qint32> fullScreen(Cmd::ToggleFullScreen, 0);
    showDocked();
    QTest::mouseClick(list(), Qt::MiddleButton, Qt::NoModifier, rowCentre(2));
    auto commands = host.commands();
    EXPECT_EQ(std::count(commands.begin(), commands.end(), fullScreen), 1);

    window->Undock();
    QApplication::processEvents();
    host.sent.clear();
    QTest::mouseClick(list(), Qt::MiddleButton, Qt::NoModifier, rowCentre(2));
    commands = host.commands();
    EXPECT_EQ(std::count(commands.begin(), commands.end(), fullScreen), 0);
}

TEST_F(PlayListWindowTest, TheFirstUndockKeepsTheDesignBoundsAndARoundTripKeepsTheBounds)
{
    showDocked();
    window->Undock();
    QApplication::processEvents();
    EXPECT_FALSE(window->IsDocked());
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(window->size(), PlayListPlacement::kDesignClient);
    EXPECT_FALSE(window->pbClose->isVisible());
    EXPECT_EQ(window->ListBox1->geometry(), QRect(6, 5, 338, 192));

    const QRect floating(40, 50, 300, 200);
    window->setGeometry(floating);
    QApplication::processEvents();
    window->Dock();
    QApplication::processEvents();
    EXPECT_TRUE(window->IsDocked());
    EXPECT_EQ(window->size(), QSize(250, 150));
    EXPECT_EQ(window->FloatingBounds(), floating);
    window->Undock();
    QApplication::processEvents();
    EXPECT_EQ(window->geometry(), floating);
}

TEST_F(PlayListWindowTest, ButtonsReorderTheListAndAskForTheRest)
{
    QSignalSpy actions(window, &TfmPlayList::ActionRequested);
    showDocked();
    model.SelectOnly(3);
    QTest::mouseClick(window->pbUp, Qt::RightButton);
    EXPECT_EQ(model.FileNameAt(0), QStringLiteral("/films/film3.avi"));
    model.SelectOnly(0);
    QTest::mouseClick(window->pbDown, Qt::LeftButton);
    EXPECT_EQ(model.FileNameAt(1), QStringLiteral("/films/film3.avi"));
    QTest::mouseClick(window->pbRand, Qt::LeftButton);
    QTest::mouseClick(window->pbRand, Qt::RightButton);
    QTest::mouseClick(window->pbAdd, Qt::LeftButton);
    QTest::mouseClick(window->pbDel, Qt::LeftButton);
    ASSERT_EQ(actions.count(), 4);
    EXPECT_EQ(actions.at(0).at(0).value<TAction>().kind, TActionKind::SortPlaylist);
    EXPECT_EQ(actions.at(1).at(0).value<TAction>().kind, TActionKind::ShufflePlaylist);
    EXPECT_EQ(actions.at(2).at(0).value<TAction>(), TAction::command(Cmd::AddFiles));
    EXPECT_EQ(actions.at(3).at(0).value<TAction>().kind, TActionKind::DeleteFile);

    QTest::mouseClick(window->pbClose, Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(PlayListWindowTest, ClicksSelectAsAMultiSelectListAndADoubleClickPlays)
{
    QSignalSpy plays(window, &TfmPlayList::PlaySelectedRequested);
    showDocked();
    QTest::mouseClick(list(), Qt::LeftButton, Qt::NoModifier, rowCentre(1));
    QTest::mouseClick(list(), Qt::LeftButton, Qt::ShiftModifier, rowCentre(3));
    EXPECT_FALSE(model.IsSelected(0));
    EXPECT_TRUE(model.IsSelected(1) && model.IsSelected(2) && model.IsSelected(3));
    QTest::mouseClick(list(), Qt::LeftButton, Qt::ControlModifier, rowCentre(2));
    EXPECT_FALSE(model.IsSelected(2));
    EXPECT_EQ(model.ItemIndex(), 2);
    QTest::mouseDClick(list(), Qt::LeftButton, Qt::NoModifier, rowCentre(4));
    EXPECT_EQ(plays.count(), 1);
    EXPECT_EQ(model.ItemIndex(), 4);
    // The picture got the presses, never the double click (which would switch full screen).
    const auto commands = host.commands();
    EXPECT_EQ(std::count(commands.begin(), commands.end(),
                         std::pair<qint32, qint32>(Cmd::ToggleFullScreen, 0)),
              0);
}

TEST_F(PlayListWindowTest, ALongListPaintsOnlyWhatIsOnScreen)
{
    std::vector<TPlayListEntry> entries(100000);
    for (size_t i = 0; i < entries.size(); ++i) {
        entries[i].Title = QStringLiteral("entry %1").arg(i);
        entries[i].Info.FileName = QStringLiteral("/films/%1.avi").arg(i);
    }
    model.AppendEntries(std::move(entries));
    showDocked();
    window->ListBox1->ScrollToItem(model.Count() - 1);
    EXPECT_EQ(window->ListBox1->ItemAt(window->ListBox1->ItemRect(model.Count() - 1).center()),
              model.Count() - 1);
    const QImage shot = window->grab().toImage();
    EXPECT_FALSE(shot.isNull());
    // The last row is the last one wholly on screen (94 pixels of 16-pixel rows).
    EXPECT_EQ(window->ListBox1->TopIndex() + 94 / 16 - 1, model.Count() - 1);
}

} // namespace
