#pragma once

#include "mediadialogs/mediareport.h"
#include "mediadialogs/picturebalance.h"
#include "tcolor.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVariant>

class QWidget;

// The picture window's colours: row 2 of the theme's colour table, or these.
struct TPictureColours
{
    TColor frame = 0xC0C0C0;
    TColor fore = clWhite;
    TColor back = clGray;
    TColor selectFore = clYellow;
    TColor selectBack = 0x008080;
    TColor font = clWhite;
    TColor share = clBlack;
};

// What the media information, picture and audio track windows ask of the
// player. The player implements it over its graph, settings and opening rules.
class IMediaDialogHost
{
public:
    virtual ~IMediaDialogHost() = default;

    virtual QString Text(int index) const = 0;
    // The main window's video panel: the windows centre over it.
    virtual QWidget *VideoPanel() const = 0;
    // The video window's key colour, the windows' background.
    virtual QColor KeyColour() const = 0;

    virtual bool IsMediaActive() const = 0;
    virtual bool IsDvdMode() const = 0;

    // --- audio tracks ---
    // Streams of the file, or of the DVD's current title.
    virtual int AudioStreamCount() const = 0;
    virtual int DvdCurrentAudioStream() const = 0; // 0-based
    // The system's name of the language of a DVD stream (0-based).
    virtual QString DvdAudioLanguageName(int stream) const = 0;
    virtual void SelectDvdAudioStream(int stream) = 0;
    // Opens the current file again at the current position with stream `track`.
    virtual void ReopenWithAudio(int track) = 0;
    virtual void Play() = 0;

    // --- picture ---
    virtual TPictureColours PictureColours() const = 0;
    // A built-in picture of the skin ("CBRIG", …).
    virtual QImage Picture(const QString &name) const = 0;
    // Sends a slider position's value through the mode's mechanism and stores it.
    virtual void SetPictureValue(PictureBalance::TMode mode, int which, int value) = 0;
    virtual int PictureValue(PictureBalance::TMode mode, int which) const = 0;

    // --- media information ---
    virtual TReportInput ReportInput() const = 0;
    // The running graph's elements (empty without a graph).
    virtual QList<TReportNode> FilterTree() const = 0;
    virtual int GraphState() const = 0; // 0 none, 1 stopped, 2 paused, 3 playing
    virtual void SetGraphState(int state) = 0;
    // Properties of the top-level node `index` of the last FilterTree().
    virtual QList<TElementProperty> ElementProperties(int index) const = 0;
    virtual bool SetElementProperty(int index, const QString &name, const QVariant &value) = 0;
    virtual QRect InfoWindowRect() const = 0;
    virtual void StoreInfoWindowRect(const QRect &rect) = 0;
};
