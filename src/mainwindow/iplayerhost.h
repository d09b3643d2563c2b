#pragma once

#include "input/inputshift.h"
#include "menus/taction.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QtGlobal>

class TFilterGraph;
struct TInputState;
struct TMenuState;
struct TSettingsRecord;

// What the main window's rules need to know about, and ask of, the player that drives it.
// The application implements it; the window works without one (nothing is ever playing,
// default settings, built-in texts).
class IPlayerHost
{
public:
    virtual ~IPlayerHost() = default;

    // A medium is loaded and the graph is paused or running.
    virtual bool IsMediaActive() const = 0;
    // A medium is being opened right now (the zoom readout stays quiet then).
    virtual bool IsMediaOpening() const = 0;
    virtual bool IsDvdMode() const = 0;
    // In DVD mode: the current title's total time is zero, i.e. a disc menu is showing.
    virtual bool IsDvdMenuShowing() const = 0;
    // The display aspect X_a : Y_a of the DVD's current video; empty when not known.
    virtual QSize DvdAspect() const = 0;
    virtual int AudioStreamCount() const = 0;
    // The medium is a still picture (its duration exceeds 360000 s).
    virtual bool IsStillPicture() const = 0;

    // Runs a command of the dispatcher and returns its answer (positions 321, durations 322,
    // state 309 ...).
    virtual qint32 SendCommand(qint32 code, qint32 param) = 0;
    // The graph, for the picture's size and the crop; may be null.
    virtual TFilterGraph *Graph() const = 0;

    virtual const TSettingsRecord &Settings() const = 0;
    // The show-elapsed flag and the always-on-top flag are settings the window toggles.
    virtual TSettingsRecord &MutableSettings() = 0;
    // Text N of the language table.
    virtual QString Text(int index) const = 0;

    // The click on the volume icon (quick volume).
    virtual void QuickVolumeClick() = 0;

    // The window fills what it knows itself; the playlist, the shut-down orders and the
    // language belong to the application, which adds them here.
    virtual void AddInputState(TInputState &) const {}
    virtual void AddMenuState(TMenuState &) const {}
    // The operations of keys, menus and icons that are neither commands nor the window's own
    // (playlist files, dialogs, drives, shut-down orders, web pages, snapshots, DVD buttons
    // under the cursor). Answers as SendCommand does.
    virtual qint32 RunAction(const TAction &) { return 0; }
    // Files dropped on the window, at this point of the screen.
    virtual void DropFiles(const QStringList &, QPoint) {}
    // One caption per optical drive, "D [label]", in drive-letter order.
    virtual QStringList DriveCaptions() const { return {}; }
    // The languages of the medium's subtitle tracks (empty where unknown) and the
    // track shown (0 none).
    virtual QStringList SubtitleTrackLanguages() const { return {}; }
    virtual int CurrentSubtitleTrack() const { return 0; }

    // Plug-ins see every key and every mouse move over the picture first and may rewrite
    // them; a move also comes back with the cursor they ask for (0 the default).
    virtual void PluginKey(int & /*virtualKey*/, TInputShift & /*shift*/) {}
    virtual void PluginMouseMove(int & /*x*/, int & /*y*/, TInputShift & /*shift*/,
                                 int & /*cursor*/)
    {}
    // A window event for the plug-ins (maximized, restored, shown again).
    virtual void PluginWindowEvent(int /*event*/) {}
};
