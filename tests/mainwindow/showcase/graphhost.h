#pragma once

#include "iplayerhost.h"
#include "settings/settingsrecord.h"

class TFilterGraph;

// The window's host over a real graph, with the answers the application would give.
class GraphHost : public IPlayerHost
{
public:
    explicit GraphHost(TFilterGraph *graph);

    bool IsMediaActive() const override;
    bool IsMediaOpening() const override { return false; }
    bool IsDvdMode() const override { return false; }
    bool IsDvdMenuShowing() const override { return false; }
    QSize DvdAspect() const override { return {}; }
    int AudioStreamCount() const override;
    bool IsStillPicture() const override;
    qint32 SendCommand(qint32 code, qint32 param) override;
    TFilterGraph *Graph() const override { return m_graph; }
    const TSettingsRecord &Settings() const override { return m_settings; }
    TSettingsRecord &MutableSettings() override { return m_settings; }
    QString Text(int index) const override;
    void QuickVolumeClick() override {}

    bool open = false;

private:
    TFilterGraph *m_graph;
    TSettingsRecord m_settings;
};
