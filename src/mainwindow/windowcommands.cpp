#include "windowcommands.h"

#include "commands/commandcodes.h"
#include "commands/tcommanddispatcher.h"
#include "ttavrelplayer.h"
#include "tvpanel.h"

void BindWindowCommands(TCommandDispatcher &dispatcher, TTavrelPlayer &w)
{
    TTavrelPlayer *window = &w;
    auto bind = [&dispatcher](qint32 code, auto action) {
        dispatcher.Bind(code, [action](qint32 param) {
            action(param);
            return 0;
        });
    };
    bind(Cmd::ToggleFullScreen, [window, &dispatcher](qint32) {
        dispatcher.Dispatch(Cmd::SetFullScreen, window->IsFullScreen() ? 0 : 1);
    });
    bind(Cmd::SetFullScreen, [window](qint32 on) {
        if (on == 1 && !window->IsFullScreen()) {
            window->SetFullScreen(true);
        } else if (on == 0 && window->IsFullScreen()) {
            window->pnStatus2->hide();
            window->SetFullScreen(false);
        }
    });
    bind(Cmd::ZoomUp, [window](qint32) { window->ZoomStep(true); });
    bind(Cmd::ZoomDown, [window](qint32) { window->ZoomStep(false); });
    bind(Cmd::FillWindow, [window](qint32) { window->FillHeight(); });
    bind(Cmd::ZoomOrFill, [window](qint32) { window->ZoomOrFill(); });
    bind(Cmd::PictureAsIs, [window](qint32) { window->ApplyPictureAsIs(false); });
    bind(Cmd::ShowTime, [window](qint32 tenths) { window->ShowClock(tenths); });
    bind(Cmd::ShowClock, [window](qint32 tenths) { window->ShowLargeClock(tenths); });
    bind(Cmd::CropMore, [window](qint32) { window->CropMore(); });
    bind(Cmd::CropLess, [window](qint32) { window->CropLess(); });
    bind(Cmd::CloseMenus, [window](qint32) { window->CloseVideoMenus(); });
    bind(Cmd::ToggleTopMost, [window](qint32) { window->ToggleTopMost(); });
    bind(Cmd::Key, [window](qint32 key) { window->TranslateKeyCommand(key); });
    dispatcher.Bind(Cmd::QueryFullScreen,
                    [window](qint32) { return window->IsFullScreen() ? 1 : 0; });
}
