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

void ApplyStartGeometry(FrameWindow& window, const SettingsImage& settings, WorkAreaSize workArea,
                        const std::function<void(int heading)>& setHeading) {
    if (!settings.ReadBool(kSystemSection, kShowTitleBarKey, true))
        window.SetFramed(false);
    window.SetClientHeight(
        settings.ReadInteger(kSystemSection, kClientHeightKey, kDefaultClientHeight));
    window.SetClientWidth(
        settings.ReadInteger(kSystemSection, kClientWidthKey, kDefaultClientWidth));
    setHeading(settings.ReadInteger(kSystemSection, kHeadingKey, kDefaultHeading));
    const DefaultPlace place =
        DefaultPlacement(workArea.width, workArea.height, window.Width(), window.Height());
    // Anchored by the bottom edge: a taller window or a title bar grows upwards.
    window.SetTop(settings.ReadInteger(kSystemSection, kBottomKey, place.bottom) - window.Height());
    window.SetLeft(settings.ReadInteger(kSystemSection, kLeftKey, place.left));
}

SavedGeometry CurrentGeometry(const FrameWindow& window, int heading) {
    return {window.Top() + window.Height(), window.Left(), window.ClientWidth(),
            window.ClientHeight(), heading};
}

FrameOffsets BorderlessOffsets(int cyFrame, int cyCaption) {
    return {cyFrame, cyCaption + cyFrame};
}

void EnterBorderless(FrameWindow& window, BorderlessState& state, FrameOffsets offsets) {
    state.savedClientWidth = window.ClientWidth();
    state.savedClientHeight = window.ClientHeight();
    state.offsets = offsets;
    window.SetFramed(false);
    window.SetWidth(state.savedClientWidth);
    window.SetHeight(state.savedClientHeight);
    window.SetTop(window.Top() + offsets.caption);
    window.SetLeft(window.Left() + offsets.frame);
}

void LeaveBorderless(FrameWindow& window, const BorderlessState& state) {
    window.SetFramed(true);
    window.SetTop(window.Top() - state.offsets.caption);
    window.SetLeft(window.Left() - state.offsets.frame);
    window.SetClientWidth(state.savedClientWidth);
    window.SetClientHeight(state.savedClientHeight);
}

} // namespace quarnel
