// TButtonGlyph: lays out and draws a glass button's caption and its image-list picture.
#pragma once

#include <windows.h>

#include <string>

#include "controls/glyph_types.h"
#include "controls/image_list.h"
#include "toolkit/canvas.h"

namespace quarnel {

// What one Draw lays out and paints; filled with designated initialisers.
struct GlyphRequest {
    RECT client{};          // the rectangle to lay out in
    POINT captionShift{};   // moves the caption while visual styles are off (the pressed look)
    std::wstring caption{}; // "&" marks a mnemonic; "\r\n" breaks the line
    TButtonLayout layout = blGlyphLeft; // where the picture stands relative to the caption
    int spacing = 4;           // pixels between picture and caption; negative: shared out evenly
    int margin = -1;           // the picture's distance from the client edge; -1: centred
    std::uint8_t state = bsUp; // a TButtonState, plus kGlassStateFlag on glass
    UINT textFlags = 0;        // DrawTextW flags: DT_RIGHT, DT_RTLREADING, DT_HIDEPREFIX, ...
    const ImageList* images = nullptr; // not owned; no picture without a list
    int imageIndex = -1;
};

class TButtonGlyph {
public:
    // Lays out in `request.client` and draws picture then caption with the canvas's font;
    // returns the caption's rectangle. Throws toolkit::UserError ("Could not allocate memory
    // for image") when a picture's memory cannot be had.
    RECT Draw(toolkit::Canvas& canvas, const GlyphRequest& request);
};

} // namespace quarnel
