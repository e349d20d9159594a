// Types shared by the glass button and its glyph object. Portable.
#pragma once

#include <cstdint>

namespace quarnel {

// The look in which caption and picture are drawn.
enum TButtonState : std::uint8_t { bsUp = 0, bsDisabled = 1, bsDown = 2, bsExclusive = 3 };
// Added to the state byte when the button lies on a glass frame.
inline constexpr std::uint8_t kGlassStateFlag = 4;

// Where the picture stands relative to the caption.
enum TButtonLayout : std::uint8_t {
    blGlyphLeft = 0,
    blGlyphRight = 1,
    blGlyphTop = 2,
    blGlyphBottom = 3
};

// Where a glass button's picture goes.
enum TImagePos : std::uint8_t { ipLeft = 0, ipRight = 1, ipTop = 2, ipBottom = 3 };

// DrawText flags that the button hands its glyph object. DT_RIGHT also mirrors the picture's
// side (right-to-left reading).
inline constexpr std::uint32_t kDtRight = 0x2;
inline constexpr std::uint32_t kDtWordBreak = 0x10;
inline constexpr std::uint32_t kDtRtlReading = 0x20000;
inline constexpr std::uint32_t kDtHidePrefix = 0x100000;

// An image list holds a picture at `index` only for 0 <= index < count.
constexpr bool PictureInRange(std::int32_t count, std::int32_t index) {
    return index >= 0 && index < count;
}

struct Rect32 {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const Rect32&, const Rect32&) = default;
};
struct Point32 {
    std::int32_t x = 0, y = 0;
    friend bool operator==(const Point32&, const Point32&) = default;
};

} // namespace quarnel
