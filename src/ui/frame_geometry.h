// The arithmetic of the panel's frame: default position from the work area's size and the
// outer window size, the start placement anchored by the bottom edge, and the borderless
// toggle that keeps the client area on its screen spot. The steps run against a small port
// so that their order and outcome can be checked without a window.
#pragma once

#include <functional>

#include "settings/panel_settings.h"
#include "settings/settings_image.h"

namespace quarnel {

struct DefaultPlace {
    int bottom = 0;
    int left = 0;
};

// Centred in a rectangle of the work area's size at the screen origin: the work area's own
// left and top do not enter.
DefaultPlace DefaultPlacement(int workAreaWidth, int workAreaHeight, int outerWidth,
                              int outerHeight);

// The window operations the frame steps use. Setting an outer edge or size keeps the others;
// setting a client size changes the outer size by the same amount; switching the border keeps
// the outer rectangle.
class FrameWindow {
public:
    virtual ~FrameWindow() = default;
    virtual int Left() const = 0;
    virtual int Top() const = 0;
    virtual int Width() const = 0;  // outer
    virtual int Height() const = 0; // outer
    virtual int ClientWidth() const = 0;
    virtual int ClientHeight() const = 0;
    virtual void SetLeft(int left) = 0;
    virtual void SetTop(int top) = 0;
    virtual void SetWidth(int width) = 0;
    virtual void SetHeight(int height) = 0;
    virtual void SetClientWidth(int width) = 0;
    virtual void SetClientHeight(int height) = 0;
    virtual void SetFramed(bool framed) = 0;
};

struct WorkAreaSize {
    int width = 0;
    int height = 0;
};

// Start geometry from the settings image, in this order: the title-bar choice, client height,
// client width, the heading (through setHeading), then top from the saved bottom edge and the
// left edge, whose defaults depend on the outer size the earlier steps produced.
void ApplyStartGeometry(FrameWindow& window, const SettingsImage& settings, WorkAreaSize workArea,
                        const std::function<void(int heading)>& setHeading);

// What a save records of the window as it is now.
SavedGeometry CurrentGeometry(const FrameWindow& window, int heading);

// The frame metrics the borderless toggle moves by. The vertical frame metric serves for the
// horizontal shift too.
struct FrameOffsets {
    int frame = 0;
    int caption = 0;
};
FrameOffsets BorderlessOffsets(int cyFrame, int cyCaption);

// Kept from entering borderless mode to leaving it.
struct BorderlessState {
    int savedClientWidth = 0;
    int savedClientHeight = 0;
    FrameOffsets offsets;
};

void EnterBorderless(FrameWindow& window, BorderlessState& state, FrameOffsets offsets);
void LeaveBorderless(FrameWindow& window, const BorderlessState& state);

} // namespace quarnel
