// Where a button's picture and caption go inside the rectangle handed to the glyph object.
// Portable: the caption is measured by the caller's text engine, passed in as a callback.
#pragma once

#include <cstdint>
#include <functional>

#include "controls/glyph_types.h"

namespace quarnel {

// Measures the caption in `bounds` (0, 0, client width, 0) and returns its extent, as the
// platform's calculate-only text drawing does.
using MeasureCaption = std::function<Rect32(Rect32 bounds)>;

struct GlyphLayoutInput {
    Rect32 client;
    Point32 offset;
    TButtonLayout layout = blGlyphLeft;
    std::int32_t margin = -1;  // -1: computed
    std::int32_t spacing = -1; // -1 (any negative): computed
    std::uint32_t biDiFlags = 0;
    // The picture's size; (0, 0) when there is none.
    std::int32_t glyphWidth = 0;
    std::int32_t glyphHeight = 0;
    bool hasCaption = false;
    // Without visual styles the caption moves by `offset` (the pressed look).
    bool visualStylesActive = true;
};

struct GlyphLayout {
    Point32 glyphPos;
    Rect32 textBounds;
};

// `measure` is called only when the input has a caption.
GlyphLayout ComputeLayout(const GlyphLayoutInput& input, const MeasureCaption& measure);

} // namespace quarnel
