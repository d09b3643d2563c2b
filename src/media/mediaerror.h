#pragma once

#include <QString>
#include <cstdint>

typedef struct _GError GError;

// Codes the engine reports for framework failures. They keep the values the
// player's rules compare with (a read error is what a damaged disc gives).
namespace MediaError {
constexpr std::uint32_t Failed = 0x80004005;
constexpr std::uint32_t Aborted = 0x80004004;
constexpr std::uint32_t ReadError = 0x80070001;
constexpr std::uint32_t NotFound = 0x80070002;
constexpr std::uint32_t AccessDenied = 0x80070005;
constexpr std::uint32_t TimedOut = 0x800705B4;
constexpr std::uint32_t UnsupportedStream = 0x80040265;

// The code for a framework error (null gives Failed).
std::uint32_t CodeOf(const GError *error);
// The framework's text for an error, with a fallback when it has none.
QString TextOf(const GError *error);
} // namespace MediaError
