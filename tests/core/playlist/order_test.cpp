#include "playlisttestsupport.h"

#include <QLocale>

namespace {

using namespace Qt::Literals::StringLiterals;

std::unique_ptr<TPlayListModel> listOf(const QStringList &names)
{
    auto model = std::make_unique<TPlayListModel>(u"/app/"_s);
    for (const QString &name : names)
        model->AddEntry(QString(u"/f/"_s + name + u".avi"_s));
    return model;
}

class LocaleGuard
{
public:
    explicit LocaleGuard(const QLocale &locale) { QLocale::setDefault(locale); }
    ~LocaleGuard() { QLocale::setDefault(m_saved); }

private:
    QLocale m_saved;
};

TEST(PlaylistSort, AscendingIgnoringCaseAndStableForEqualTitles)
{
    const LocaleGuard locale(QLocale(QLocale::Russian, QLocale::Russia));
    auto model = listOf({u"b"_s, u"Ёж"_s, u"A"_s, u"яблоко"_s, u"a"_s, u"Жук"_s, u"B"_s});
    model->SetCurrent(3); // "яблоко"
    model->SetItemIndex(2);
    model->Sort();
    // Russian order puts Cyrillic before Latin and "Ё" with "Е".
    EXPECT_EQ(titles(*model),
              (QStringList{u"Ёж"_s, u"Жук"_s, u"яблоко"_s, u"A"_s, u"a"_s, u"b"_s, u"B"_s}));
    EXPECT_EQ(model->CurrentTitle(), u"яблоко"_s);
    EXPECT_EQ(model->TitleAt(model->ItemIndex()), u"A"_s);
    EXPECT_EQ(model->FileNameAt(3), u"/f/A.avi"_s);
}

TEST(PlaylistSort, CLocaleStillIgnoresCase)
{
    const LocaleGuard locale(QLocale::c());
    auto model = listOf({u"beta"_s, u"Alpha"_s, u"alpha2"_s, u"Beta1"_s});
    model->Sort();
    EXPECT_EQ(titles(*model), (QStringList{u"Alpha"_s, u"alpha2"_s, u"beta"_s, u"Beta1"_s}));
}

TEST(PlaylistShuffle, PermutesAndKeepsTheMarkSelectionAndFocus)
{
    QStringList names;
    for (int i = 0; i < 50; ++i)
        names.append(QString::number(i));
    auto model = listOf(names);
    model->SetShuffleSeed(7);
    model->SetCurrent(17);
    model->SetSelected(30, true);
    model->SetItemIndex(30);
    model->Shuffle();

    QStringList shuffled = titles(*model);
    EXPECT_NE(shuffled, names);
    EXPECT_EQ(model->CurrentTitle(), u"17"_s);
    EXPECT_EQ(model->TitleAt(model->ItemIndex()), u"30"_s);
    EXPECT_TRUE(model->IsSelected(model->ItemIndex()));
    int marked = 0;
    for (int i = 0; i < model->Count(); ++i)
        marked += model->EntryAt(i).Info.IsCurrent & 1;
    EXPECT_EQ(marked, 1);
    std::sort(shuffled.begin(), shuffled.end());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(shuffled, names);
}

struct MoveCase
{
    const char *name;
    int focused;
    bool selected;
    bool down;
    bool toEnd;
    const char *expected; // titles after the move
};

void PrintTo(const MoveCase &c, std::ostream *os)
{
    *os << c.name;
}

class MoveTest : public ::testing::TestWithParam<MoveCase>
{
};

TEST_P(MoveTest, MovesOnlyTheFocusedSelectedEntry)
{
    const MoveCase &c = GetParam();
    auto model = listOf({u"a"_s, u"b"_s, u"c"_s, u"d"_s});
    model->SetItemIndex(c.focused);
    model->SetSelected(c.focused, c.selected);
    const QString moved = model->TitleAt(c.focused);
    if (c.down)
        model->MoveDown(c.toEnd);
    else
        model->MoveUp(c.toEnd);
    EXPECT_EQ(titles(*model).join(QString()), QString::fromLatin1(c.expected));
    if (c.focused >= 0) {
        EXPECT_EQ(model->TitleAt(model->ItemIndex()), moved);
        EXPECT_EQ(model->IsSelected(model->ItemIndex()), c.selected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Moves, MoveTest,
    ::testing::Values(MoveCase{"downOne", 1, true, true, false, "acbd"},
                      MoveCase{"downToBottom", 0, true, true, true, "bcda"},
                      MoveCase{"downFromLastDoesNothing", 3, true, true, false, "abcd"},
                      MoveCase{"downUnselectedDoesNothing", 1, false, true, false, "abcd"},
                      MoveCase{"downWithoutFocusDoesNothing", -1, true, true, false, "abcd"},
                      MoveCase{"upOne", 2, true, false, false, "acbd"},
                      MoveCase{"upToTop", 3, true, false, true, "dabc"},
                      MoveCase{"upFromFirstDoesNothing", 0, true, false, true, "abcd"},
                      MoveCase{"upUnselectedDoesNothing", 2, false, false, false, "abcd"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PlaylistSelect, NextAndPreviousMoveASingleSelection)
{
    auto model = listOf({u"a"_s, u"b"_s, u"c"_s});
    model->SetSelected(0, true);
    model->SetSelected(2, true);
    model->SetItemIndex(0);
    model->SelectNext();
    EXPECT_EQ(model->ItemIndex(), 1);
    EXPECT_FALSE(model->IsSelected(0));
    EXPECT_TRUE(model->IsSelected(1));
    EXPECT_FALSE(model->IsSelected(2));
    model->SelectNext();
    model->SelectNext(); // nothing below the last item
    EXPECT_EQ(model->ItemIndex(), 2);
    model->SelectPrevious();
    model->SelectPrevious();
    model->SelectPrevious(); // nothing above the first item
    EXPECT_EQ(model->ItemIndex(), 0);
    EXPECT_TRUE(model->IsSelected(0));

    TPlayListModel empty(u"/app/"_s);
    empty.SelectNext();
    empty.SelectPrevious();
    EXPECT_EQ(empty.ItemIndex(), -1);
}

TEST(PlaylistDelete, SelectedEntriesGoFromTheEnd)
{
    auto model = listOf({u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s});
    model->SetCurrent(4);
    for (int i : {0, 2, 3})
        model->SetSelected(i, true);
    model->SetItemIndex(4);
    EXPECT_TRUE(model->DeleteSelected());
    EXPECT_EQ(titles(*model), (QStringList{u"b"_s, u"e"_s}));
    EXPECT_EQ(model->CurrentTitle(), u"e"_s);
    EXPECT_EQ(model->TitleAt(model->ItemIndex()), u"e"_s);
    EXPECT_FALSE(model->DeleteSelected());

    EXPECT_TRUE(model->DeleteCurrent());
    EXPECT_EQ(titles(*model), QStringList{u"b"_s});
    EXPECT_EQ(model->CurrentIndex(), -1);
    EXPECT_FALSE(model->DeleteCurrent());
    EXPECT_EQ(model->Count(), 1);
}

} // namespace
