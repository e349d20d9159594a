// Colour and rectangle values of the GDI+ object layer. Portable.
#pragma once

#include <cstdint>

namespace quarnel {

// Alpha in bits 24..31, red 16..23, green 8..15, blue 0..7.
using ARGB = std::uint32_t;

struct TGdipRectF {
    float X = 0, Y = 0, Width = 0, Height = 0;
    friend bool operator==(const TGdipRectF&, const TGdipRectF&) = default;
};

constexpr ARGB MakeColor(std::uint8_t a, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return (ARGB{a} << 24) | (ARGB{r} << 16) | (ARGB{g} << 8) | ARGB{b};
}
constexpr ARGB MakeColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return MakeColor(255, r, g, b);
}
constexpr std::uint8_t GetAlpha(ARGB color) {
    return static_cast<std::uint8_t>(color >> 24);
}
constexpr std::uint8_t GetRed(ARGB color) {
    return static_cast<std::uint8_t>(color >> 16);
}
constexpr std::uint8_t GetGreen(ARGB color) {
    return static_cast<std::uint8_t>(color >> 8);
}
constexpr std::uint8_t GetBlue(ARGB color) {
    return static_cast<std::uint8_t>(color);
}

constexpr TGdipRectF MakeRect(float x, float y, float width, float height) {
    return TGdipRectF{x, y, width, height};
}

} // namespace quarnel
