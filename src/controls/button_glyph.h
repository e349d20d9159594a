// TButtonGlyph: lays out and draws a glass button's caption and its image-list picture.
#pragma once

#include <windows.h>

#include <string>

#include "controls/glyph_types.h"
#include "controls/image_list.h"
#include "toolkit/canvas.h"

namespace quarnel {

class TButtonGlyph {
public:
    // Lays out in `client` and draws picture then caption; returns the caption's rectangle.
    // State is a TButtonState plus kGlassStateFlag on glass. Throws toolkit::UserError
    // ("Could not allocate memory for image") when a picture's memory cannot be had.
    RECT Draw(toolkit::Canvas& canvas, const RECT& client, POINT offset,
              const std::wstring& caption, TButtonLayout layout, int margin, int spacing,
              std::uint8_t state, bool transparent, UINT biDiFlags, const ImageList* images,
              int imageIndex);
};

} // namespace quarnel
