#include "tfmcolor.h"

#include "imediadialoghost.h"
#include "skinfonts.h"
#include "torimage.h"
#include "ttimeline.h"
#include "tvlabel.h"

#include <QKeyEvent>

using namespace PictureBalance;

namespace {

constexpr int kSliderLeft = 56;
constexpr int kSliderRightMargin = 40;
constexpr int kSliderHeight = 20;
constexpr int kSegments = 25;
constexpr int kRowTop[] = {40, 96, 152};

} // namespace

TfmColor::TfmColor(IMediaDialogHost &host, QWidget *parent)
    : TVideoDialog(parent)
    , m_host(host)
{
    setObjectName(QStringLiteral("fmColor"));
    resize(kClientSize);

    pbClose = new TCloseBox(this);
    pbClose->setObjectName(QStringLiteral("pbClose"));
    connect(pbClose, &TCloseBox::clicked, this, &QDialog::accept);

    const char *pictureNames[] = {"CBRIG", "CCONT", "CSAT"};
    const char *iconNames[] = {"cBrig", "cCont", "cSat"};
    TOrImage **icons[] = {&cBrig, &cCont, &cSat};
    TTimeLine **sliders[] = {&lBrightness, &lContrast, &lSaturation};
    const char *sliderNames[] = {"lBrightness", "lContrast", "lSaturation"};
    for (int i = 0; i < kSliders; ++i) {
        auto *icon = *icons[i] = new TOrImage(this);
        icon->setObjectName(QLatin1String(iconNames[i]));
        icon->setGeometry(16, kRowTop[i] - 6, 32, 32);
        icon->setTransparent(true);
        icon->setPictureOriginal(m_host.Picture(QLatin1String(pictureNames[i])));

        auto *slider = *sliders[i] = new TTimeLine(this);
        slider->setObjectName(QLatin1String(sliderNames[i]));
        slider->setKind(TGaugeKind::gkHorizontalBar);
        slider->setMode(2);
        slider->setMode2Div(kSegments);
        slider->setAntiAliasLevel(1);
        slider->setProperty("Tag", i + 1);
        const int which = i + 1;
        slider->OnChange = [this, which](TTimeLine *) { SliderChange(which); };
        slider->OnMouseEnter = [this, which](TTimeLine *) { Select(which); };
    }

    vDefault = new TVLabel(this);
    vDefault->setObjectName(QStringLiteral("vDefault"));
    vDefault->setFont(skinFont(QStringLiteral("Arial"), -20, true));
    vDefault->setCaption(QStringLiteral("><"));
    vDefault->setCursor(Qt::PointingHandCursor);
    vDefault->OnClick = [this](QWidget *) { SetDefaults(); };

    ApplyColours();
}

void TfmColor::ApplyColours()
{
    const TPictureColours c = m_host.PictureColours();
    SetFrameColour(toQColor(c.frame));
    pbClose->SetColour(toQColor(c.frame));
    for (int which = 1; which <= kSliders; ++which) {
        TTimeLine *slider = Slider(which);
        slider->setForeColor(c.fore);
        slider->setBackColor(c.back);
        slider->setSelectForeColor(c.selectFore);
        slider->setSelectBackColor(c.selectBack);
    }
    vDefault->setFontColor(c.font);
    vDefault->setColorShare(c.share);
}

void TfmColor::resizeEvent(QResizeEvent *event)
{
    TVideoDialog::resizeEvent(event);
    pbClose->move(width() - TCloseBox::kSize.width(), 0);
    for (int which = 1; which <= kSliders; ++which)
        Slider(which)->setGeometry(kSliderLeft, kRowTop[which - 1],
                                   std::max(10, width() - kSliderLeft - kSliderRightMargin),
                                   kSliderHeight);
    vDefault->move((width() - vDefault->width()) / 2, height() - 40);
}

TTimeLine *TfmColor::Slider(int which) const
{
    switch (which) {
    case kBrightness:
        return lBrightness;
    case kContrast:
        return lContrast;
    default:
        return lSaturation;
    }
}

void TfmColor::Open(TMode mode)
{
    m_mode = mode;
    const QWidget *panel = m_host.VideoPanel();
    resize(WindowWidth(panel ? panel->width() : kDesignWidth), kClientSize.height());
    Select(1);
    const QColor key = m_host.KeyColour();
    SetFillColour(key);
    for (int which = 1; which <= kSliders; ++which)
        Slider(which)->setColor(fromQColor(key));
    vDefault->setColor(fromQColor(key));
    CentreOver(panel);

    // Reading the current values must not send them back.
    m_loading = true;
    for (int which = 1; which <= kSliders; ++which) {
        TTimeLine *slider = Slider(which);
        slider->setMaxValue(Maximum(mode, which));
        slider->setProgress(PositionOf(mode, m_host.PictureValue(mode, which)));
        slider->setStep(Step(mode, which));
    }
    m_loading = false;
    show();
    raise();
    activateWindow();
}

void TfmColor::Select(int which)
{
    m_selected = which;
    for (int i = 1; i <= kSliders; ++i)
        Slider(i)->setSelect(i == which);
}

void TfmColor::SetDefaults()
{
    for (int which = 1; which <= kSliders; ++which)
        Slider(which)->setProgress(DefaultPosition(m_mode, which));
}

void TfmColor::SliderChange(int which)
{
    if (m_loading)
        return;
    m_host.SetPictureValue(m_mode, which, ValueOf(m_mode, Slider(which)->progress()));
}

void TfmColor::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_V:
        accept();
        break;
    case Qt::Key_Up:
        Select(PreviousSlider(m_selected));
        break;
    case Qt::Key_Down:
        Select(NextSlider(m_selected));
        break;
    case Qt::Key_Left:
        Slider(m_selected)->StepDown();
        break;
    case Qt::Key_Right:
        Slider(m_selected)->StepUp();
        break;
    case Qt::Key_Home:
        SetDefaults();
        break;
    default:
        TVideoDialog::keyPressEvent(event);
        return;
    }
    event->accept();
}
