// The decisions behind a glass button's face that need no platform: which themed push-button
// element a state shows, the caption's glyph state and layout, the classic frame flags, the
// text flags, whether the form's glass frame reaches the button, and the version text.
// Portable: the numeric values are the platform's own constants.
#pragma once

#include <cstdint>
#include <string>

#include "controls/glyph_types.h"

namespace quarnel {

// The push-button elements of the theme, by their TThemedButton value.
enum class ThemedButton : std::uint8_t {
    Normal = 2,
    Hot = 3,
    Pressed = 4,
    Disabled = 5,
    Defaulted = 6
};

inline constexpr int kPushButtonPart = 1; // BP_PUSHBUTTON
// The theme state (PBS_*) that draws an element.
int ThemeStateOf(ThemedButton element);

struct FaceState {
    bool enabled = true;
    bool pressed = false;     // ODS_SELECTED
    bool hasFocus = false;    // ODS_FOCUS
    bool defaultLook = false; // the active button of its form shows the default look
    bool hot = false;         // the mouse pointer is over the button
};

ThemedButton ChooseElement(const FaceState& state);
TButtonState GlyphState(bool enabled, bool pressed);

TButtonLayout LayoutFor(TImagePos position, bool pictureShown);

// DrawFrameControl flags of the classic push button.
inline constexpr unsigned kDfcsButtonPush = 0x10;
inline constexpr unsigned kDfcsInactive = 0x100;
inline constexpr unsigned kDfcsPushed = 0x200;
inline constexpr unsigned kDfcsAdjustRect = 0x2000;
unsigned ClassicFrameFlags(bool pressed, bool itemDisabled);

// The DrawText flags handed to the glyph object (kDt* in glyph_types.h).
struct TextFlagInputs {
    bool alignRight = false;
    bool readRightToLeft = false;
    bool acceleratorsHidden = false;
    bool wordWrap = false;
};
unsigned TextFlags(const TextFlagInputs& inputs);

// Desktop composition counts only from major version 6 on, and only when the query succeeds.
bool CompositionOn(unsigned majorVersion, bool querySucceeded, bool enabled);

// A form's glass frame: margins into the client area, or the whole client area ("sheet").
struct GlassFrame {
    bool enabled = false;
    bool sheetOfGlass = false;
    int left = 0, top = 0, right = 0, bottom = 0;
};
// Whether the glass frame reaches into the client area at all.
bool GlassFrameExtended(const GlassFrame& frame, bool compositionOn, bool platformStyleActive);
// Whether the glass covers part of a control whose client rectangle is `control` in the form's
// client coordinates. The glass-free inner rectangle contains a point on its left and top
// edges but not on its right and bottom ones.
bool GlassCoversControl(const GlassFrame& frame, int formClientWidth, int formClientHeight,
                        const Rect32& control);

struct GlassInputs {
    bool stylesActive = false;
    bool compositionOn = false;
    bool designing = false;
    bool hasForm = false;
    bool frameExtended = false;
    bool coversControl = false;
};
bool OnGlass(const GlassInputs& inputs);

// Major, minor, release and build, one byte each from the top: "1.0.0.1" for 0x01000001.
std::u16string VersionText(std::uint32_t versionNumber);

} // namespace quarnel
