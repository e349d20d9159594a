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
    if ((input.biDiFlags & kDtRight) != 0) {
        if (layout == blGlyphLeft)
            layout = blGlyphRight;
        else if (layout == blGlyphRight)
            layout = blGlyphLeft;
    }

    const Rect32& client = input.client;
    const std::int32_t clientWidth = Wrap(std::int64_t{client.right} - client.left);
    const std::int32_t clientHeight = Wrap(std::int64_t{client.bottom} - client.top);

    GlyphLayout result;
    Rect32& text = result.textBounds;
    if (input.hasCaption)
        text = measure(Rect32{0, 0, clientWidth, 0});
    const std::int32_t textWidth = Wrap(std::int64_t{text.right} - text.left);
    const std::int32_t textHeight = Wrap(std::int64_t{text.bottom} - text.top);

    // The main axis runs from picture to caption; the cross axis centres both.
    const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
    const std::int32_t mainLength = horizontal ? clientWidth : clientHeight;
    const std::int32_t crossLength = horizontal ? clientHeight : clientWidth;
    const std::int32_t glyphMainSize = horizontal ? input.glyphWidth : input.glyphHeight;
    const std::int32_t glyphCrossSize = horizontal ? input.glyphHeight : input.glyphWidth;
    const std::int32_t textMainSize = horizontal ? textWidth : textHeight;
    const std::int32_t textCrossSize = horizontal ? textHeight : textWidth;

    Point32& glyph = result.glyphPos;
    Point32 textPos;
    std::int32_t& glyphMain = horizontal ? glyph.x : glyph.y;
    std::int32_t& glyphCross = horizontal ? glyph.y : glyph.x;
    std::int32_t& textMain = horizontal ? textPos.x : textPos.y;
    std::int32_t& textCross = horizontal ? textPos.y : textPos.x;
    glyphCross = Wrap(std::int64_t{crossLength} - glyphCrossSize + 1) / 2;
    textCross = Wrap(std::int64_t{crossLength} - textCrossSize + 1) / 2;

    std::int32_t margin = input.margin;
    std::int32_t spacing = input.spacing;
    // Without one of the two there is no gap between them, in any layout.
    if (textWidth == 0 || input.glyphWidth == 0)
        spacing = 0;

    const std::int64_t room = mainLength;
    if (margin == -1) {
        if (spacing < 0) {
            // Picture, caption and the three gaps share the space.
            margin = Wrap(room - (std::int64_t{glyphMainSize} + textMainSize)) / 3;
            spacing = margin;
        } else {
            // The group is centred.
            margin = Wrap(room - (std::int64_t{glyphMainSize} + spacing + textMainSize) + 1) / 2;
        }
    } else if (spacing < 0) {
        spacing = Wrap(room - (std::int64_t{margin} + glyphMainSize) - textMainSize) / 2;
    }

    const bool glyphFirst = layout == blGlyphLeft || layout == blGlyphTop;
    if (glyphFirst) {
        glyphMain = margin;
        textMain = Wrap(std::int64_t{glyphMain} + glyphMainSize + spacing);
    } else {
        glyphMain = Wrap(room - margin - glyphMainSize);
        textMain = Wrap(std::int64_t{glyphMain} - spacing - textMainSize);
    }

    glyph.x = Wrap(std::int64_t{glyph.x} + client.left);
    glyph.y = Wrap(std::int64_t{glyph.y} + client.top);
    MoveRect(text, std::int64_t{textPos.x} + client.left, std::int64_t{textPos.y} + client.top);
    if (!input.visualStylesActive)
        MoveRect(text, input.offset.x, input.offset.y);
    return result;
}

} // namespace quarnel
