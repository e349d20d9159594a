// Who the panel is, for every part that must agree on it: the window class by which a second
// start and the delivery find the panel, and the client size its layout is made for (also the
// settings' default). Portable, so that the rules, the start-up and the panel share it.
#pragma once

namespace quarnel {

inline constexpr char16_t kPanelClassName[] = u"TForm1";
inline constexpr int kPanelClientWidth = 190;
inline constexpr int kPanelClientHeight = 436;

} // namespace quarnel
