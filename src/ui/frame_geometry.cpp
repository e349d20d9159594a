#include "ui/frame_geometry.h"

#include <cmath>

namespace quarnel {

DefaultPlace DefaultPlacement(int workAreaWidth, int workAreaHeight, int outerWidth,
                              int outerHeight) {
    // Computed in floating point and rounded down.
    const double bottom = workAreaHeight / 2.0 + outerHeight / 2.0;
    const double left = workAreaWidth / 2.0 - outerWidth / 2.0;
    return {static_cast<int>(std::floor(bottom)), static_cast<int>(std::floor(left))};
}

} // namespace quarnel
