// The plug-in host: created, loaded and started at the documented moments of start-up,
// told the player's events, and stopped with the player.
#include "media/filtergraph.h"
#include "tappplugins.h"
#include "ttavrelapp.h"
#include "ttavrelplayer.h"

void TTavrelApp::LoadPlugins()
{
    m_plugins = std::make_unique<TAppPlugins>(*this, m_window ? m_window->winId() : 0);
    m_plugins->Host().Load();
}

void TTavrelApp::StartPlugins()
{
    if (m_plugins)
        m_plugins->Host().Start();
}

TPluginHost *TTavrelApp::Plugins() const
{
    return m_plugins ? &m_plugins->Host() : nullptr;
}

void TTavrelApp::NotifyPlugins(int event, int param)
{
    if (!m_plugins)
        return;
    // The graph event carries the pipeline itself.
    const std::intptr_t argument = event == TVL_EVENT_GRAPH_CREATED
                                       ? reinterpret_cast<std::intptr_t>(m_graph->Pipeline())
                                       : param;
    m_plugins->Host().Dispatch(event, argument);
}

void TTavrelApp::PluginKey(int &virtualKey, TInputShift &shift)
{
    if (!m_plugins)
        return;
    int bits = shift.toInt();
    m_plugins->Host().Key(virtualKey, bits);
    shift = TInputShift::fromInt(bits);
}

void TTavrelApp::PluginMouseMove(int &x, int &y, TInputShift &shift, int &cursor)
{
    if (!m_plugins)
        return;
    int bits = shift.toInt();
    m_plugins->Host().MouseMove(x, y, bits, cursor);
    shift = TInputShift::fromInt(bits);
}

void TTavrelApp::PluginWindowEvent(int event)
{
    NotifyPlugins(event);
}
