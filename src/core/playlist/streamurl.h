#pragma once

#include <QStringList>
#include <QStringView>

// A playlist entry, argument or dropped name that the media framework reads as
// a network (or file) address rather than a path: it starts with one of the
// schemes http, https, rtsp, rtmp, mms, ftp or file followed by "://" (any
// case). Such an entry is never taken relative to a folder and never looked up
// on disk.
bool IsStreamUrl(QStringView text);
// Those schemes, in lower case.
QStringList StreamUrlSchemes();
