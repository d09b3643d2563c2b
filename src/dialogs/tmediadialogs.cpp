#include "tmediadialogs.h"

#include "tfmcolor.h"
#include "tfminfo.h"
#include "tfmsoundcustom.h"

TMediaDialogs::TMediaDialogs(IMediaDialogHost &host, QWidget *owner)
    : m_host(host)
    , m_owner(owner)
{}

TMediaDialogs::~TMediaDialogs() = default;

void TMediaDialogs::ShowAudioTracks()
{
    if (!m_sound)
        m_sound = std::make_unique<TfmSoundCustom>(m_host, m_owner);
    m_sound->Open();
}

void TMediaDialogs::ShowPicture(PictureBalance::TMode mode)
{
    if (!m_color)
        m_color = std::make_unique<TfmColor>(m_host, m_owner);
    m_color->Open(mode);
}

void TMediaDialogs::ShowInfo()
{
    if (!m_info)
        m_info = std::make_unique<TfmInfo>(m_host, m_owner);
    m_info->Open();
}
