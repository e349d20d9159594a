#include "controls/button_face.h"

namespace quarnel {

int ThemeStateOf(ThemedButton element) {
    switch (element) {
    case ThemedButton::Hot:
        return 2; // PBS_HOT
    case ThemedButton::Pressed:
        return 3; // PBS_PRESSED
    case ThemedButton::Disabled:
        return 4; // PBS_DISABLED
    case ThemedButton::Defaulted:
        return 5; // PBS_DEFAULTED
    case ThemedButton::Normal:
        break;
    }
    return 1; // PBS_NORMAL
}

ThemedButton ChooseElement(const FaceState& state) {
    if (!state.enabled)
        return ThemedButton::Disabled;
    if (state.pressed)
        return ThemedButton::Pressed;
    if (state.hot)
        return ThemedButton::Hot;
    if (state.defaultLook || state.hasFocus)
        return ThemedButton::Defaulted;
    return ThemedButton::Normal;
}

TButtonState GlyphState(bool enabled, bool pressed) {
    if (!enabled)
        return bsDisabled;
    return pressed ? bsDown : bsUp;
}

TButtonLayout LayoutFor(TImagePos position, bool pictureShown) {
    if (!pictureShown)
        return blGlyphLeft;
    switch (position) {
    case ipRight:
        return blGlyphRight;
    case ipTop:
        return blGlyphTop;
    case ipBottom:
        return blGlyphBottom;
    case ipLeft:
        break;
    }
    return blGlyphLeft;
}

unsigned ClassicFrameFlags(bool pressed, bool itemDisabled) {
    unsigned flags = kDfcsButtonPush | kDfcsAdjustRect;
    if (pressed)
        flags |= kDfcsPushed;
    if (itemDisabled)
        flags |= kDfcsInactive;
    return flags;
}

unsigned TextFlags(const TextFlagInputs& inputs) {
    unsigned flags = 0;
    if (inputs.alignRight)
        flags |= kDtRight;
    if (inputs.readRightToLeft)
        flags |= kDtRtlReading;
    if (inputs.acceleratorsHidden)
        flags |= kDtHidePrefix;
    if (inputs.wordWrap)
        flags |= kDtWordBreak;
    return flags;
}

bool CompositionOn(unsigned majorVersion, bool querySucceeded, bool enabled) {
    return majorVersion >= 6 && querySucceeded && enabled;
}

bool GlassFrameExtended(const GlassFrame& frame, bool compositionOn, bool platformStyleActive) {
    if (!frame.enabled || !compositionOn || !platformStyleActive)
        return false;
    return frame.sheetOfGlass || frame.left != 0 || frame.top != 0 || frame.right != 0 ||
           frame.bottom != 0;
}

namespace {
bool Contains(const Rect32& rect, std::int32_t x, std::int32_t y) {
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}
} // namespace

bool GlassCoversControl(const GlassFrame& frame, int formClientWidth, int formClientHeight,
                        const Rect32& control) {
    if (frame.sheetOfGlass)
        return true;
    const Rect32 inner{frame.left, frame.top, formClientWidth - frame.right,
                       formClientHeight - frame.bottom};
    return !Contains(inner, control.left, control.top) ||
           !Contains(inner, control.right, control.bottom);
}

bool OnGlass(const GlassInputs& inputs) {
    return inputs.stylesActive && inputs.compositionOn && !inputs.designing && inputs.hasForm &&
           inputs.frameExtended && inputs.coversControl;
}

std::u16string VersionText(std::uint32_t versionNumber) {
    std::u16string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        if (!text.empty())
            text.push_back(u'.');
        const unsigned part = (versionNumber >> shift) & 0xFFu;
        std::u16string digits;
        unsigned rest = part;
        do {
            digits.insert(digits.begin(), static_cast<char16_t>(u'0' + rest % 10));
            rest /= 10;
        } while (rest != 0);
        text += digits;
    }
    return text;
}

} // namespace quarnel
