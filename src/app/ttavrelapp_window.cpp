// The main window and the player: what the window asks of the player, and
// the hooks through which the player's rules reach the window.
#include "appfolder.h"
#include "commands/commandcodes.h"
#include "media/filtergraph.h"
#include "themeloader.h"
#include "ttavrelapp.h"
#include "ttavrelplayer.h"
#include "windowcommands.h"

void TTavrelApp::WireMainWindow()
{
    m_window->SetHost(this);
    m_window->LoadTheme(ThemeLoader::ThemeFolder(AppFolder(), m_settings.Theme_Name));
    // The window owns the rules of full screen, zoom, crop and the clocks; its
    // bindings replace any earlier ones for those codes.
    BindWindowCommands(m_dispatcher, *m_window);
    connect(m_window.get(), &TTavrelPlayer::VolumeBarMoved, this, &TTavrelApp::SetVolumeBar);
}

bool TTavrelApp::IsMediaOpening() const
{
    return m_media.MediaOpen && !IsMediaActive();
}

bool TTavrelApp::IsDvdMenuShowing() const
{
    return IsDvdMode() && m_dispatcher.Dispatch(Cmd::QueryDvdMenu, 0) == 1;
}

QSize TTavrelApp::DvdAspect() const
{
    return {m_media.Info.DvdAspectX, m_media.Info.DvdAspectY};
}

int TTavrelApp::AudioStreamCount() const
{
    return m_media.MediaOpen ? m_media.Info.AudioStreams : 0;
}

bool TTavrelApp::IsStillPicture() const
{
    return m_media.StillPicture;
}

QString TTavrelApp::Text(int index) const
{
    return m_lang.GetLine(index);
}

void TTavrelApp::ShowFirstStartHints(int startCount)
{
    m_window->ShowFirstStartHints(startCount);
}

void TTavrelApp::ShowMainMenuIcons()
{
    m_window->ShowMainMenuIcons();
}

void TTavrelApp::ApplyPictureAsIs()
{
    m_window->ApplyPictureAsIs(true);
}

void TTavrelApp::SetZoomBar(int position)
{
    m_window->SetZoomBar(position);
}
