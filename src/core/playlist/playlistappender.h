#pragma once

#include "playlist/tplaylistentry.h"

#include <QStringView>
#include <vector>

class TPlayListModel;

// Adds many entry lines to a model in batches: one change notification per batch
// instead of one per line, and only one batch held outside the list. Whatever was
// added stays added when reading stops half-way; the destructor flushes.
class PlaylistAppender
{
public:
    explicit PlaylistAppender(TPlayListModel &model);
    ~PlaylistAppender();
    PlaylistAppender(const PlaylistAppender &) = delete;
    PlaylistAppender &operator=(const PlaylistAppender &) = delete;

    void add(QStringView line);
    void flush();

private:
    TPlayListModel &m_model;
    std::vector<TPlayListEntry> m_batch;
};
