#pragma once

#include "mediadialogs/picturebalance.h"
#include "tvideodialog.h"

class IMediaDialogHost;
class TCloseBox;
class TOrImage;
class TTimeLine;
class TVLabel;

// The picture adjustment window: brightness, contrast and saturation as three
// segmented sliders over the video. Every change of a slider is sent and
// stored at once; the keys move the selection and the selected slider.
class TfmColor : public TVideoDialog
{
    Q_OBJECT

public:
    static constexpr QSize kClientSize{379, 224};

    explicit TfmColor(IMediaDialogHost &host, QWidget *parent = nullptr);

    // Takes the mode, reads the current values and shows the window.
    void Open(PictureBalance::TMode mode);
    PictureBalance::TMode Mode() const { return m_mode; }

    int Selected() const { return m_selected; }
    void Select(int which);
    TTimeLine *Slider(int which) const;
    void SetDefaults();

    TCloseBox *pbClose = nullptr;
    TOrImage *cBrig = nullptr, *cCont = nullptr, *cSat = nullptr;
    TTimeLine *lBrightness = nullptr, *lContrast = nullptr, *lSaturation = nullptr;
    TVLabel *vDefault = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void ApplyColours();
    void SliderChange(int which);

    IMediaDialogHost &m_host;
    PictureBalance::TMode m_mode = PictureBalance::TMode::Decoder;
    int m_selected = 1;
    bool m_loading = false;
};
