#pragma once

#include <stdexcept>
#include <string>

// Raised when a control is given a value it cannot take; the application-wide handler reports it.
class EInvalidOperation : public std::runtime_error
{
public:
    explicit EInvalidOperation(const std::string &message)
        : std::runtime_error(message)
    {}
};
