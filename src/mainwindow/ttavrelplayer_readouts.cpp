// The readout timer (clocks, position, hover time), the status captions and idle cursor hiding.
#include "captionfit.h"
#include "commands/commandcodes.h"
#include "iplayerhost.h"
#include "labelkey.h"
#include "media/filtergraph.h"
#include "media/videowindow.h"
#include "readouts.h"
#include "skinfonts.h"
#include "ttavrelplayer.h"
#include "ttimeline.h"
#include "tvideoarea.h"
#include "tvlabel.h"
#include "tvpanel.h"

#include <QCursor>
#include <QFontMetrics>

namespace {

constexpr int kHoverAgeMax = 10;
constexpr int kHoverAgeVisible = 5;

} // namespace

void TTavrelPlayer::tVisTimer()
{
    if (m_hoverAge < kHoverAgeMax)
        ++m_hoverAge;
    if (pnTime->isVisible() && !m_clockLoadMode)
        SetKeyedCaption(lbTime, Readouts::SmallClock(QTime::currentTime()));
    if (pnTime2->isVisible())
        SetKeyedCaption(lbTime2, Readouts::LargeClock(QTime::currentTime()));
    if (panTimeLine->isVisible() && IsMediaActive() && m_host) {
        const qint32 duration = m_host->SendCommand(Cmd::QueryDuration, 0);
        const qint32 position = m_host->SendCommand(Cmd::QueryPosition, 0);
        SetTimeLine(duration, position);
        SetKeyedCaption(ll, Readouts::Position(position, duration, settings().ShowCurent));
        if (!CursorOver(pl) || m_hoverAge > kHoverAgeVisible)
            l2->hide();
        if (CursorOver(panTimeLine)) {
            m_statusForced = true;
            ShowStatusText(Readouts::Hms(duration), 5, 1);
            m_statusForced = false;
        }
    }
    idleCursorCheck();
}

void TTavrelPlayer::SetTimeLine(int maximum, int position)
{
    m_updatingReadouts = true;
    pl->setMaxValue(qMax(0, maximum));
    // While the user drags, the fill stays under the pointer, not at the last position played.
    if (!pl->IsDragging())
        pl->setProgress(position);
    m_updatingReadouts = false;
}

void TTavrelPlayer::plMouseMove(int value)
{
    if (!IsMediaActive())
        return;
    m_hoverAge = 0;
    SetKeyedCaption(l2, Readouts::Hover(m_themeConfig.PointTransDiv, value));
    l2->move(ll->x() + ll->width(), l2->y());
    l2->show();
}

bool TTavrelPlayer::ClockLoadShowing() const
{
    return m_clockLoadMode && pnTime->isVisible();
}

void TTavrelPlayer::SetClockLoad(const QString &caption)
{
    if (ClockLoadShowing())
        SetKeyedCaption(lbTime, caption);
}

void TTavrelPlayer::ShowStatusText(const QString &text, int tenths, int kind)
{
    m_statusText = text;
    m_statusKind = kind;
    m_statusTenths = tenths;
    if (kind == 2)
        showLargeStatus(text, tenths);
    else
        showSmallStatus(text, tenths);
}

void TTavrelPlayer::showSmallStatus(const QString &text, int tenths)
{
    if (settings().LockStatus && !m_statusForced)
        return;
    const int textWidth = QFontMetrics(lbstatus->font()).horizontalAdvance(text);
    pnStatus->setGeometry(
        CaptionFit::SmallGeometry(textWidth, Glob->width(), pnStatus->y(), pnStatus->height()));
    SetKeyedCaption(lbstatus, text);
    pnStatus->ShowFor(tenths);
}

void TTavrelPlayer::showLargeStatus(const QString &text, int tenths)
{
    if (text.trimmed() != lbStatus2->caption().trimmed() || !pnStatus2->isVisible()) {
        const QString family = QStringLiteral("Times New Roman");
        const auto measure = [&](int height) {
            return QFontMetrics(skinFont(family, -height, true)).horizontalAdvance(text);
        };
        const CaptionFit::TLargeCaption fit = CaptionFit::FitLarge(
            measure, Glob->width(), m_fullScreen, settings().Param_CaptionScale);
        const QFont font = skinFont(family, -fit.fontHeight, true);
        lbStatus2->setFont(font);
        const int height = QFontMetrics(font).height() + 2;
        pnStatus2->setGeometry(CaptionFit::LargeLeft(fit.width, Glob->width()), pnStatus2->y(),
                               fit.width, height);
        SetKeyedCaption(lbStatus2, text);
        lbStatus2->setGeometry(0, 0, fit.width, height);
        KeyOutBackground(lbStatus2);
        pnStatus2->UpdateRegion();
    }
    pnStatus2->ShowFor(tenths);
}

bool TTavrelPlayer::StatusVisible() const
{
    return pnStatus->isVisible() || pnStatus2->isVisible();
}

void TTavrelPlayer::HideStatus()
{
    pnStatus->hide();
    pnStatus2->hide();
}

void TTavrelPlayer::noteMouseActivity(QPoint globalCursor)
{
    if (globalCursor == m_lastCursor && !m_cursorHidden)
        return;
    m_lastCursor = globalCursor;
    m_lastActivity.restart();
    if (m_cursorHidden) {
        m_cursorHidden = false;
        unsetCursor();
        Glob->unsetCursor();
        VideoWin->ShowCursor();
    }
}

void TTavrelPlayer::idleCursorCheck()
{
    if (m_cursorHidden || m_lastActivity.elapsed() < kIdleCursorMs)
        return;
    const TFilterGraph *graph = m_host ? m_host->Graph() : nullptr;
    if (!graph || graph->State() != TFilterGraph::Running)
        return;
    m_cursorHidden = true;
    setCursor(Qt::BlankCursor);
    Glob->setCursor(Qt::BlankCursor);
    VideoWin->HideCursor();
}
