#pragma once

#include <QString>

// The record attached to every playlist entry. Only bit 0 of IsCurrent is used.
struct TPlayListItemInfo
{
    QString FileName;
    quint8 IsCurrent = 0;
};

// One entry: the shown (and sorted) title, its record, and the list's selection
// flag, which travels with the entry when the list is reordered.
struct TPlayListEntry
{
    QString Title;
    TPlayListItemInfo Info;
    bool Selected = false;
};
