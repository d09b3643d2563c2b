#include "playlistappender.h"

#include "playlist/entryline.h"
#include "playlist/tplaylistmodel.h"

namespace {
constexpr size_t kBatchSize = 4096;
}

PlaylistAppender::PlaylistAppender(TPlayListModel &model)
    : m_model(model)
{
    m_batch.reserve(kBatchSize);
}

PlaylistAppender::~PlaylistAppender()
{
    flush();
}

void PlaylistAppender::add(QStringView line)
{
    std::optional<TPlayListEntry> entry = EntryLine::makeEntry(line, {}, m_model.AppFolder());
    if (!entry)
        return;
    m_batch.push_back(std::move(*entry));
    if (m_batch.size() >= kBatchSize)
        flush();
}

void PlaylistAppender::flush()
{
    m_model.AppendEntries(std::move(m_batch));
    m_batch.clear();
}
