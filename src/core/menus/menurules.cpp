#include "menurules.h"

#include "lang/tlang.h"

#include <functional>

namespace {

using Rule = std::function<void(const TMenuState &, TMenuItemState &)>;

struct TMenuRule
{
    std::string_view name;
    Rule apply;
};

void mediaEnabled(const TMenuState &s, TMenuItemState &item)
{
    item.enabled = s.mediaActive;
}
void dvdOnly(const TMenuState &s, TMenuItemState &item)
{
    item.visible = s.dvdMode;
}
void nextCaption(const TMenuState &s, TMenuItemState &item)
{
    item.textIndex = s.dvdMode ? 11 : 7;
}
void previousCaption(const TMenuState &s, TMenuItemState &item)
{
    item.textIndex = s.dvdMode ? 12 : 8;
}
void topMostChecked(const TMenuState &s, TMenuItemState &item)
{
    item.checked = s.topMost;
}
void fullScreenChecked(const TMenuState &s, TMenuItemState &item)
{
    item.checked = s.fullScreen;
}
// The two channel items stand for a file with exactly two streams; anything richer
// goes through the audio-track window.
void twoChannelItem(const TMenuState &s, TMenuItemState &item)
{
    item.visible = s.audioStreams == 2 && s.mediaActive && !s.dvdMode;
}

const TMenuRule kRules[] = {
    // pmOpen
    {"N19", mediaEnabled},
    // pmPlay
    {"esc1", mediaEnabled},
    {"nHomeFile", mediaEnabled},
    {"nNext", nextCaption},
    {"nPrev", previousCaption},
    {"N23", dvdOnly},
    {"DVDNextTitle", dvdOnly},
    {"DVDPrevTitle", dvdOnly},
    // pmProp
    {"N4", mediaEnabled},
    {"N10", mediaEnabled},
    {"nColor", mediaEnabled},
    {"nTopMost", topMostChecked},
    {"nSoun1",
     [](const TMenuState &s, TMenuItemState &item) {
         twoChannelItem(s, item);
         item.caption = s.sound1Caption;
     }},
    {"nSoun2",
     [](const TMenuState &s, TMenuItemState &item) {
         twoChannelItem(s, item);
         item.caption = s.sound2Caption;
     }},
    {"nSoundCustom",
     [](const TMenuState &s, TMenuItemState &item) {
         item.visible = s.mediaActive && (s.audioStreams > 2 || s.dvdMode);
     }},
    {"N11", fullScreenChecked},
    // pmPlayList
    {"nRand",
     [](const TMenuState &s, TMenuItemState &item) { item.enabled = s.playlistCount > 1; }},
    // pmHelp
    {"nIrRemote",
     [](const TMenuState &s, TMenuItemState &item) {
         item.visible = s.languageName == QLatin1String("Russian")
                        || s.languageName == QLatin1String("Ukrainian");
     }},
    // pmClose
    {"mShutDownEndFile",
     [](const TMenuState &s, TMenuItemState &item) {
         item.textIndex = s.dvdMode ? 40 : 38;
         item.enabled = s.mediaActive && !s.dvdMenuOnScreen;
         item.checked = s.shutDownAfterFile;
     }},
    {"mShutDownEndList",
     [](const TMenuState &s, TMenuItemState &item) {
         item.enabled = !s.dvdMode && s.playlistCount >= 1;
         item.checked = s.shutDownAfterList;
     }},
    // pmMonitor
    {"monFullScreen", fullScreenChecked},
    {"monTwo",
     [](const TMenuState &s, TMenuItemState &item) {
         item.enabled = s.windowMonitor == 0 && !s.fullScreen && s.monitorCount > 1;
     }},
    // PmMain
    {"N45", nextCaption},
    {"N46", previousCaption},
    {"N73", dvdOnly},
    {"N74", dvdOnly},
    {"DVDmenu1", dvdOnly},
    {"N47", [](const TMenuState &s, TMenuItemState &item) { item.visible = !s.dvdMode; }},
    {"N75", [](const TMenuState &s, TMenuItemState &item) { item.enabled = !s.dvdMode; }},
    {"N35", mediaEnabled},
    {"N59", mediaEnabled},
    {"NSubtitles", mediaEnabled},
    {"N64", topMostChecked},
    {"N65", fullScreenChecked},
    // TrayPopup
    {"nTrayMainMonitor",
     [](const TMenuState &s, TMenuItemState &item) { item.visible = s.windowMonitor == 1; }},
    {"N76", [](const TMenuState &s, TMenuItemState &item) { item.enabled = s.minimised; }},
    {"N30", nextCaption},
    {"N31", previousCaption},
    {"nTrayNextTitle", dvdOnly},
    {"nTrayPrevTitle", dvdOnly},
};

} // namespace

TMenuItemState MenuItemState(std::string_view name, const TMenuState &state)
{
    TMenuItemState item;
    for (const TMenuRule &rule : kRules) {
        if (rule.name == name) {
            rule.apply(state, item);
            break;
        }
    }
    return item;
}

QString MenuItemCaption(const TMenuItemDef &item, const TMenuItemState &itemState,
                        const TLang &lang, bool shortCutColumn)
{
    return MenuItemCaption(
        item, itemState, [&lang](int index) { return lang.GetLine(index); }, shortCutColumn);
}

QString MenuItemCaption(const TMenuItemDef &item, const TMenuItemState &itemState,
                        const std::function<QString(int)> &text, bool shortCutColumn)
{
    if (item.isSeparator())
        return QStringLiteral("-");
    QString caption = itemState.caption;
    if (caption.isEmpty()) {
        const int index
            = itemState.textIndex != TMenuItemDef::kNoText ? itemState.textIndex : item.textIndex;
        if (index != TMenuItemDef::kNoText)
            caption = text(index);
        else if (item.caption)
            caption = QString::fromUtf16(item.caption);
    }
    if (shortCutColumn && item.shortCut)
        caption += QLatin1Char('|') + QString::fromUtf16(item.shortCut);
    return caption;
}
