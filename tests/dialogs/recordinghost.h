#pragma once

#include "imediadialoghost.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <vector>

// Widgets need an application object, which gtest_main does not create.
class DialogsTestApp : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "dialogs_tests";
        static char *argv[] = {name, nullptr};
        if (!QApplication::instance())
            new QApplication(argc, argv);
    }
};

inline ::testing::Environment *const dialogsTestApp
    = ::testing::AddGlobalTestEnvironment(new DialogsTestApp);

inline void PressKey(QWidget *target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

// The player as the windows see it, with what they asked of it kept for the
// test to check. Values set are read back, as from a real graph.
class TRecordingHost : public IMediaDialogHost
{
public:
    TRecordingHost() { panel.setGeometry(100, 50, 640, 480); }

    QString Text(int index) const override
    {
        return index == 129 ? QStringLiteral("Дорожка") : QStringLiteral("text %1").arg(index);
    }
    QWidget *VideoPanel() const override { return const_cast<QWidget *>(&panel); }
    QColor KeyColour() const override { return QColor(1, 2, 3); }
    bool IsMediaActive() const override { return mediaActive; }
    bool IsDvdMode() const override { return dvd; }

    int AudioStreamCount() const override { return streams; }
    int DvdCurrentAudioStream() const override { return dvdStream; }
    QString DvdAudioLanguageName(int stream) const override { return languages.value(stream); }
    void SelectDvdAudioStream(int stream) override { selectedDvdStreams.push_back(stream); }
    void ReopenWithAudio(int track) override { reopened.push_back(track); }
    void Play() override { ++plays; }

    TPictureColours PictureColours() const override { return colours; }
    QImage Picture(const QString &) const override { return QImage(32, 32, QImage::Format_RGB32); }
    void SetPictureValue(PictureBalance::TMode mode, int which, int value) override
    {
        sent.push_back({static_cast<int>(mode), which, value});
        values[{static_cast<int>(mode), which}] = value;
    }
    int PictureValue(PictureBalance::TMode mode, int which) const override
    {
        const auto found = values.find({static_cast<int>(mode), which});
        return found == values.end() ? 0 : found->second;
    }

    TReportInput ReportInput() const override { return report; }
    QList<TReportNode> FilterTree() const override { return tree; }
    int GraphState() const override { return state; }
    void SetGraphState(int s) override
    {
        stateChanges.push_back(s);
        state = s;
    }
    QList<TElementProperty> ElementProperties(int index) const override
    {
        return index == 0 ? properties : QList<TElementProperty>();
    }
    bool SetElementProperty(int index, const QString &name, const QVariant &value) override
    {
        written.push_back({index, name, value});
        return true;
    }
    QRect InfoWindowRect() const override { return infoRect; }
    void StoreInfoWindowRect(const QRect &rect) override { infoRect = rect; }

    struct Sent
    {
        int mode, which, value;
        bool operator==(const Sent &) const = default;
    };
    struct Written
    {
        int index;
        QString name;
        QVariant value;
    };

    QWidget panel;
    bool mediaActive = true;
    bool dvd = false;
    int streams = 3;
    int dvdStream = 0;
    QStringList languages;
    std::vector<int> selectedDvdStreams;
    std::vector<int> reopened;
    int plays = 0;
    TPictureColours colours;
    std::vector<Sent> sent;
    std::map<std::pair<int, int>, int> values;
    TReportInput report;
    QList<TReportNode> tree;
    int state = 3;
    std::vector<int> stateChanges;
    QList<TElementProperty> properties;
    std::vector<Written> written;
    QRect infoRect;
};
