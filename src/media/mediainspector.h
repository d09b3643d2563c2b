#pragma once

#include "mediadialogs/mediareport.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

class TFilterGraph;

// What the media information window reads from the framework: the streams of
// a file and the elements of the running graph. The element list of the last
// Tree() is kept (and released by the next one or by Release()) so that an
// element's properties can be read and written by its place in the tree.
class TMediaInspector
{
public:
    TMediaInspector();
    ~TMediaInspector();
    TMediaInspector(const TMediaInspector &) = delete;
    TMediaInspector &operator=(const TMediaInspector &) = delete;

    // The streams of a local file in their order (empty when it cannot be read).
    static QList<TReportStream> Streams(const QString &fileName);

    // One top-level node per element of the graph (bins and what they hold),
    // with its factory, plug-in file and pads.
    QList<TReportNode> Tree(TFilterGraph *graph);
    void Release();

    QList<TElementProperty> Properties(int element) const;
    bool SetProperty(int element, const QString &name, const QVariant &value);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
