// Whether the platform draws controls in its visual style right now.
#pragma once

namespace quarnel {

// IsAppThemed and IsThemeActive, unless a test has put its own answer in.
bool VisualStylesActive();

// Replaces the platform's answer; nullptr puts it back.
using VisualStylesQuery = bool (*)();
void SetVisualStylesQuery(VisualStylesQuery query);

} // namespace quarnel
