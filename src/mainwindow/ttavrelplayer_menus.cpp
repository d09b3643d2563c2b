// The on-video menus, the picture's context menu and the icons that open them.
#include "commands/commandcodes.h"
#include "input/iconmenus.h"
#include "input/tinputstate.h"
#include "iplayerhost.h"
#include "menus/contextmenu.h"
#include "menus/iconclicks.h"
#include "menus/menurules.h"
#include "menus/videomenus.h"
#include "skinfonts.h"
#include "torimage.h"
#include "ttavrelplayer.h"
#include "tvideoarea.h"
#include "tvideopopupmenu.h"
#include "tvpanel.h"

#include <QGuiApplication>
#include <QMenu>
#include <QScreen>

namespace {

constexpr int kFsMenuFontPoints = 14;
constexpr int kMenuFontPoints = 10;

void applyAppearance(TVideoPopupMenu *popup, const TVideoMenuAppearance &look)
{
    const QString face = QLatin1String(look.fontName);
    popup->setFont(skinFont(face, look.fontHeight));
    popup->setFontShortCut(skinFont(face, look.shortCutFontHeight));
    popup->setFontColor(look.fontColor);
    popup->setFontShortCutColor(look.shortCutFontColor);
    popup->setColor(look.color);
    popup->setGradColor1(look.gradColor1);
    popup->setGradColor2(look.gradColor2);
    popup->setColorBorder(look.colorBorder);
    popup->setFontColorBorder(look.fontColorBorder);
    popup->setFontColorCheckedBorder(look.fontColorCheckedBorder);
    popup->Font_ColorSelectBorder = look.fontColorSelectBorder;
    popup->Font_ColorSelect = look.fontColorSelect;
    popup->setFontColorChecked(look.fontColorChecked);
    popup->setWide(look.wide);
    popup->setClearBorder(look.clearBorder);
}

const TMenuItemDef *itemDefOf(const QAction *action)
{
    return static_cast<const TMenuItemDef *>(action->data().value<const void *>());
}

} // namespace

TVideoPopupMenu *TTavrelPlayer::VideoMenu(TVideoMenu menu) const
{
    switch (menu) {
    case TVideoMenu::pmOpen:
        return pmOpen;
    case TVideoMenu::pmPlay:
        return pmPlay;
    case TVideoMenu::pmProp:
        return pmProp;
    case TVideoMenu::pmPlayList:
        return pmPlayList;
    case TVideoMenu::pmDVDMenu:
        return pmDVDMenu;
    case TVideoMenu::pmHelp:
        return pmHelp;
    case TVideoMenu::pmClose:
        return pmClose;
    case TVideoMenu::pmMonitor:
        return pmMonitor;
    }
    return pmOpen;
}

TMenuState TTavrelPlayer::MenuState() const
{
    TMenuState state;
    state.mediaActive = IsMediaActive();
    state.dvdMode = IsDvdMode();
    state.dvdMenuOnScreen = state.dvdMode && m_host->IsDvdMenuShowing();
    state.fullScreen = m_fullScreen;
    state.topMost = settings().TOPMOST;
    state.audioStreams = m_host ? m_host->AudioStreamCount() : 0;
    state.minimised = isMinimized() || m_minimisedToTray;
    const QList<QScreen *> screens = QGuiApplication::screens();
    state.monitorCount = static_cast<int>(screens.size());
    state.windowMonitor = qMax(0, static_cast<int>(screens.indexOf(screen())));
    if (m_host)
        m_host->AddMenuState(state);
    return state;
}

void TTavrelPlayer::fillVideoMenus()
{
    for (const TVideoMenu menu : kAllVideoMenus) {
        TVideoPopupMenu *popup = VideoMenu(menu);
        applyAppearance(popup, VideoMenuAppearance(menu));
        const std::span<const TMenuItemDef> items = VideoMenuItems(menu);
        for (size_t i = 0; i < items.size(); ++i) {
            const TMenuItemDef &def = items[i];
            TMenuItem *item = popup->Items()->Add(
                QString(), [this, &def](TMenuItem *) { PerformActions({def.action}); });
            item->setObjectName(QLatin1String(def.name));
            item->Tag = static_cast<int>(i);
        }
        popup->OnPopup = [this, menu](TVideoPopupMenu *) { applyVideoMenuRules(menu); };
        applyVideoMenuRules(menu);
    }
}

void TTavrelPlayer::applyVideoMenuRules(TVideoMenu menu)
{
    TVideoPopupMenu *popup = VideoMenu(menu);
    const TVideoMenuOpeningLook look = VideoMenuOpeningLook(settings().FSScale, m_fullScreen);
    popup->setWide(look.wide);
    if (look.fontSize > 0)
        popup->setFontSize(look.fontSize);

    const TMenuState state = MenuState();
    const std::span<const TMenuItemDef> defs = VideoMenuItems(menu);
    const auto textOf = [this](int index) { return text(index); };
    for (int i = 0; i < popup->Items()->Count(); ++i) {
        TMenuItem *item = popup->Items()->Item(i);
        const TMenuItemDef &def = defs[static_cast<size_t>(item->Tag)];
        const TMenuItemState rule = MenuItemState(def.name, state);
        item->setCaption(MenuItemCaption(def, rule, textOf, true));
        item->setVisible(rule.visible);
        item->setEnabled(rule.enabled);
        item->setChecked(rule.checked);
    }
}

void TTavrelPlayer::wireIconMenus()
{
    const struct
    {
        TOrImage *control;
        TMenuIcon icon;
    } icons[] = {
        {iOpen, TMenuIcon::iOpen},   {iPlay, TMenuIcon::iPlay}, {iPlayList, TMenuIcon::iPlayList},
        {iProp, TMenuIcon::iProp},   {iHelp, TMenuIcon::iHelp}, {iFullScr, TMenuIcon::iFullScr},
        {iClose, TMenuIcon::iClose},
    };
    for (const auto &entry : icons) {
        TOrImage *control = entry.control;
        const TMenuIcon icon = entry.icon;
        auto place = [this, control] {
            // The top-left icons hang their menus from the icon bar, which starts at Glob's
            // corner in the design; a bar moved by the layout carries its menus along.
            TIconPlace result;
            result.icon = control->geometry();
            if (control->parentWidget() == panMainMenu)
                result.icon.translate(panMainMenu->pos());
            else
                result.icon.translate(0, panBorderIcons->y());
            result.borderIconsLeft = panBorderIcons->x();
            result.allTop = m_themeConfig.alltop;
            return result;
        };
        control->OnMouseEnter = [this, icon, place](QWidget *) {
            PerformActions(IconMouseEnter(icon, place(), InputState(), settings()));
        };
        control->OnMouseDown
            = [this, icon, place](QWidget *, Qt::MouseButton button, TShiftState, int, int) {
                  PerformActions(IconMouseDown(icon, button, place(), InputState(), settings()));
              };
    }
}

void TTavrelPlayer::buildContextMenu()
{
    PmMain = new QMenu(this);
    PmMain->setObjectName(QStringLiteral("PmMain"));
    fillMenu(PmMain, ContextMenuItems());
    if (QMenu *drives = PmMain->findChild<QMenu *>(QStringLiteral("N36")))
        connect(drives, &QMenu::aboutToShow, this, [this, drives] {
            fillDynamicSubmenu(drives,
                               DriveSubmenu(m_host ? m_host->DriveCaptions() : QStringList()));
        });
    if (QMenu *subtitles = PmMain->findChild<QMenu *>(QStringLiteral("NSubtitles")))
        connect(subtitles, &QMenu::aboutToShow, this, [this, subtitles] {
            const auto textOf = [this](int index) { return text(index); };
            fillDynamicSubmenu(subtitles, m_host ? SubtitleSubmenu(m_host->SubtitleTrackLanguages(),
                                                                   m_host->CurrentSubtitleTrack(),
                                                                   textOf, !IsDvdMode())
                                                 : SubtitleSubmenu({}, 0, textOf));
        });
    connect(PmMain, &QMenu::aboutToShow, this, &TTavrelPlayer::applyContextMenuRules);
    applyContextMenuRules();
}

void TTavrelPlayer::fillMenu(QMenu *menu, std::span<const TMenuItemDef> items)
{
    for (const TMenuItemDef &def : items) {
        QAction *action = def.isSeparator() ? menu->addSeparator() : nullptr;
        if (!action && !def.submenu.empty()) {
            QMenu *submenu = menu->addMenu(QString());
            submenu->setObjectName(QLatin1String(def.name));
            fillMenu(submenu, def.submenu);
            action = submenu->menuAction();
        } else if (!action) {
            action = menu->addAction(QString());
            connect(action, &QAction::triggered, this,
                    [this, &def] { PerformActions({def.action}); });
        }
        action->setObjectName(QLatin1String(def.name));
        action->setData(QVariant::fromValue(static_cast<const void *>(&def)));
    }
}

void TTavrelPlayer::applyContextMenuRules()
{
    applyMenuRules(PmMain);
}

void TTavrelPlayer::applyMenuRules(QMenu *root)
{
    const TMenuState state = MenuState();
    const auto textOf = [this](int index) { return text(index); };
    std::function<void(QMenu *)> apply = [&](QMenu *menu) {
        for (QAction *action : menu->actions()) {
            const TMenuItemDef *def = itemDefOf(action);
            if (!def)
                continue;
            const TMenuItemState rule = MenuItemState(def->name, state);
            action->setVisible(rule.visible);
            action->setEnabled(rule.enabled);
            action->setCheckable(rule.checked);
            action->setChecked(rule.checked);
            if (!def->isSeparator()) {
                QString caption = MenuItemCaption(*def, rule, textOf, false);
                if (def->shortCut)
                    caption += QLatin1Char('\t') + QString::fromUtf16(def->shortCut);
                action->setText(caption);
            }
            if (action->menu())
                apply(action->menu());
        }
    };
    apply(root);
}

void TTavrelPlayer::fillDynamicSubmenu(QMenu *submenu, const std::vector<TDriveMenuItem> &items)
{
    submenu->clear();
    for (const TDriveMenuItem &item : items) {
        QAction *action
            = item.separator ? submenu->addSeparator() : submenu->addAction(item.caption);
        action->setObjectName(item.name);
        action->setEnabled(item.enabled);
        action->setCheckable(item.checked);
        action->setChecked(item.checked);
        if (!item.separator) {
            const TAction run = item.action;
            connect(action, &QAction::triggered, this, [this, run] { PerformActions({run}); });
        }
    }
}
