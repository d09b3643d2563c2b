#include "mprisrootadaptor.h"

#include "mprisservice.h"

TMprisRootAdaptor::TMprisRootAdaptor(TMprisService *service)
    : QDBusAbstractAdaptor(service)
    , m_service(service)
{}

QStringList TMprisRootAdaptor::SupportedMimeTypes() const
{
    return m_service->SupportedMimeTypes();
}

void TMprisRootAdaptor::Raise()
{
    m_service->Raise();
}

void TMprisRootAdaptor::Quit()
{
    m_service->Quit();
}
