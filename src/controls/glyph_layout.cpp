#include "controls/glyph_layout.h"

namespace quarnel {

namespace {

// Sums and differences wrap like the platform's 32-bit integers instead of overflowing;
// the wrapped value is what gets divided.
std::int32_t Wrap(std::int64_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

void MoveRect(Rect32& rect, std::int64_t dx, std::int64_t dy) {
    rect.left = Wrap(rect.left + dx);
    rect.right = Wrap(rect.right + dx);
    rect.top = Wrap(rect.top + dy);
    rect.bottom = Wrap(rect.bottom + dy);
}

} // namespace

GlyphLayout ComputeLayout(const GlyphLayoutInput& input, const MeasureCaption& measure) {
    TButtonLayout layout = input.layout;
    if ((input.biDiFlags & kTextFlagRight) != 0) {
        if (layout == blGlyphLeft)
            layout = blGlyphRight;
        else if (layout == blGlyphRight)
            layout = blGlyphLeft;
    }

    const Rect32& client = input.client;
    const std::int32_t cw = Wrap(std::int64_t{client.right} - client.left);
    const std::int32_t ch = Wrap(std::int64_t{client.bottom} - client.top);
    const std::int32_t gw = input.glyphWidth;
    const std::int32_t gh = input.glyphHeight;

    GlyphLayout result;
    Rect32& text = result.textBounds;
    if (input.hasCaption)
        text = measure(Rect32{0, 0, cw, 0});
    const std::int32_t tw = Wrap(std::int64_t{text.right} - text.left);
    const std::int32_t th = Wrap(std::int64_t{text.bottom} - text.top);

    Point32& glyph = result.glyphPos;
    Point32 textPos;
    const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
    if (horizontal) {
        glyph.y = Wrap(std::int64_t{ch} - gh + 1) / 2;
        textPos.y = Wrap(std::int64_t{ch} - th + 1) / 2;
    } else {
        glyph.x = Wrap(std::int64_t{cw} - gw + 1) / 2;
        textPos.x = Wrap(std::int64_t{cw} - tw + 1) / 2;
    }

    std::int32_t margin = input.margin;
    std::int32_t spacing = input.spacing;
    // Without one of the two there is no gap between them, in any layout.
    if (tw == 0 || gw == 0)
        spacing = 0;

    const std::int64_t a = horizontal ? cw : ch;
    const std::int64_t g = horizontal ? gw : gh;
    const std::int64_t t = horizontal ? tw : th;
    if (margin == -1) {
        if (spacing < 0) {
            // Picture, caption and the three gaps share the space.
            margin = Wrap(a - (g + t)) / 3;
            spacing = margin;
        } else {
            // The group is centred.
            margin = Wrap(a - (g + spacing + t) + 1) / 2;
        }
    } else if (spacing < 0) {
        spacing = Wrap(a - (margin + g) - t) / 2;
    }

    switch (layout) {
    case blGlyphLeft:
        glyph.x = margin;
        textPos.x = Wrap(std::int64_t{glyph.x} + gw + spacing);
        break;
    case blGlyphRight:
        glyph.x = Wrap(std::int64_t{cw} - margin - gw);
        textPos.x = Wrap(std::int64_t{glyph.x} - spacing - tw);
        break;
    case blGlyphTop:
        glyph.y = margin;
        textPos.y = Wrap(std::int64_t{glyph.y} + gh + spacing);
        break;
    case blGlyphBottom:
        glyph.y = Wrap(std::int64_t{ch} - margin - gh);
        textPos.y = Wrap(std::int64_t{glyph.y} - spacing - th);
        break;
    }

    glyph.x = Wrap(std::int64_t{glyph.x} + client.left);
    glyph.y = Wrap(std::int64_t{glyph.y} + client.top);
    MoveRect(text, std::int64_t{textPos.x} + client.left, std::int64_t{textPos.y} + client.top);
    if (!input.visualStylesActive)
        MoveRect(text, input.offset.x, input.offset.y);
    return result;
}

} // namespace quarnel
