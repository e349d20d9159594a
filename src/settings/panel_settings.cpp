#include "settings/panel_settings.h"

namespace quarnel {

void WriteSavedGeometry(SettingsImage& image, const SavedGeometry& geometry) {
    image.WriteInteger(kSystemSection, kBottomKey, geometry.bottom);
    image.WriteInteger(kSystemSection, kLeftKey, geometry.left);
    image.WriteInteger(kSystemSection, kClientWidthKey, geometry.clientWidth);
    image.WriteInteger(kSystemSection, kClientHeightKey, geometry.clientHeight);
    image.WriteInteger(kSystemSection, kHeadingKey, geometry.heading);
}

} // namespace quarnel
