// The theme of the main window: button pictures, the colour table and "config.ini".
#include "labelkey.h"
#include "themepictures.h"
#include "torimage.h"
#include "ttavrelplayer.h"
#include "ttimeline.h"
#include "tvideoarea.h"
#include "tvideopopupmenu.h"
#include "tvlabel.h"
#include "tvpanel.h"

namespace {

void setSlider(TTimeLine *slider, TColor fore, TColor back)
{
    slider->setForeColor(fore);
    slider->setBackColor(back);
}

void setLabel(TVLabel *label, TColor font, TColor outline)
{
    label->setFontColor(font);
    label->setColorShare(outline);
    KeyOutBackground(label);
}

} // namespace

void TTavrelPlayer::applyDefaultColors()
{
    for (TVPanel *panel : {panMainMenu, panBorderIcons, pnTime, pnStatus2, PanVolume, PanZoom,
                           panTimeLine, pnTime2, pnStatus, pnPlay})
        panel->setColor(kPanelKey);
    for (TTimeLine *slider : {pl, lVolume, lZoom})
        slider->setColor(kPanelKey);
    setSlider(pl, 14994196, 11114255);
    setSlider(lVolume, 2054884, 1327269);
    setSlider(lZoom, 8317828, 4433172);
    for (TVLabel *label : {lbTime, lbStatus2, ll, l2, lbTime2, lbstatus}) {
        label->setColor(kPanelKey);
        KeyOutBackground(label);
    }
}

void TTavrelPlayer::loadPictures(const QString &themeFolder)
{
    TOrImage *const buttons[]
        = {iOpen, iPlay, iPlayList, iProp, iHelp, iMinim, iFullScr, iClose, iVolume, iZoom,
           PPlay, PStop, pFullScr,  pList, pOpen, PPause, pHome,    pNext,  pPrev};
    const auto names = ThemePictures::MainWindowOrder();
    for (size_t i = 0; i < names.size(); ++i) {
        buttons[i]->setPictureOriginal(
            ThemeLoader::LoadThemePicture(themeFolder, QLatin1String(names[i])));
    }
}

void TTavrelPlayer::LoadTheme(const QString &themeFolder)
{
    loadPictures(themeFolder);
    m_colorTable = ThemeLoader::LoadColorTable(themeFolder);
    if (m_colorTable)
        applyColorTable(*m_colorTable);
    m_themeConfig = ThemeLoader::ReadThemeConfig(themeFolder);
}

void TTavrelPlayer::applyColorTable(const TColorTable &t)
{
    setSlider(pl, t.At(0, 0), t.At(1, 0));
    setSlider(lVolume, t.At(3, 0), t.At(4, 0));
    setSlider(lZoom, t.At(6, 0), t.At(7, 0));
    setLabel(ll, t.At(9, 0), t.At(10, 0));
    setLabel(lbstatus, t.At(11, 0), t.At(12, 0));
    setLabel(lbTime, t.At(13, 0), t.At(14, 0));
    setLabel(lbStatus2, t.At(15, 0), t.At(16, 0));
    setLabel(lbTime2, t.At(17, 0), t.At(18, 0));

    // Menus in the table's order; pmDVDMenu shares pmPlayList's colours.
    TVideoPopupMenu *const menus[]
        = {pmOpen, pmPlay, pmPlayList, pmProp, pmHelp, pmMonitor, pmClose};
    for (int i = 0; i < 7; ++i) {
        TVideoPopupMenu *menu = menus[i];
        menu->setFontColor(t.At(2 * i, 1));
        menu->setFontColorBorder(t.At(2 * i + 1, 1));
        menu->setColorBorder(t.At(i, 2));
        if (menu == pmPlayList) {
            pmDVDMenu->setFontColor(t.At(2 * i, 1));
            pmDVDMenu->setFontColorBorder(t.At(2 * i + 1, 1));
            pmDVDMenu->setColorBorder(t.At(i, 2));
        }
    }
    TVideoPopupMenu *const checked[] = {pmProp, pmMonitor, pmClose};
    for (int i = 0; i < 3; ++i) {
        checked[i]->setFontColorChecked(t.At(7 + i, 2));
        checked[i]->setFontColorCheckedBorder(t.At(10 + i, 2));
    }
    if (!t.HasRow3())
        return;
    setLabel(l2, t.At(0, 3), t.At(1, 3));
    for (int i = 0; i < 7; ++i) {
        menus[i]->setGradColor1(t.At(2 + 2 * i, 3));
        menus[i]->setGradColor2(t.At(3 + 2 * i, 3));
        if (menus[i] == pmPlayList) {
            pmDVDMenu->setGradColor1(t.At(2 + 2 * i, 3));
            pmDVDMenu->setGradColor2(t.At(3 + 2 * i, 3));
        }
    }
}
