#include "mediaexception.h"

EMediaException::EMediaException(const QString &engineText, std::uint32_t code)
    : std::runtime_error(FormatMessage(engineText, code).toStdString())
    , m_message(FormatMessage(engineText, code))
    , m_code(code)
{}

QString EMediaException::FormatMessage(const QString &engineText, std::uint32_t code)
{
    return engineText + QStringLiteral(" ($") + QString::number(code, 16).toUpper()
           + QStringLiteral(").");
}
