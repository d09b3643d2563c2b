#pragma once

#include <QStringList>

// The MIME types of the media masks as the desktop names them: what the installed desktop
// entry and the media-player service on the bus say the player opens. DVD folders are
// offered as x-content/video-dvd.
QStringList MediaMimeTypes();
