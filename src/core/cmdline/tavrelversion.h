#pragma once

// The version as the about box, the update reminder, plug-ins and `--version` show it.
namespace TavrelVersion {
inline constexpr const char *kText = "0.6.1 beta 2";
} // namespace TavrelVersion
