#pragma once

#include <QString>
#include <QtGlobal>

// What the player lends its plug-ins through the host table. The application implements
// it over its window, graph and dispatcher; tests implement it over plain values.
class IPluginServices
{
public:
    virtual ~IPluginServices() = default;

    // The current medium's path (for a DVD its entry file or "DVD Disc") and its title;
    // empty while nothing is open.
    virtual QString CurrentName() const = 0;
    virtual QString CurrentTitle() const = 0;
    // Kind 1 the small status box, kind 2 the large caption.
    virtual void ShowStatusText(const QString &text, int tenths, int kind) = 0;
    // The pipeline as an opaque pointer, null without a graph.
    virtual void *MediaGraph() const = 0;
    virtual qint32 SendCommand(qint32 code, qint32 param) = 0;
};
