// The arithmetic of the panel's placement: default position from the work area's size and
// the outer window size, the panel being anchored by its bottom edge.
#pragma once

namespace quarnel {

struct DefaultPlace {
    int bottom = 0;
    int left = 0;
};

// Centred in a rectangle of the work area's size at the screen origin: the work area's own
// left and top do not enter.
DefaultPlace DefaultPlacement(int workAreaWidth, int workAreaHeight, int outerWidth,
                              int outerHeight);

} // namespace quarnel
