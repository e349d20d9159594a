// The panel's menu of tiller commands that have no button: what it lists, and the phrase each
// entry sends. The hotkey list (HotkeyTable::ListLines) follows it under its own caption.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quarnel {

struct TillerMenuEntry {
    std::u16string caption;
    std::u16string command; // the phrase sent; empty for a submenu
    std::vector<TillerMenuEntry> submenu;
};

// "Raise Anchor", "Drop Anchor", "Nav", "Start", "Continue", then "Goto" and "Single", each
// with the points 1 to 9 ("Goto 3", "Single 3").
std::vector<TillerMenuEntry> TillerMenuEntries();

inline constexpr std::u16string_view kHotkeyListCaption = u"Hotkeys";

} // namespace quarnel
