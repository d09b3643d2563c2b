#include "tfmsoundcustom.h"

#include "imediadialoghost.h"
#include "skinfonts.h"
#include "tvlabel.h"

#include <QKeyEvent>

namespace {

constexpr int kTextTrack = 129;

TVLabel *makeButton(QWidget *parent, const char *name, const QString &caption, int left)
{
    auto *label = new TVLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(skinFont(QStringLiteral("Arial"), -20, true));
    label->setColor(clBlack);
    label->setFontColor(clWhite);
    label->setColorShare(clGray);
    label->setAntiAlias(true);
    label->setFlat(true);
    label->setCursor(Qt::PointingHandCursor);
    label->move(left, 92);
    label->setCaption(caption);
    label->resize(label->width(), 28);
    // Raised while the mouse is over it, flat again when it leaves.
    label->OnMouseEnter = [label](QWidget *) { label->setFlat(false); };
    label->OnMouseLeave = [label](QWidget *) { label->setFlat(true); };
    return label;
}

} // namespace

TfmSoundCustom::TfmSoundCustom(IMediaDialogHost &host, QWidget *parent)
    : TVideoDialog(parent)
    , m_host(host)
{
    setObjectName(QStringLiteral("fmSoundCustom"));
    resize(kClientSize);
    SetFrameColour(QColor(255, 0, 0));
    SetFillColour(Qt::black);

    lc1 = new TVLabel(this);
    lc1->setObjectName(QStringLiteral("lc1"));
    lc1->setFont(skinFont(QStringLiteral("Arial"), -22, true));
    lc1->setColor(clBlack);
    lc1->setFontColor(clYellow);
    lc1->setColorShare(clBlack);
    lc1->move(24, 36);

    VLabel4 = makeButton(this, "VLabel4", QStringLiteral("<<"), 36);
    VLabel2 = makeButton(this, "VLabel2", QStringLiteral("OK"), 108);
    VLabel3 = makeButton(this, "VLabel3", QStringLiteral(">>"), 180);
    VLabel4->OnClick = [this](QWidget *) { PreviousClick(); };
    VLabel2->OnClick = [this](QWidget *) { OkClick(); };
    VLabel3->OnClick = [this](QWidget *) { NextClick(); };

    pb1 = new TCloseBox(this);
    pb1->setObjectName(QStringLiteral("pb1"));
    pb1->SetColour(QColor(255, 0, 0));
    pb1->move(width() - TCloseBox::kSize.width(), 0);
    connect(pb1, &TCloseBox::clicked, this, &QDialog::reject);
}

void TfmSoundCustom::Open()
{
    if (isVisible() || !m_host.IsMediaActive() || m_host.AudioStreamCount() < 1)
        return;
    SetFillColour(m_host.KeyColour());
    CentreOver(m_host.VideoPanel(), kLift);
    m_choice.StartFile();
    if (m_host.IsDvdMode())
        m_choice.StartDvd(m_host.DvdCurrentAudioStream());
    ShowCaption();
    show();
    raise();
    activateWindow();
}

QString TfmSoundCustom::Caption() const
{
    return lc1->caption();
}

void TfmSoundCustom::ShowCaption()
{
    const int track = m_choice.Track();
    const QString caption
        = m_host.IsDvdMode()
              ? AudioTrackText::DvdCaption(track, m_host.DvdAudioLanguageName(track - 1))
              : AudioTrackText::FileCaption(m_host.Text(kTextTrack), track);
    lc1->setCaption(caption);
    // The caption stays centred whatever its width.
    lc1->move((width() - lc1->width()) / 2, lc1->y());
}

void TfmSoundCustom::NextClick()
{
    if (!m_host.IsMediaActive())
        return;
    m_choice.Next(m_host.AudioStreamCount());
    ShowCaption();
}

void TfmSoundCustom::PreviousClick()
{
    if (!m_host.IsMediaActive())
        return;
    m_choice.Previous();
    ShowCaption();
}

void TfmSoundCustom::OkClick()
{
    const int track = m_choice.Track();
    accept();
    if (m_host.IsDvdMode())
        m_host.SelectDvdAudioStream(track - 1);
    else if (m_host.IsMediaActive())
        m_host.ReopenWithAudio(track);
}

void TfmSoundCustom::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Right:
        NextClick();
        break;
    case Qt::Key_Left:
        PreviousClick();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        OkClick();
        break;
    case Qt::Key_Escape:
    case Qt::Key_S:
        m_host.Play();
        reject();
        break;
    default:
        TVideoDialog::keyPressEvent(event);
        return;
    }
    event->accept();
}
