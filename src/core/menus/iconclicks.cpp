#include "iconclicks.h"

#include "commands/commandcodes.h"
#include "settings/settingsrecord.h"

namespace {

constexpr int kPleaseWaitText = 120;

qint32 discSearchParam(const TSettingsRecord &settings)
{
    return settings.MenuIconPlay_Drive ? 2 : 1;
}

TActionList playIconActions(int playbackState, const TSettingsRecord &settings)
{
    TActionList actions{TAction::of(TActionKind::CloseVideoMenus)};
    if (playbackState == 1) {
        actions.push_back(TAction::command(Cmd::Play));
    } else if (playbackState == 2) {
        actions.push_back(TAction::command(Cmd::Pause));
    } else {
        actions.push_back(TAction::make(TActionKind::StatusText, kPleaseWaitText, 5, {}));
        if (settings.MenuIconPlay_CD)
            actions.push_back(TAction::command(Cmd::PlayDisc, discSearchParam(settings)));
        if (settings.MenuIconPlay_PL) {
            TAction playList = TAction::command(Cmd::PlayPause);
            if (settings.MenuIconPlay_CD)
                playList.guard = TActionGuard::UnlessPreviousAnswered1;
            actions.push_back(playList);
        }
    }
    return actions;
}

TActionList afterClosingMenus(TAction action)
{
    return {TAction::of(TActionKind::CloseVideoMenus), action};
}

} // namespace

TActionList PlayDiscActions(const TSettingsRecord &settings)
{
    TAction notFound = TAction::of(TActionKind::DiscNotFoundText);
    notFound.guard = TActionGuard::UnlessPreviousAnswered1;
    return {TAction::command(Cmd::PlayDisc, discSearchParam(settings)), notFound};
}

TActionList IconClickActions(std::string_view control, int playbackState,
                             const TSettingsRecord &settings)
{
    if (control == "iPlay")
        return playIconActions(playbackState, settings);
    if (control == "iPlayList")
        return afterClosingMenus(TAction::command(Cmd::PlaylistOrDvdMenu));
    if (control == "iProp")
        return afterClosingMenus(TAction::command(Cmd::Settings));
    if (control == "iHelp")
        return afterClosingMenus(TAction::command(Cmd::About));
    if (control == "iMinim")
        return {TAction::of(TActionKind::Minimise)};
    if (control == "iFullScr")
        return afterClosingMenus(TAction::command(Cmd::ToggleFullScreen));

    struct TSimpleClick
    {
        std::string_view control;
        TAction action;
    };
    static const TSimpleClick kSimple[] = {
        {"iOpen", TAction::command(Cmd::OpenDialog)},
        {"iClose", TAction::command(Cmd::Exit)},
        {"iVolume", TAction::of(TActionKind::QuickVolume)},
        {"iZoom", TAction::of(TActionKind::ResetZoom)},
        {"PPlay", TAction::command(Cmd::PlayPause)},
        {"PStop", TAction::command(Cmd::Close)},
        {"PPause", TAction::of(TActionKind::FrameStep)},
        {"pHome", TAction::command(Cmd::Restart)},
        {"pPrev", TAction::command(Cmd::Previous)},
        {"pNext", TAction::command(Cmd::Next)},
        {"pOpen", TAction::command(Cmd::OpenDialog)},
        {"pList", TAction::command(Cmd::PlaylistOrDvdMenu)},
        {"pFullScr", TAction::command(Cmd::ToggleFullScreen)},
    };
    for (const TSimpleClick &click : kSimple) {
        if (click.control == control)
            return {click.action};
    }
    return {};
}

int IconHintIndex(std::string_view control)
{
    if (control == "iMinim")
        return 41;
    if (control == "iFullScr")
        return 42;
    if (control == "iClose")
        return 43;
    return -1;
}
