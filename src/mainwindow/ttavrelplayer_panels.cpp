// Building the floating panels and their controls, and wiring them to the panel rules.
#include "commands/commandcodes.h"
#include "iplayerhost.h"
#include "labelkey.h"
#include "media/filtergraph.h"
#include "menus/iconclicks.h"
#include "readouts.h"
#include "skinfonts.h"
#include "torimage.h"
#include "ttavrelplayer.h"
#include "ttimeline.h"
#include "tvideoarea.h"
#include "tvideopopupmenu.h"
#include "tvlabel.h"
#include "tvpanel.h"
#include "videogeometry.h"

#include <QCursor>

namespace {

TVPanel *makePanel(QWidget *parent, const char *name, QRect geometry, int timeOut, bool region)
{
    auto *panel = new TVPanel(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setGeometry(geometry);
    panel->setTimeOut(timeOut);
    panel->SetRegion(region);
    // The panels are see-through: only their controls are drawn over the picture.
    panel->OnWMERASEBKGND = [](TVPanel *, bool &handled) { handled = true; };
    panel->hide();
    return panel;
}

TOrImage *makeButton(TVPanel *panel, const char *name, int left, int size = 32)
{
    auto *button = new TOrImage(panel);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(left, 0, size, size);
    button->setStretch(true);
    button->setTransparent(true);
    button->setPicAntiAlias(1);
    return button;
}

TVLabel *makeLabel(TVPanel *panel, const char *name, QRect geometry, const QFont &font,
                   TColor colour, const QString &caption)
{
    auto *label = new TVLabel(panel);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->setGeometry(geometry);
    label->setFontColor(colour);
    label->setColorShare(clBlack);
    label->setCaption(caption);
    label->resize(label->width(), geometry.height());
    return label;
}

TTimeLine *makeSlider(QWidget *parent, const char *name, QRect geometry, TGaugeKind kind,
                      int maximum, int step)
{
    auto *slider = new TTimeLine(parent);
    slider->setObjectName(QLatin1String(name));
    slider->setGeometry(geometry);
    slider->setKind(kind);
    slider->setMaxValue(maximum);
    slider->setStep(step);
    slider->setAntiAliasLevel(1);
    // Every bar of the window is dragged with the left button; other buttons only report.
    slider->ToChangeMouseMove = true;
    slider->MouseShift = TInputFlag::Left;
    return slider;
}

} // namespace

void TTavrelPlayer::createPanels()
{
    const TPanelLayout d = TPanelLayout::Design();
    const QString form = QStringLiteral("MS Sans Serif");

    panMainMenu = makePanel(Glob, "panMainMenu", d.panMainMenu, 100, false);
    iOpen = makeButton(panMainMenu, "iOpen", 0);
    iPlay = makeButton(panMainMenu, "iPlay", 32);
    iPlayList = makeButton(panMainMenu, "iPlayList", 64);
    iProp = makeButton(panMainMenu, "iProp", 96);
    iHelp = makeButton(panMainMenu, "iHelp", 128);

    panBorderIcons = makePanel(Glob, "panBorderIcons", d.panBorderIcons, 100, false);
    iMinim = makeButton(panBorderIcons, "iMinim", 0);
    iFullScr = makeButton(panBorderIcons, "iFullScr", 32);
    iClose = makeButton(panBorderIcons, "iClose", 64);

    pnTime = makePanel(Glob, "pnTime", d.pnTime, 100, false);
    lbTime = makeLabel(pnTime, "lbTime", QRect(0, -4, 92, 27),
                       skinFont(QStringLiteral("Arial"), -23, true), clYellow,
                       QStringLiteral("00:00:00"));
    // The clock panel follows its label's width whenever the label changes.
    pnTime->OnPaint = [this](TVPanel *) {
        if (pnTime->width() != lbTime->width() || lbTime->pos() != QPoint(0, -3)) {
            lbTime->move(0, -3);
            pnTime->resize(lbTime->width(), pnTime->height());
        }
    };

    pnStatus2 = makePanel(Glob, "pnStatus2", d.pnStatus2, 100, true);
    lbStatus2
        = makeLabel(pnStatus2, "lbStatus2", QRect(0, 0, 81, 30),
                    skinFont(QStringLiteral("Times New Roman"), -28, true), clWhite, QString());

    PanVolume = makePanel(Glob, "PanVolume", d.PanVolume, 1, true);
    iVolume = makeButton(PanVolume, "iVolume", 0);
    lVolume = makeSlider(PanVolume, "lVolume", QRect(7, 32, 16, 237), TGaugeKind::gkVerticalBar,
                         10000, 500);

    PanZoom = makePanel(Glob, "PanZoom", d.PanZoom, 100, true);
    iZoom = makeButton(PanZoom, "iZoom", 0);
    lZoom = makeSlider(PanZoom, "lZoom", QRect(7, 32, 16, 194), TGaugeKind::gkVerticalBar,
                       VideoGeometry::kZoomSliderMax, 1);
    // Every opened medium starts with the picture as is (slider 25, zoom 0); starting there
    // also places a picture correctly for a player that does not reset it.
    lZoom->setProgress(VideoGeometry::kZoomSliderOffset);

    panTimeLine = makePanel(Glob, "panTimeLine", d.panTimeLine, 1, false);
    // The position readouts sit at the top of the panel, above the slider; a slightly larger
    // font than the form's keeps them readable over a moving picture.
    const QFont lineFont = skinFont(form, -13, true);
    ll = makeLabel(panTimeLine, "ll", QRect(1, 0, 38, 18), lineFont, clAqua,
                   QStringLiteral("0:00:00"));
    l2 = makeLabel(panTimeLine, "l2", QRect(69, 0, 44, 18), lineFont, clWhite,
                   QStringLiteral(">0:00:00"));
    l2->hide();
    pl = makeSlider(panTimeLine, "pl", QRect(0, 20, d.panTimeLine.width(), 16),
                    TGaugeKind::gkHorizontalBar, 0, 5);
    panTimeLine->OnPaint = [this](TVPanel *) {
        if (l2->x() != ll->x() + ll->width())
            l2->move(ll->x() + ll->width(), l2->y());
    };

    pnTime2 = makePanel(Glob, "pnTime2", d.pnTime2, 100, true);
    lbTime2
        = makeLabel(pnTime2, "lbTime2", QRect(0, -9, 133, 62),
                    skinFont(QStringLiteral("Arial"), -53, true), clLime, QStringLiteral("00:00"));

    pnStatus = makePanel(Glob, "pnStatus", d.pnStatus, 100, false);
    lbstatus = makeLabel(pnStatus, "lbstatus", QRect(0, 0, 38, 24), skinFont(form, -19, true),
                         clRed, QString());

    pnPlay = makePanel(Glob, "pnPlay", d.pnPlay, 100, false);
    PPlay = makeButton(pnPlay, "PPlay", 0);
    PStop = makeButton(pnPlay, "PStop", 32);
    PPause = makeButton(pnPlay, "PPause", 64);
    pHome = makeButton(pnPlay, "pHome", 96);
    pPrev = makeButton(pnPlay, "pPrev", 128);
    pNext = makeButton(pnPlay, "pNext", 160);
    pOpen = makeButton(pnPlay, "pOpen", 192);
    pList = makeButton(pnPlay, "pList", 224);
    pFullScr = makeButton(pnPlay, "pFullScr", 256);

    RaisePanels();
}

void TTavrelPlayer::createMenus()
{
    auto make = [this](const char *name) {
        auto *menu = new TVideoPopupMenu(this);
        menu->setObjectName(QLatin1String(name));
        menu->setParentControl(Glob);
        return menu;
    };
    pmOpen = make("pmOpen");
    pmPlay = make("pmPlay");
    pmPlayList = make("pmPlayList");
    pmProp = make("pmProp");
    pmHelp = make("pmHelp");
    pmDVDMenu = make("pmDVDMenu");
    pmClose = make("pmClose");
    pmMonitor = make("pmMonitor");
}

TVPanel *TTavrelPlayer::panelOf(TPanelId id) const
{
    switch (id) {
    case TPanelId::panMainMenu:
        return panMainMenu;
    case TPanelId::panBorderIcons:
        return panBorderIcons;
    case TPanelId::pnTime:
        return pnTime;
    case TPanelId::pnStatus2:
        return pnStatus2;
    case TPanelId::PanVolume:
        return PanVolume;
    case TPanelId::PanZoom:
        return PanZoom;
    case TPanelId::panTimeLine:
        return panTimeLine;
    case TPanelId::pnTime2:
        return pnTime2;
    case TPanelId::pnStatus:
        return pnStatus;
    case TPanelId::pnPlay:
        return pnPlay;
    }
    return nullptr;
}

void TTavrelPlayer::wirePanelRules()
{
    const TPanelId ids[] = {TPanelId::panMainMenu, TPanelId::panBorderIcons, TPanelId::pnTime,
                            TPanelId::pnStatus2,   TPanelId::PanVolume,      TPanelId::PanZoom,
                            TPanelId::panTimeLine, TPanelId::pnTime2,        TPanelId::pnStatus,
                            TPanelId::pnPlay};
    for (const TPanelId id : ids) {
        TVPanel *panel = panelOf(id);
        panel->OnShow = [this, id](TVPanel *, bool &cancel) {
            cancel = PanelShowVetoed(id, panelContext(), settings());
        };
        panel->OnHide = [this, id](TVPanel *, bool &cancel) {
            cancel = PanelHideVetoed(id, panelContext(), settings());
        };
        // Moving over a panel keeps the panels under the cursor up, as moving over the picture.
        panel->OnMouseMove
            = [this](QWidget *, TShiftState, int, int) { ShowPanelsForMouse(QCursor::pos()); };
    }
    auto baseShow = pnTime->OnShow;
    pnTime->OnShow = [this, baseShow](TVPanel *sender, bool &cancel) {
        baseShow(sender, cancel);
        if (!cancel && !m_clockLoadMode)
            SetKeyedCaption(lbTime, Readouts::SmallClock(QTime::currentTime()));
    };

    // Moving over a control keeps its panel up for another full time-out.
    auto restartOnMove = [this](TMouseControl *control, TVPanel *panel) {
        control->OnMouseMove = [this, panel](QWidget *, TShiftState, int, int) {
            noteMouseActivity(QCursor::pos());
            panel->RestartHideTimer();
        };
    };
    for (TOrImage *icon : {iOpen, iPlay, iPlayList, iProp, iHelp})
        restartOnMove(icon, panMainMenu);
    for (TOrImage *icon : {iMinim, iFullScr, iClose})
        restartOnMove(icon, panBorderIcons);
    for (TOrImage *button : {PPlay, PStop, PPause, pHome, pPrev, pNext, pOpen, pList, pFullScr})
        restartOnMove(button, pnPlay);
    pl->OnMouseMove = [this](TTimeLine *, TShiftState, int, int, int value) {
        noteMouseActivity(QCursor::pos());
        panTimeLine->RestartHideTimer();
        plMouseMove(value);
    };
    lZoom->OnMouseMove = [this](TTimeLine *, TShiftState, int, int, int) {
        noteMouseActivity(QCursor::pos());
        PanZoom->RestartHideTimer();
    };
    lVolume->OnMouseMove = [this](TTimeLine *, TShiftState, int, int, int) {
        noteMouseActivity(QCursor::pos());
        PanVolume->RestartHideTimer();
    };
}

void TTavrelPlayer::wireButtons()
{
    for (TOrImage *control :
         {iOpen, iPlay, iPlayList, iProp, iHelp, iMinim, iFullScr, iClose, iVolume, iZoom, PPlay,
          PStop, PPause, pHome, pPrev, pNext, pOpen, pList, pFullScr}) {
        control->OnClick = [this, control](QWidget *) {
            const QByteArray name = control->objectName().toLatin1();
            // Only the play icon looks at the playback state; ask only for it.
            const int state
                = control == iPlay && m_host ? m_host->SendCommand(Cmd::QueryState, 0) : 0;
            PerformActions(IconClickActions(std::string_view(name.constData(), name.size()), state,
                                            settings()));
        };
    }

    // Clock: a left click flips time of day and processor load, a right press pins it.
    auto clockDown = [this](QWidget *, Qt::MouseButton button, TShiftState, int, int) {
        if (button == Qt::LeftButton)
            m_clockLoadMode = !m_clockLoadMode;
        else if (button == Qt::RightButton)
            m_clockPinned = !m_clockPinned;
    };
    pnTime->OnMouseDown = clockDown;
    lbTime->OnMouseDown = clockDown;
    ll->OnClick = [this](QWidget *) {
        if (m_host)
            m_host->MutableSettings().ShowCurent = !m_host->MutableSettings().ShowCurent;
        else
            m_defaultSettings.ShowCurent = !m_defaultSettings.ShowCurent;
    };

    lVolume->OnChange = [this](TTimeLine *) {
        if (!m_settingVolume)
            emit VolumeBarMoved(lVolume->progress());
    };
    lZoom->OnChange = [this](TTimeLine *) { lZoomChange(); };
}
