#include "ui/heading_display.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using quarnel::DirectionCaptions;

// Captions of Btn_01..Btn_08 (rows) for headings 0..4 (columns).
const char16_t* const kTable[8][5] = {
    {u"\u2191", u"\uFF5C", u"\uFF5C", u"\uFF5C", u"\uFF5C"},
    {u"Forward\r\nRight", u"\u25C6", u"\uFF0F", u"\uFF0F", u"\uFF0F"},
    {u"\u2192", u"\uFF0D", u"\uFF0D", u"\uFF0D", u"\uFF0D"},
    {u"Back\r\nRight", u"\uFF3C", u"\u25C6", u"\uFF3C", u"\uFF3C"},
    {u"\u2193", u"\uFF5C", u"\uFF5C", u"\uFF5C", u"\uFF5C"},
    {u"Back\r\nLeft", u"\uFF0F", u"\uFF0F", u"\u25C6", u"\uFF0F"},
    {u"\u2190", u"\uFF0D", u"\uFF0D", u"\uFF0D", u"\uFF0D"},
    {u"Forward\r\nLeft", u"\uFF3C", u"\uFF3C", u"\uFF3C", u"\u25C6"},
};

TEST(HeadingDisplay, CaptionTableForEveryHeading) {
    for (int heading = 0; heading <= 4; ++heading) {
        const auto captions = DirectionCaptions(heading);
        ASSERT_TRUE(captions.has_value()) << "heading " << heading;
        for (int button = 0; button < 8; ++button)
            EXPECT_EQ(std::u16string((*captions)[button]), kTable[button][heading])
                << "Btn_0" << button + 1 << " at heading " << heading;
    }
}

TEST(HeadingDisplay, NoSelectionLeavesCaptionsAlone) {
    for (int heading : {-1, 5, 100, -2147483647 - 1})
        EXPECT_FALSE(DirectionCaptions(heading).has_value()) << heading;
}

TEST(HeadingDisplay, SelectorItems) {
    const auto& items = quarnel::HeadingItems();
    EXPECT_EQ(items[0], u"[ Button ] Heading up");
    EXPECT_EQ(items[1], u"[ Heading ] Upper Right");
    EXPECT_EQ(items[2], u"[ Heading ] Lower Right");
    EXPECT_EQ(items[3], u"[ Heading ] Lower Left");
    EXPECT_EQ(items[4], u"[ Heading ] Upper Left");
}

} // namespace
