// The wiring between the tables of codes and actions and what runs them in the whole player:
// every command code has a handler, and every action a menu item, icon or key can produce is
// carried out by the window or the application.
#include "../../core/discs/disctestsupport.h"
#include "commands/commandcodes.h"
#include "input/keymap.h"
#include "menus/contextmenu.h"
#include "menus/iconclicks.h"
#include "menus/traymenu.h"
#include "menus/videomenus.h"
#include "playerfixture.h"
#include "settings/settingsrecord.h"
#include "ttavrelplayer.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <set>

namespace {

// Codes whose windows are being built elsewhere. Each list goes when its window lands.
const std::set<qint32> kAwaitingTheirDialogs = {Cmd::Settings};
// Actions whose subsystems are being built elsewhere.
const std::set<TActionKind> kAwaitingTheirSubsystems = {};

bool Awaited(qint32 code)
{
    return kAwaitingTheirDialogs.contains(code);
}

void CollectItems(std::span<const TMenuItemDef> items, std::vector<TAction> &into)
{
    for (const TMenuItemDef &item : items) {
        if (!item.submenu.empty())
            CollectItems(item.submenu, into);
        else if (item.hasAction())
            into.push_back(item.action);
    }
}

// What every menu item, icon and key of the player can ask for.
std::vector<TAction> EveryTableAction()
{
    std::vector<TAction> actions;
    CollectItems(ContextMenuItems(), actions);
    CollectItems(TrayMenuItems(), actions);
    for (const TVideoMenu menu : kAllVideoMenus)
        CollectItems(VideoMenuItems(menu), actions);
    for (const TKeyBinding &binding : KeyBindings())
        actions.push_back(binding.action);
    TSettingsRecord settings;
    for (const bool on : {false, true}) {
        settings.MenuIconPlay_CD = on;
        settings.MenuIconPlay_PL = on;
        for (const char *icon :
             {"iOpen", "iPlay", "iPlayList", "iProp", "iHelp", "iMinim", "iFullScr", "iClose",
              "iVolume", "iZoom", "PPlay", "PStop", "PPause", "pHome", "pPrev", "pNext", "pOpen",
              "pList", "pFullScr"}) {
            for (const int state : {0, 1, 2}) {
                for (const TAction &action : IconClickActions(icon, state, settings))
                    actions.push_back(action);
            }
        }
        for (const TAction &action : PlayDiscActions(settings))
            actions.push_back(action);
    }
    return actions;
}

// Catches the player's report of an action nothing carried out.
QStringList g_unhandled;
QtMessageHandler g_previousHandler = nullptr;

void RecordUnhandled(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("no handler for action")))
        g_unhandled.append(message);
    else if (g_previousHandler)
        g_previousHandler(type, context, message);
}

// Stands in for the desktop, so pages and help are not really opened.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};

class WiringTest : public PlayerTest
{
protected:
    void StartWithoutDrives()
    {
        Start();
        player->SetDriveProvider(std::make_unique<FolderDrives>());
    }
};

TEST_F(WiringTest, EveryCommandCodeHasAHandler)
{
    Start();
    for (const TCommandInfo &info : CommandCodes::all()) {
        if (Awaited(info.code))
            continue;
        EXPECT_TRUE(player->Dispatcher().IsBound(info.code)) << info.code << ' ' << info.name;
    }
}

TEST_F(WiringTest, EveryCommandOfTheMenusKeysAndIconsIsATableCode)
{
    std::set<qint32> table;
    for (const TCommandInfo &info : CommandCodes::all())
        table.insert(info.code);
    for (const TAction &action : EveryTableAction()) {
        if (action.kind == TActionKind::Command) {
            EXPECT_TRUE(table.contains(action.code)) << action.code;
        }
    }
}

TEST_F(WiringTest, EveryOtherActionOfTheMenusKeysAndIconsIsCarriedOut)
{
    StartWithoutDrives();
    UrlRecorder desktop;
    for (const char *scheme : {"file", "http", "https"})
        QDesktopServices::setUrlHandler(QLatin1String(scheme), &desktop, "open");
    // Dialogs and menus that the actions open are closed as soon as they show.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
    closer.start(20);
    g_unhandled.clear();
    g_previousHandler = qInstallMessageHandler(RecordUnhandled);
    std::set<TActionKind> ran;
    for (const TAction &action : EveryTableAction()) {
        if (action.kind == TActionKind::Command || kAwaitingTheirSubsystems.contains(action.kind)
            || !ran.insert(action.kind).second)
            continue;
        player->MainWindow()->PerformActions({action});
        player->MainWindow()->showNormal();
    }
    qInstallMessageHandler(g_previousHandler);
    for (const char *scheme : {"file", "http", "https"})
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    EXPECT_TRUE(g_unhandled.isEmpty()) << g_unhandled.join(QLatin1Char('\n')).toStdString();
    EXPECT_GT(ran.size(), 20u);
}

TEST_F(WiringTest, HelpOpensTheReadMeBesideTheProgramOrSaysItIsMissing)
{
    Start();
    UrlRecorder desktop;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &desktop, "open");
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/DOC");
    const QString page = folder + QStringLiteral("/ReadMe.htm");
    QFile::remove(page);
    player->MainWindow()->PerformActions({TAction::of(TActionKind::Help)});
    EXPECT_FALSE(player->MainWindow()->isMinimized());
    EXPECT_TRUE(desktop.opened.isEmpty());
    EXPECT_TRUE(player->MainWindow()->LastStatusText().endsWith(QLatin1String("DOC/ReadMe.htm")));

    ASSERT_TRUE(QDir().mkpath(folder));
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html></html>");
    file.close();
    player->MainWindow()->PerformActions({TAction::of(TActionKind::Help)});
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QFile::remove(page);
    QDir().rmdir(folder);
    ASSERT_EQ(desktop.opened.size(), 1);
    EXPECT_EQ(desktop.opened.first().toLocalFile(), page);
}

} // namespace

#include "wiring_test.moc"
