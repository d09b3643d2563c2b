#include "playlistcolors.h"

#include "themeloader.h"

TPlayListColors TPlayListColors::FromTable(const std::optional<TColorTable> &table)
{
    TPlayListColors colors;
    if (!table)
        return colors;
    colors.text = table->At(14, 1);
    colors.textOutline = table->At(15, 1);
    colors.currentText = table->At(16, 1);
    colors.currentOutline = table->At(17, 1);
    colors.frame = table->At(18, 1);
    colors.floatingBackground = table->At(19, 0);
    if (table->HasRow3()) {
        colors.focusedTop = table->At(16, 3);
        colors.focusedBottom = table->At(17, 3);
        colors.unfocusedTop = table->At(18, 3);
        colors.unfocusedBottom = table->At(19, 3);
    }
    return colors;
}
