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

struct Rect32 {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const Rect32&, const Rect32&) = default;
};
struct Point32 {
    std::int32_t x = 0, y = 0;
    friend bool operator==(const Point32&, const Point32&) = default;
};

} // namespace quarnel
