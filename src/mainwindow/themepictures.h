#pragma once

#include <QSize>
#include <span>

// The pictures of the skin: their names (the file names of a theme and the built-in resources)
// and built-in sizes.
struct TThemePictureInfo
{
    const char *name;
    QSize size;
    bool themable;
};

namespace ThemePictures {

// Every built-in picture, themable ones first.
std::span<const TThemePictureInfo> All();
// The nineteen pictures of the main window in the order they are loaded.
std::span<const char *const> MainWindowOrder();
// The resource path of a built-in picture.
const char *ResourcePrefix();

} // namespace ThemePictures
