// The panel's keys in the settings file: names, defaults, and the order of a save.
#pragma once

#include <string_view>

#include "settings/settings_image.h"
#include "panel_identity.h"

namespace quarnel {

inline constexpr std::u16string_view kSystemSection = u"System";
inline constexpr std::u16string_view kShowTitleBarKey = u"ShowTitleBar";
inline constexpr std::u16string_view kClientHeightKey = u"ClientHeight2";
inline constexpr std::u16string_view kClientWidthKey = u"ClientWidth2";
inline constexpr std::u16string_view kHeadingKey = u"cb1";
inline constexpr std::u16string_view kBottomKey = u"Bottom2";
inline constexpr std::u16string_view kLeftKey = u"Left2";

inline constexpr int kDefaultClientWidth = kPanelClientWidth;
inline constexpr int kDefaultClientHeight = kPanelClientHeight;
inline constexpr int kDefaultHeading = 0;

// What a save records, in the order it is written.
struct SavedGeometry {
    int bottom = 0; // top edge plus outer height
    int left = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    int heading = 0; // -1 when the heading selector has no selection
};

void WriteSavedGeometry(SettingsImage& image, const SavedGeometry& geometry);

} // namespace quarnel
