#include "controls/gdip_color.h"

#include <gtest/gtest.h>

namespace {

using namespace quarnel;

TEST(GdipColor, ChannelsSitInTheirBytes) {
    static_assert(MakeColor(0x12, 0x34, 0x56, 0x78) == 0x12345678u);
    static_assert(MakeColor(0x34, 0x56, 0x78) == 0xFF345678u, "opaque by default");
    constexpr ARGB color = 0x80C0FF01u;
    EXPECT_EQ(GetAlpha(color), 0x80);
    EXPECT_EQ(GetRed(color), 0xC0);
    EXPECT_EQ(GetGreen(color), 0xFF);
    EXPECT_EQ(GetBlue(color), 0x01);
    EXPECT_EQ(MakeColor(GetRed(color), GetGreen(color), GetBlue(color)), 0xFFC0FF01u);
}

TEST(GdipColor, RectangleKeepsItsFields) {
    EXPECT_EQ(MakeRect(1.5f, -2, 16, 17), (TGdipRectF{1.5f, -2, 16, 17}));
}

} // namespace
