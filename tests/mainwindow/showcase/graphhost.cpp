#include "graphhost.h"

#include "commands/commandcodes.h"
#include "lang/tlang.h"
#include "media/filtergraph.h"

GraphHost::GraphHost(TFilterGraph *graph)
    : m_graph(graph)
{}

bool GraphHost::IsMediaActive() const
{
    const int state = m_graph->State();
    return open && (state == TFilterGraph::Paused || state == TFilterGraph::Running);
}

int GraphHost::AudioStreamCount() const
{
    return m_graph->CountAudioStreams();
}

bool GraphHost::IsStillPicture() const
{
    return m_graph->IsStillPicture();
}

qint32 GraphHost::SendCommand(qint32 code, qint32 param)
{
    switch (code) {
    case Cmd::QueryPosition:
        return static_cast<qint32>(m_graph->ToMediaTime(m_graph->CurrentPosition()) / 10000000);
    case Cmd::QueryDuration:
        return static_cast<qint32>(m_graph->ToMediaTime(m_graph->StopPosition()) / 10000000);
    case Cmd::SeekTo:
        m_graph->SetPositionSeconds(param);
        return 0;
    default:
        return 0;
    }
}

QString GraphHost::Text(int index) const
{
    return TLang::builtInText(index);
}
