// The virtual-key codes the panel types or looks at, as the platform numbers them.
#pragma once

#include <cstdint>

namespace quarnel {

inline constexpr std::uint8_t kVkReturn = 0x0D;
inline constexpr std::uint8_t kVkShift = 0x10;
inline constexpr std::uint8_t kVkControl = 0x11;
inline constexpr std::uint8_t kVkV = 0x56;

// The modifier keys, left and right.
inline constexpr std::uint8_t kVkLWin = 0x5B, kVkRWin = 0x5C;
inline constexpr std::uint8_t kVkLShift = 0xA0, kVkRShift = 0xA1;
inline constexpr std::uint8_t kVkLControl = 0xA2, kVkRControl = 0xA3;
inline constexpr std::uint8_t kVkLMenu = 0xA4, kVkRMenu = 0xA5;

} // namespace quarnel
