// Image lists built pixel by pixel for the picture tests.
#pragma once

#include <windows.h>

#include <functional>

#include "toolkit/win_handles.h"

namespace testing_support {

// A colour, or nothing for a transparent (masked) pixel.
struct ListPixel {
    COLORREF color = 0;
    bool transparent = false;
};

// A one-image ILC_COLOR32 | ILC_MASK list of size x size whose pixels `paint` chooses.
toolkit::UniqueImageList MakeImageList(int size,
                                       const std::function<ListPixel(int x, int y)>& paint);

} // namespace testing_support
