#include "recordinghost.h"
#include "tfminfo.h"

#include <QCheckBox>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

TReportInput SomeFile()
{
    TReportInput in;
    in.path = QStringLiteral("/films/a.mkv");
    in.title = QStringLiteral("a");
    in.width = 160;
    in.height = 120;
    TReportStream audio;
    audio.majorType = QStringLiteral("Audio");
    audio.waveFormat = true;
    audio.formatTag = 0x55;
    audio.sampleRate = 44100;
    audio.channels = 2;
    audio.bitsPerSample = 16;
    audio.bytesPerSecond = 16000;
    in.streams = {audio};
    return in;
}

QList<TReportNode> SomeTree()
{
    return {{QStringLiteral("decoder"), {{QStringLiteral("CLSID=avdec_h264"), {}}}},
            {QStringLiteral("sink"), {{QStringLiteral("1- Вход  sink"), {}}}}};
}

TEST(InfoWindow, ReportsTheMediumWithTheLanguagesWords)
{
    TRecordingHost host;
    host.report = SomeFile();
    host.tree = SomeTree();
    TfmInfo form(host);
    form.Open();
    const QStringList lines = form.fInfo->toPlainText().split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("text 122: /films/a.mkv"));
    EXPECT_EQ(lines[2], QStringLiteral("text 124: 160x120"));
    EXPECT_EQ(lines.last(), QStringLiteral("Формат: 44100 Гц, Стерео, 16 Бит, 128 Кбит/сек"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("text 121"));
    EXPECT_EQ(form.s3->text(), QStringLiteral("text 43"));
    EXPECT_EQ(form.TreeView1->topLevelItemCount(), 2);
    EXPECT_FALSE(form.s1->isEnabled());
}

TEST(InfoWindow, WithoutAGraphTheTreeEmptiesAndTheTextStays)
{
    TRecordingHost host;
    host.report = SomeFile();
    host.tree = SomeTree();
    TfmInfo form(host);
    form.Open();
    const QString before = form.fInfo->toPlainText();
    host.state = 0;
    form.BuildReport();
    EXPECT_EQ(form.TreeView1->topLevelItemCount(), 0);
    EXPECT_EQ(form.fInfo->toPlainText(), before);
}

TEST(InfoWindow, CopyingAnEmptyTreePutsNothingOnTheClipboard)
{
    TRecordingHost host;
    host.state = 0;
    TfmInfo form(host);
    form.Open();
    QApplication::clipboard()->setText(QStringLiteral("kept"));
    form.pg1->setCurrentIndex(1);
    form.CopyClick();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("kept"));
}

TEST(InfoWindow, CopiesTheTreeAsIndentedLinesAndTheReportAsItIs)
{
    TRecordingHost host;
    host.report = SomeFile();
    host.tree = SomeTree();
    TfmInfo form(host);
    form.Open();
    form.pg1->setCurrentIndex(1);
    form.CopyClick();
    EXPECT_EQ(QApplication::clipboard()->text(),
              QStringLiteral("decoder\r\n\tCLSID=avdec_h264\r\nsink\r\n\t1- Вход  sink\r\n"));
    form.pg1->setCurrentIndex(0);
    form.CopyClick();
    EXPECT_EQ(QApplication::clipboard()->text(), form.fInfo->toPlainText());
    EXPECT_FALSE(form.fInfo->textCursor().hasSelection());
}

TEST(InfoWindow, ConfigureIsForElementsWithPropertiesAndStopsAroundIt)
{
    TRecordingHost host;
    host.tree = SomeTree();
    host.properties = {{QStringLiteral("qos"), QString(), true, {}, true}};
    TfmInfo form(host);
    form.Open();
    QTreeWidgetItem *first = form.TreeView1->topLevelItem(0);
    emit form.TreeView1->itemClicked(first, 0);
    EXPECT_TRUE(form.s1->isEnabled());
    emit form.TreeView1->itemClicked(first->child(0), 0);
    EXPECT_FALSE(form.s1->isEnabled());
    emit form.TreeView1->itemClicked(form.TreeView1->topLevelItem(1), 0);
    EXPECT_FALSE(form.s1->isEnabled()) << "an element without properties";
}

TEST(InfoWindow, EscapeAndIClosePastTheTreeAndKeepTheRectangle)
{
    for (const int key : {int(Qt::Key_Escape), int(Qt::Key_I)}) {
        TRecordingHost host;
        host.tree = SomeTree();
        host.infoRect = QRect(40, 60, 500, 400);
        TfmInfo form(host);
        form.Open();
        EXPECT_EQ(form.size(), QSize(500, 400));
        form.resize(450, 380);
        PressKey(form.TreeView1, key);
        EXPECT_FALSE(form.isVisible()) << key;
        EXPECT_EQ(host.infoRect.size(), QSize(450, 380)) << key;
    }
}

} // namespace
