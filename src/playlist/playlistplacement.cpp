#include "playlistplacement.h"

#include "settings/settingsrecord.h"

#include <QPainterPath>
#include <QPolygon>

namespace PlayListPlacement {

namespace {

constexpr int kListLeft = 6;
constexpr int kListRightMargin = kDesignClient.width() - kListLeft - 338;
constexpr int kButtonBottomMargin = kDesignClient.height() - 202;

} // namespace

TDockedLook Docked(bool mainFullScreen, const TSettingsRecord &settings)
{
    TDockedLook look;
    if (mainFullScreen) {
        look.size = {settings.playlist_f_width_int, settings.playlist_f_height_int};
        if (settings.FSScale)
            look.list = TListLook{14, 22};
    } else {
        look.size = {settings.playlist_width_int, settings.playlist_height_int};
        look.list = TListLook{10, 16};
    }
    return look;
}

TListLook Floating()
{
    return {10, 16};
}

QRect DockedGeometry(QSize mainClient, QSize own)
{
    return {mainClient.width() / 2 - own.width() / 2, mainClient.height() / 2 - own.height() / 2,
            own.width(), own.height()};
}

QRegion DockedShape(QSize own)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, own.width() + 1, own.height() + 1), kCornerEllipse / 2.0,
                        kCornerEllipse / 2.0);
    return QRegion(path.toFillPolygon().toPolygon());
}

QPoint FirstFloatingPosition(const QRect &mainFrame, QSize own, const QRect &screen)
{
    int left = mainFrame.right() + 1;
    if (left + own.width() - 1 > screen.right())
        left = mainFrame.left() - own.width();
    if (left < screen.left())
        left = screen.right() + 1 - own.width();
    left = qMax(screen.left(), left);
    const int top = qBound(screen.top(), mainFrame.top(),
                           qMax(screen.top(), screen.bottom() + 1 - own.height()));
    return {left, top};
}

QRect ListGeometry(QSize client, bool docked)
{
    const int top = docked ? 25 : 5;
    const int height = client.height() - (docked ? 56 : 38);
    return {kListLeft, top, qMax(0, client.width() - kListLeft - kListRightMargin),
            qMax(0, height)};
}

QRect CloseBoxGeometry(QSize client)
{
    return {client.width() - kCloseBoxWidth, 0, kCloseBoxWidth, kCloseBoxHeight};
}

int ButtonTop(QSize client)
{
    return client.height() - kButtonBottomMargin;
}

} // namespace PlayListPlacement
