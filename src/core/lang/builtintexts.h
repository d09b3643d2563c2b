#pragma once

#include <array>
#include <string_view>

// The built-in language: every user-visible text in index order, without gaps.
// Language files are keyed by these indices, so the order never changes.
struct BuiltInTexts
{
    static constexpr int kCount = 199;
    static const std::array<std::u16string_view, kCount> kTexts;
    // Texts of later additions, numbered on from kCount.
    static constexpr int kAddedCount = 6;
    static const std::array<std::u16string_view, kAddedCount> kAdded;
    static constexpr int kAllCount = kCount + kAddedCount;
};
