// Pictures of every control in its states, written to the build folder for people to look at.
#include "../controlstestapp.h"
#include "skinfonts.h"
#include "torimage.h"
#include "ttimeline.h"
#include "tvideopopupmenu.h"
#include "tvlabel.h"
#include "tvmenuitem.h"
#include "tvpanel.h"

#include <QDir>
#include <QEnterEvent>
#include <QPainter>

namespace {

constexpr TColor Key = 0x201008; // the dark colour the panels take over the video

void save(QWidget &widget, const char *name)
{
    QDir().mkpath(QStringLiteral(TAVREL_GALLERY_DIR));
    const QString path = QStringLiteral(TAVREL_GALLERY_DIR "/") + QLatin1String(name);
    const QImage shot = widget.grab().toImage();
    ASSERT_FALSE(shot.isNull());
    ASSERT_TRUE(shot.save(path)) << path.toStdString();
}

TTimeLine *slider(QWidget *host, QRect geometry, TGaugeKind kind, int max, int progress,
                  TColor fore, TColor back)
{
    auto *bar = new TTimeLine(host);
    bar->setGeometry(geometry);
    bar->setKind(kind);
    bar->setMaxValue(max);
    bar->setProgress(progress);
    bar->setForeColor(fore);
    bar->setBackColor(back);
    bar->setColor(Key);
    bar->setAntiAliasLevel(1);
    return bar;
}

// A 32 x 32 icon in the skin's manner: a shape on a magenta field that smoothing keeps sharp.
QImage playIcon()
{
    QImage icon(32, 32, QImage::Format_RGB32);
    icon.fill(qRgb(255, 0, 255));
    QPainter painter(&icon);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 120, 220));
    painter.drawEllipse(2, 2, 28, 28);
    painter.setBrush(QColor(250, 250, 250));
    painter.drawPolygon(QPolygon({QPoint(12, 9), QPoint(24, 16), QPoint(12, 23)}));
    return icon;
}

TVPanel *host(QSize size, TColor colour = Key)
{
    auto *panel = new TVPanel;
    panel->resize(size);
    panel->setColor(colour);
    return panel;
}

} // namespace

TEST(Gallery, Sliders)
{
    std::unique_ptr<TVPanel> panel(host({360, 300}));
    slider(panel.get(), {10, 10, 300, 16}, TGaugeKind::gkHorizontalBar, 3600, 1100, 14994196,
           11114255);
    slider(panel.get(), {10, 34, 300, 16}, TGaugeKind::gkHorizontalBar, 3600, 3600, 14994196,
           11114255);
    slider(panel.get(), {10, 58, 300, 16}, TGaugeKind::gkHorizontalBar, 3600, 0, 14994196,
           11114255);
    for (int i = 0; i < 2; ++i) {
        TTimeLine *bar = slider(panel.get(), {10, 82 + 40 * i, 322, 33},
                                TGaugeKind::gkHorizontalBar, 255, 140, clLime, clGreen);
        bar->setMode(2);
        bar->setMode2Div(51);
        bar->setBackIslessFore(13);
        bar->setSelectForeColor(clRed);
        bar->setSelectBackColor(clMaroon);
        bar->setSelect(i == 1);
    }
    slider(panel.get(), {20, 165, 16, 120}, TGaugeKind::gkVerticalBar, 10000, 6500, 2054884,
           1327269);
    slider(panel.get(), {50, 165, 16, 120}, TGaugeKind::gkVerticalBar, 225, 60, 8317828, 4433172);
    TTimeLine *plain = slider(panel.get(), {80, 165, 16, 120}, TGaugeKind::gkVerticalBar, 10, 7,
                              clWhite, clGray);
    plain->setAntiAliasLevel(0);
    save(*panel, "sliders.png");
}

TEST(Gallery, Buttons)
{
    std::unique_ptr<TVPanel> panel(host({400, 50}, 0x0000A0));
    const char *states[]
        = {"normal", "hover", "grey", "smoothed", "dark", "transparent", "stretched", "centred"};
    int x = 4;
    for (const char *state : states) {
        auto *button = new TOrImage(panel.get());
        button->setGeometry(x, 9, 32, 32);
        button->setPictureOriginal(playIcon());
        const QByteArray name(state);
        if (name == "hover")
            button->setPicLightness(80);
        if (name == "grey")
            button->setPicGrayScale(true);
        if (name == "smoothed")
            button->setPicAntiAlias(3);
        if (name == "dark")
            button->setPicLightness(-120);
        if (name == "transparent")
            button->setTransparent(true);
        if (name == "stretched") {
            button->setGeometry(x, 1, 48, 48);
            button->setStretch(true);
            x += 16;
        }
        if (name == "centred") {
            button->setGeometry(x, 1, 48, 48);
            button->setCenter(true);
        }
        x += 40;
    }
    save(*panel, "buttons.png");
}

TEST(Gallery, Labels)
{
    std::unique_ptr<TVPanel> panel(host({300, 200}));
    auto label = [&](QPoint at, const QFont &font, TColor colour, const QString &text) {
        auto *l = new TVLabel(panel.get());
        l->setFont(font);
        l->setColor(Key);
        l->setFontColor(colour);
        l->setColorShare(clBlack);
        l->move(at);
        l->resize(10, QFontMetrics(font).height() + 2);
        l->setCaption(text);
        return l;
    };
    label({4, 4}, skinFont(QStringLiteral("MS Sans Serif"), -13, true), clAqua,
          QStringLiteral("0:42:17"));
    label({90, 4}, skinFont(QStringLiteral("MS Sans Serif"), -13, true), clAqua,
          QStringLiteral(">1:05:00"))
        ->setAntiAlias(false);
    label({4, 30}, skinFont(QStringLiteral("Arial"), -23, true), clYellow,
          QStringLiteral("23:59:59"));
    label({4, 60}, skinFont(QStringLiteral("Arial"), -53, true), clLime, QStringLiteral("21:07"));
    label({4, 130}, skinFont(QStringLiteral("MS Sans Serif"), -19, true), clRed,
          QStringLiteral("Громкость 40%"));
    label({4, 160}, skinFont(QStringLiteral("MS Sans Serif"), -19, true), clWhite,
          QStringLiteral("<<  OK  >>"))
        ->setFlat(true);
    label({160, 160}, skinFont(QStringLiteral("MS Sans Serif"), -19, true), clWhite,
          QStringLiteral("OK"));
    save(*panel, "labels.png");
}

TEST(Gallery, PanelRegion)
{
    QWidget screen;
    screen.resize(220, 60);
    screen.setAutoFillBackground(true);
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0, 140, 60)); // stands for the picture
    screen.setPalette(palette);
    auto *bar = new TVPanel(&screen);
    bar->setGeometry(10, 10, 200, 40);
    bar->setColor(Key);
    for (int i = 0; i < 3; ++i) {
        auto *button = new TOrImage(bar);
        button->setGeometry(i * 70, i * 4, 32, 32);
        button->setPictureOriginal(playIcon());
    }
    bar->SetRegion(true);
    bar->ShowFor(0);
    save(screen, "panel_region.png");
}

TEST(Gallery, Menus)
{
    QWidget screen;
    screen.resize(520, 240);
    screen.setAutoFillBackground(true);
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(30, 60, 90));
    screen.setPalette(palette);
    auto configure = [&](TVideoPopupMenu &menu, int clearBorder, bool wide) {
        menu.setParentControl(&screen);
        menu.setColor(Key);
        menu.setFontColor(0xC8F0F0);
        menu.setFontColorChecked(clYellow);
        menu.setFontShortCutColor(0xC0C0C0);
        menu.setClearBorder(clearBorder);
        menu.setWide(wide);
        menu.Items()->Add(QStringLiteral("Открыть файл...|Ctrl+O"));
        menu.Items()->Add(QStringLiteral("Открыть DVD"));
        menu.Items()->Add(QStringLiteral("-"));
        menu.Items()->Add(QStringLiteral("Повтор списка"))->setChecked(true);
        menu.Items()->Add(QStringLiteral("Закрыть"))->setEnabled(false);
        menu.Items()->Add(QStringLiteral("-"));
        menu.Items()->Add(QStringLiteral("Выход|Alt+F4"));
    };
    TVideoPopupMenu left;
    configure(left, 1, false);
    left.ShowAt(5, 5);
    TVideoPopupMenu right;
    configure(right, 2, true);
    right.setFontSize(10);
    right.ShowAt(480, 5);
    TVideoPopupMenu empty;
    empty.setParentControl(&screen);
    empty.setColor(Key);
    empty.ShowAt(230, 5);
    // Hover the first row of the left menu and the disabled row of the right one.
    for (QWidget *row : {static_cast<QWidget *>(left.Window()->Rows().at(0)),
                         static_cast<QWidget *>(right.Window()->Rows().at(4))}) {
        QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), row->mapToGlobal(QPointF(3, 3)));
        QApplication::sendEvent(row, &enter);
    }
    save(screen, "menus.png");
}
