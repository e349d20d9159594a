#include "link/modifier_release.h"

#include <algorithm>

namespace quarnel {
namespace {

bool IsExtended(std::uint8_t key) {
    return key == kVkRControl || key == kVkRMenu || key == kVkLWin || key == kVkRWin;
}

} // namespace

std::vector<KeyStroke> ModifierRelease(const std::vector<std::uint8_t>& heldKeys) {
    auto held = [&](std::uint8_t key) {
        return std::find(heldKeys.begin(), heldKeys.end(), key) != heldKeys.end();
    };
    const bool ctrl = held(kVkLControl) || held(kVkRControl);
    const bool menuOpener = held(kVkLMenu) || held(kVkRMenu) || held(kVkLWin) || held(kVkRWin);
    std::vector<KeyStroke> strokes;
    // A key pressed while Alt or Win is down keeps their release from opening a menu.
    const bool cover = menuOpener && !ctrl;
    if (cover)
        strokes.push_back({kVkLControl, false, false});
    for (std::uint8_t key : kReleasedModifiers)
        if (held(key) || (cover && key == kVkLControl))
            strokes.push_back({key, true, IsExtended(key)});
    return strokes;
}

void LetGoOfModifiers(ModifierKeys& keys) {
    auto heldNow = [&] {
        std::vector<std::uint8_t> held;
        for (std::uint8_t key : kReleasedModifiers)
            if (keys.IsDown(key))
                held.push_back(key);
        return held;
    };
    std::vector<std::uint8_t> held = heldNow();
    for (std::uint32_t waited = 0; !held.empty() && waited < kModifierWaitMs;
         waited += kModifierPollMs) {
        keys.Wait(kModifierPollMs);
        held = heldNow();
    }
    for (const KeyStroke& stroke : ModifierRelease(held))
        keys.Send(stroke);
}

} // namespace quarnel
