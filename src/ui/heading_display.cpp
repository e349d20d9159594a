#include "ui/heading_display.h"

namespace quarnel {
namespace {

constexpr std::array<std::u16string_view, kHeadingCount> kItems{
    u"[ Button ] Heading up", u"[ Heading ] Upper Right", u"[ Heading ] Lower Right",
    u"[ Heading ] Lower Left", u"[ Heading ] Upper Left"};

// Heading 0: ship-relative arrows and words, screen directions 1 (up) clockwise to 8.
constexpr std::array<std::u16string_view, 8> kShipRelative{
    u"\u2191", u"Forward\r\nRight", u"\u2192", u"Back\r\nRight",
    u"\u2193", u"Back\r\nLeft",     u"\u2190", u"Forward\r\nLeft"};

// Headings 1 to 4: the axis glyph of each button's line through the centre, fullwidth
// vertical line, solidus, hyphen-minus and reverse solidus.
constexpr std::array<std::u16string_view, 8> kAxes{u"\uFF5C", u"\uFF0F", u"\uFF0D", u"\uFF3C",
                                                   u"\uFF5C", u"\uFF0F", u"\uFF0D", u"\uFF3C"};

constexpr std::u16string_view kBowMarker = u"\u25C6"; // black diamond

} // namespace

const std::array<std::u16string_view, kHeadingCount>& HeadingItems() {
    return kItems;
}

std::optional<std::array<std::u16string_view, 8>> DirectionCaptions(int heading) {
    if (heading == 0)
        return kShipRelative;
    if (heading < 1 || heading > 4)
        return std::nullopt;
    std::array<std::u16string_view, 8> captions = kAxes;
    // The bow points to screen direction 2 x heading.
    captions[static_cast<size_t>(2 * heading - 1)] = kBowMarker;
    return captions;
}

} // namespace quarnel
