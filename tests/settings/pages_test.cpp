#include "../platform/associations/xdgfolders.h"
#include "settingstesthost.h"
#include "tfmproperty.h"

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

// Every caption of a page shows whole: wrapped texts have the height they need, single
// lines the width, and nothing reaches past the page or below it.
void ExpectNothingClipped(QScrollArea *page, const std::string &where)
{
    QWidget *content = page->widget();
    // Nothing is scrolled out of sight.
    EXPECT_EQ(page->verticalScrollBar()->maximum(), 0) << where;
    for (QWidget *widget : content->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(content) || widget->parentWidget() == nullptr)
            continue;
        const std::string name = where + " " + widget->objectName().toStdString() + " \""
                                 + widget->property("text").toString().toStdString() + "\"";
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            if (label->wordWrap())
                EXPECT_LE(label->heightForWidth(label->width()), label->height()) << name;
            else
                EXPECT_LE(label->sizeHint().width(), label->width()) << name;
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            EXPECT_LE(button->sizeHint().width(), button->width()) << name;
        }
        const QRect area(widget->mapTo(content, QPoint(0, 0)), widget->size());
        EXPECT_LE(area.right(), page->viewport()->width()) << name;
        EXPECT_GE(area.left(), 0) << name;
        EXPECT_LE(area.bottom(), page->viewport()->height()) << name;
    }
}

void CheckEveryPage(TTestSettingsHost &host, const char *language)
{
    TfmProperty dialog(host);
    host.renderers = {QStringLiteral("Built-in Audio Analog Stereo")};
    host.plugins = {QStringLiteral("Equalizer (libequalizer.so)")};
    dialog.FormShow();
    dialog.show();
    const QString folder = qEnvironmentVariable("TAVREL_SCREENSHOTS");
    for (int page = 0; page < TfmProperty::kPages; ++page) {
        dialog.ShowPage(page);
        QApplication::processEvents();
        const std::string where = std::string(language) + " page " + std::to_string(page);
        ExpectNothingClipped(qobject_cast<QScrollArea *>(dialog.Page(page)), where);
        EXPECT_FALSE(dialog.Tree()->topLevelItem(page)->text(0).isEmpty()) << where;
        if (!folder.isEmpty())
            dialog.grab().save(QStringLiteral("%1/settings-%2-%3.png")
                                   .arg(folder, QString::fromLatin1(language))
                                   .arg(page));
    }
    EXPECT_EQ(dialog.size(), QSize(435, 385));
}

} // namespace

TEST(PropertyPages, EveryPageShowsWholeInRussian)
{
    TXdgFolders xdg;
    TTestSettingsHost host;
    CheckEveryPage(host, "ru");
}

TEST(PropertyPages, EveryPageShowsWholeInEnglish)
{
    TXdgFolders xdg;
    TTestSettingsHost host;
    host.lang.Load(QStringLiteral(TAVREL_SOURCE_DIR "/lang"), QStringLiteral("English"));
    ASSERT_EQ(host.lang.GetLine(63), QStringLiteral("Settings"));
    CheckEveryPage(host, "en");
}

TEST(PropertyPages, TheTreeAndTheCheckListAreDrawnByTheDialog)
{
    TXdgFolders xdg;
    TTestSettingsHost host;
    TfmProperty dialog(host);
    dialog.FormShow();
    dialog.show();
    dialog.ShowPage(2);
    QApplication::processEvents();
    QTreeWidget *tree = dialog.Tree();
    const QRect selected = tree->visualItemRect(tree->topLevelItem(2));
    const QImage picture = tree->viewport()->grab().toImage();
    // The selected node lies on silver, up to its right edge; the others do not.
    EXPECT_EQ(picture.pixelColor(selected.right() - 1, selected.center().y()),
              QColor(0xC0, 0xC0, 0xC0));
    const QRect other = tree->visualItemRect(tree->topLevelItem(5));
    EXPECT_NE(picture.pixelColor(other.right() - 1, other.center().y()), QColor(0xC0, 0xC0, 0xC0));

    dialog.ShowPage(0);
    QApplication::processEvents();
    auto *list = dialog.findChild<QListWidget *>(QStringLiteral("clb2"));
    const QImage rows = list->viewport()->grab().toImage();
    const auto hasTeal = [&](int row) {
        const QRect area = list->visualItemRect(list->item(row));
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const QColor c = rows.pixelColor(x, y);
                if (c.red() < 0x40 && c.green() > 0x60 && c.blue() > 0x60 && c.green() < 0xA0)
                    return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(hasTeal(0));
    EXPECT_TRUE(hasTeal(3));
    EXPECT_FALSE(hasTeal(1));
    // A wrapped row is taller than a row of one line.
    list->resize(list->width(), list->height());
    EXPECT_GT(list->visualItemRect(list->item(5)).height(),
              list->visualItemRect(list->item(6)).height());
}
