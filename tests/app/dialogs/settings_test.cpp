// The settings dialog opened through its command: what OK copies into the running player.
#include "../../platform/associations/xdgfolders.h"
#include "../player/playerfixture.h"
#include "commands/commandcodes.h"
#include "tfmproperty.h"
#include "tpluginhost.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

TEST_F(PlayerTest, SettingsCommandOpensTheDialogAndOkActsOnTheRunningPlayer)
{
    TXdgFolders xdg;
    Start();
    QString title;
    quintptr pluginWindow = 0;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *dialog = qobject_cast<TfmProperty *>(widget);
            if (!dialog || !dialog->isVisible())
                continue;
            answer.stop();
            title = dialog->windowTitle();
            if (const TVL_HostTable *table = player->Plugins()->Table())
                pluginWindow = table->settings_window ? table->settings_window() : 0;
            dialog->findChild<QLineEdit *>(QStringLiteral("e6"))->setText(QStringLiteral("25"));
            dialog->findChild<QPushButton *>(QStringLiteral("s3"))->click();
        }
    });
    answer.start(50);
    EXPECT_EQ(Send(Cmd::Settings), 0);
    EXPECT_EQ(title, player->Text(63));
    EXPECT_NE(pluginWindow, 0u);
    EXPECT_EQ(player->Settings().SeekSmall, 25);
    EXPECT_EQ(Stored().value(QStringLiteral("SeekSmall")).toInt(), 25);
}
