// The heading selector's items and the captions of the eight direction buttons per heading.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quarnel {

inline constexpr int kHeadingCount = 5;

// Item texts of the heading selector, index 0 to 4.
const std::array<std::u16string_view, kHeadingCount>& HeadingItems();

// Captions of Btn_01 .. Btn_08 for a heading 0 to 4; nothing for any other index (no
// selection), when the buttons keep what they show.
std::optional<std::array<std::u16string_view, 8>> DirectionCaptions(int heading);

} // namespace quarnel
