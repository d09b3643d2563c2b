// A fault inside a command reaches the one report box; the player goes on.
#include "commands/commandcodes.h"
#include "lang/tlang.h"
#include "playerfixture.h"
#include "terrorreporter.h"
#include "ttavrelapplication.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTimer>
#include <stdexcept>

namespace {

TEST_F(PlayerTest, FaultInACommandIsReportedAndPlaybackGoesOn)
{
    Start({Media("long-120s.mp4")});
    ASSERT_TRUE(WaitFor([this] { return Send(Cmd::QueryState) == 2; }));

    QString caption, body, opened;
    player->ErrorReporter().SetAsk([&](const QString &c, const QString &b) {
        caption = c;
        body = b;
        return true;
    });
    player->ErrorReporter().SetOpenPage([&](const QString &page) { opened = page; });
    auto *app = static_cast<TTavrelApplication *>(QCoreApplication::instance());
    app->SetFaultHandler([this](const QObject *sender, const QString &message) {
        player->ErrorReporter().Report(sender, message);
    });

    constexpr qint32 kFaulty = 9000;
    player->Dispatcher().Bind(kFaulty, [](qint32) -> qint32 { throw std::runtime_error("boom"); });
    QTimer::singleShot(0, player.get(), [this] { Send(kFaulty); });
    ASSERT_TRUE(WaitFor([&] { return !body.isEmpty(); }));

    const TLang &lang = player->Lang();
    EXPECT_EQ(caption, lang.GetLine(134));
    EXPECT_TRUE(body.startsWith(lang.GetLine(131) + QStringLiteral("\n\nboom\nObject:")));
    EXPECT_TRUE(body.endsWith(lang.GetLine(132) + QLatin1Char('\n') + lang.GetLine(133)));
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("boom\nObject:")));
    EXPECT_TRUE(opened.endsWith(QStringLiteral("DOC/ErrReport.htm")));
    EXPECT_EQ(Send(Cmd::QueryState), 2);
    app->SetFaultHandler({});
}

TEST(ErrorReporter, TextsWithAndWithoutSender)
{
    QObject sender;
    EXPECT_EQ(TErrorReporter::ErrorText(nullptr, QStringLiteral("x")), QStringLiteral("x"));
    EXPECT_EQ(TErrorReporter::ErrorText(&sender, QStringLiteral("x")),
              QStringLiteral("x\nObject:QObject"));
}

} // namespace
