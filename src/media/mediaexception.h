#pragma once

#include <QString>
#include <cstdint>
#include <stdexcept>
#include <string>

// A failure of the media framework: its own error text plus the code that
// identifies the failure, formatted as "<text> ($<CODE>)." for the user.
class EMediaException : public std::runtime_error
{
public:
    EMediaException(const QString &engineText, std::uint32_t code);

    // The text shown to the user, e.g. "Resource not found. ($80070002)."
    const QString &Message() const { return m_message; }
    std::uint32_t ErrorCode() const { return m_code; }

    // "<text> ($<code in upper-case hex>)."
    static QString FormatMessage(const QString &engineText, std::uint32_t code);

private:
    QString m_message;
    std::uint32_t m_code;
};
