#include "mprisplayeradaptor.h"

#include "mprisservice.h"

TMprisPlayerAdaptor::TMprisPlayerAdaptor(TMprisService *service)
    : QDBusAbstractAdaptor(service)
    , m_service(service)
{}

QString TMprisPlayerAdaptor::PlaybackStatus() const
{
    return m_service->PlaybackStatus();
}

QVariantMap TMprisPlayerAdaptor::Metadata() const
{
    m_service->Refresh();
    return m_service->Metadata();
}

double TMprisPlayerAdaptor::Volume() const
{
    return m_service->Volume();
}

void TMprisPlayerAdaptor::SetVolume(double volume)
{
    m_service->SetVolume(volume);
}

qlonglong TMprisPlayerAdaptor::Position() const
{
    return m_service->Position();
}

bool TMprisPlayerAdaptor::CanGoNext() const
{
    m_service->Refresh();
    return m_service->CanGoNext();
}

bool TMprisPlayerAdaptor::CanGoPrevious() const
{
    m_service->Refresh();
    return m_service->CanGoPrevious();
}

bool TMprisPlayerAdaptor::CanPlay() const
{
    m_service->Refresh();
    return m_service->CanPlay();
}

bool TMprisPlayerAdaptor::CanPause() const
{
    m_service->Refresh();
    return m_service->CanPause();
}

bool TMprisPlayerAdaptor::CanSeek() const
{
    m_service->Refresh();
    return m_service->CanSeek();
}

void TMprisPlayerAdaptor::Next()
{
    m_service->Next();
}

void TMprisPlayerAdaptor::Previous()
{
    m_service->Previous();
}

void TMprisPlayerAdaptor::Pause()
{
    m_service->Pause();
}

void TMprisPlayerAdaptor::PlayPause()
{
    m_service->PlayPause();
}

void TMprisPlayerAdaptor::Stop()
{
    m_service->Stop();
}

void TMprisPlayerAdaptor::Play()
{
    m_service->Play();
}

void TMprisPlayerAdaptor::Seek(qlonglong Offset)
{
    m_service->Seek(Offset);
}

void TMprisPlayerAdaptor::SetPosition(const QDBusObjectPath &TrackId, qlonglong Position)
{
    m_service->SetPosition(TrackId, Position);
}

void TMprisPlayerAdaptor::OpenUri(const QString &Uri)
{
    m_service->OpenUri(Uri);
}
