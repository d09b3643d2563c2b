#pragma once

#include "mediadialogs/audiotrackchoice.h"
#include "tvideodialog.h"

class IMediaDialogHost;
class TCloseBox;
class TVLabel;

// The audio track window: a track number with "<<", "OK" and ">>". A file's
// track is changed by opening it again at the same place; a DVD's by its
// navigator, with the track's language in the caption.
class TfmSoundCustom : public TVideoDialog
{
    Q_OBJECT

public:
    static constexpr QSize kClientSize{250, 144};
    static constexpr int kLift = 20;

    explicit TfmSoundCustom(IMediaDialogHost &host, QWidget *parent = nullptr);

    // Prepares the window and shows it (returns at once; the window is modal).
    void Open();

    int Track() const { return m_choice.Track(); }
    QString Caption() const;

    void NextClick();
    void PreviousClick();
    void OkClick();

    TVLabel *lc1 = nullptr;
    TVLabel *VLabel4 = nullptr; // "<<"
    TVLabel *VLabel2 = nullptr; // "OK"
    TVLabel *VLabel3 = nullptr; // ">>"
    TCloseBox *pb1 = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void ShowCaption();

    IMediaDialogHost &m_host;
    TAudioTrackChoice m_choice;
};
