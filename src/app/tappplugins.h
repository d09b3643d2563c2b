#pragma once

#include "ipluginservices.h"
#include "tpluginhost.h"

class TTavrelApp;

// The player's plug-ins: the host over the Plugins folder beside the program, and what the
// player lends them (the current medium, the status captions, the graph, the commands).
class TAppPlugins : public IPluginServices
{
public:
    TAppPlugins(TTavrelApp &app, quintptr mainWindow);

    TPluginHost &Host() { return m_host; }

    QString CurrentName() const override;
    QString CurrentTitle() const override;
    void ShowStatusText(const QString &text, int tenths, int kind) override;
    void *MediaGraph() const override;
    qint32 SendCommand(qint32 code, qint32 param) override;

private:
    TTavrelApp &m_app;
    TPluginHost m_host;
};
