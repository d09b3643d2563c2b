#pragma once

#include "mediadialogs/picturebalance.h"

#include <memory>

class IMediaDialogHost;
class QWidget;
class TfmColor;
class TfmInfo;
class TfmSoundCustom;

// The media information, picture and audio track windows: each is created on
// its first use and lives as long as this object.
class TMediaDialogs
{
public:
    TMediaDialogs(IMediaDialogHost &host, QWidget *owner);
    ~TMediaDialogs();

    void ShowAudioTracks();
    void ShowPicture(PictureBalance::TMode mode);
    void ShowInfo();

    // Null until first shown.
    TfmSoundCustom *SoundWindow() const { return m_sound.get(); }
    TfmColor *ColorWindow() const { return m_color.get(); }
    TfmInfo *InfoWindow() const { return m_info.get(); }

private:
    IMediaDialogHost &m_host;
    QWidget *m_owner;
    std::unique_ptr<TfmSoundCustom> m_sound;
    std::unique_ptr<TfmColor> m_color;
    std::unique_ptr<TfmInfo> m_info;
};
