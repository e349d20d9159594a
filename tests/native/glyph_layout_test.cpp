#include "controls/glyph_layout.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

namespace quarnel {

std::ostream& operator<<(std::ostream& out, const Rect32& r) {
    return out << '(' << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ')';
}
std::ostream& operator<<(std::ostream& out, const Point32& p) {
    return out << '(' << p.x << ", " << p.y << ')';
}

namespace {

struct LayoutCase {
    const char* name;
    Rect32 client;
    TButtonLayout layout;
    std::int32_t margin;
    std::int32_t spacing;
    std::uint32_t biDiFlags;
    Point32 glyphSize;               // (0, 0): no picture
    std::optional<Point32> textSize; // nullopt: empty caption
    Point32 offset;
    bool visualStylesActive;
    Point32 glyphPos;
    Rect32 textBounds;
};

constexpr std::uint32_t kWordBreak = 0x10;

const LayoutCase kCases[] = {
    {"caption only",
     {0, 0, 60, 40},
     blGlyphLeft,
     -1,
     4,
     0,
     {0, 0},
     Point32{24, 15},
     {},
     true,
     {18, 20},
     {18, 13, 42, 28}},
    {"caption only, top: spacing dropped on the main axis too",
     {0, 0, 60, 40},
     blGlyphTop,
     -1,
     4,
     0,
     {0, 0},
     Point32{24, 15},
     {},
     true,
     {30, 13},
     {18, 13, 42, 28}},
    {"picture left",
     {0, 0, 100, 30},
     blGlyphLeft,
     -1,
     4,
     0,
     {16, 16},
     Point32{40, 15},
     {},
     true,
     {20, 7},
     {40, 8, 80, 23}},
    {"picture right",
     {0, 0, 100, 30},
     blGlyphRight,
     -1,
     4,
     0,
     {16, 16},
     Point32{40, 15},
     {},
     true,
     {64, 7},
     {20, 8, 60, 23}},
    {"spacing computed: three equal gaps",
     {0, 0, 100, 30},
     blGlyphLeft,
     -1,
     -1,
     0,
     {16, 16},
     Point32{40, 15},
     {},
     true,
     {14, 7},
     {44, 8, 84, 23}},
    {"DT_RIGHT turns left into right",
     {0, 0, 100, 30},
     blGlyphLeft,
     -1,
     4,
     0x2,
     {16, 16},
     Point32{40, 15},
     {},
     true,
     {64, 7},
     {20, 8, 60, 23}},
    {"DT_RIGHT turns right into left",
     {0, 0, 100, 30},
     blGlyphRight,
     -1,
     4,
     0x2 | kWordBreak,
     {16, 16},
     Point32{40, 15},
     {},
     true,
     {20, 7},
     {40, 8, 80, 23}},
    {"DT_RIGHT leaves top alone",
     {0, 0, 40, 60},
     blGlyphTop,
     -1,
     4,
     0x2,
     {16, 16},
     Point32{24, 15},
     {},
     true,
     {12, 13},
     {8, 33, 32, 48}},
    {"picture top",
     {0, 0, 40, 60},
     blGlyphTop,
     -1,
     4,
     0,
     {16, 16},
     Point32{24, 15},
     {},
     true,
     {12, 13},
     {8, 33, 32, 48}},
    {"picture bottom",
     {0, 0, 40, 60},
     blGlyphBottom,
     -1,
     4,
     0,
     {16, 16},
     Point32{24, 15},
     {},
     true,
     {12, 31},
     {8, 12, 32, 27}},
    {"content wider than the client: margin truncates toward zero",
     {0, 0, 30, 30},
     blGlyphLeft,
     -1,
     4,
     0,
     {16, 16},
     Point32{40, 15},
     {},
     true,
     {-14, 7},
     {6, 8, 46, 23}},
    {"wider, spacing computed: thirds truncate toward zero",
     {0, 0, 30, 30},
     blGlyphLeft,
     -1,
     -1,
     0,
     {16, 16},
     Point32{40, 15},
     {},
     true,
     {-8, 7},
     {0, 8, 40, 23}},
    {"empty caption: the picture alone is centred",
     {0, 0, 100, 30},
     blGlyphLeft,
     -1,
     4,
     0,
     {16, 16},
     std::nullopt,
     {},
     true,
     {42, 7},
     {58, 15, 58, 15}},
    {"margin given, spacing computed",
     {0, 0, 100, 30},
     blGlyphLeft,
     5,
     -1,
     0,
     {16, 16},
     Point32{40, 15},
     {},
     true,
     {5, 7},
     {40, 8, 80, 23}},
    {"margin given, spacing computed, wider: halves truncate toward zero",
     {0, 0, 50, 30},
     blGlyphLeft,
     0,
     -1,
     0,
     {16, 16},
     Point32{40, 15},
     {},
     true,
     {0, 7},
     {13, 8, 53, 23}},
    {"margin and spacing given",
     {0, 0, 100, 30},
     blGlyphRight,
     3,
     2,
     0,
     {16, 16},
     Point32{40, 15},
     {},
     true,
     {81, 7},
     {39, 8, 79, 23}},
    {"a margin below -1 is a given margin",
     {0, 0, 100, 30},
     blGlyphLeft,
     -2,
     4,
     0,
     {16, 16},
     Point32{40, 15},
     {},
     true,
     {-2, 7},
     {18, 8, 58, 23}},
    {"client away from the origin",
     {10, 5, 110, 35},
     blGlyphLeft,
     -1,
     4,
     0,
     {16, 16},
     Point32{40, 15},
     {},
     true,
     {30, 12},
     {50, 13, 90, 28}},
    {"offset moves only the caption without visual styles",
     {10, 5, 110, 35},
     blGlyphLeft,
     -1,
     4,
     0,
     {16, 16},
     Point32{40, 15},
     {1, 1},
     false,
     {30, 12},
     {51, 14, 91, 29}},
    {"offset has no effect with visual styles",
     {10, 5, 110, 35},
     blGlyphLeft,
     -1,
     4,
     0,
     {16, 16},
     Point32{40, 15},
     {1, 1},
     true,
     {30, 12},
     {50, 13, 90, 28}},
    {"negative offset without visual styles",
     {0, 0, 60, 40},
     blGlyphLeft,
     -1,
     4,
     0,
     {0, 0},
     Point32{24, 15},
     {-3, 2},
     false,
     {18, 20},
     {15, 15, 39, 30}},
};

TEST(GlyphLayout, Table) {
    for (const LayoutCase& c : kCases) {
        GlyphLayoutInput input;
        input.client = c.client;
        input.offset = c.offset;
        input.layout = c.layout;
        input.margin = c.margin;
        input.spacing = c.spacing;
        input.biDiFlags = c.biDiFlags;
        input.glyphWidth = c.glyphSize.x;
        input.glyphHeight = c.glyphSize.y;
        input.hasCaption = c.textSize.has_value();
        input.visualStylesActive = c.visualStylesActive;
        const Point32 text = c.textSize.value_or(Point32{});
        const GlyphLayout got = ComputeLayout(input, [&](Rect32) {
            return Rect32{0, 0, text.x, text.y};
        });
        EXPECT_EQ(got.glyphPos, c.glyphPos) << c.name;
        EXPECT_EQ(got.textBounds, c.textBounds) << c.name;
    }
}

TEST(GlyphLayout, CaptionIsMeasuredAcrossTheClientWidthOnly) {
    GlyphLayoutInput input;
    input.client = {7, 3, 67, 43};
    input.hasCaption = true;
    int calls = 0;
    Rect32 asked{-1, -1, -1, -1};
    ComputeLayout(input, [&](Rect32 bounds) {
        ++calls;
        asked = bounds;
        return Rect32{0, 0, 10, 10};
    });
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(asked, (Rect32{0, 0, 60, 0}));

    input.hasCaption = false;
    calls = 0;
    ComputeLayout(input, [&](Rect32) {
        ++calls;
        return Rect32{};
    });
    EXPECT_EQ(calls, 0) << "an empty caption is not measured";
}

TEST(GlyphLayout, MeasuredExtentKeepsItsOwnOrigin) {
    // Whatever origin the text engine reports, the extent moves as a whole.
    GlyphLayoutInput input;
    input.client = {0, 0, 60, 40};
    input.spacing = 4;
    input.hasCaption = true;
    const GlyphLayout got = ComputeLayout(input, [](Rect32) { return Rect32{2, 1, 26, 16}; });
    EXPECT_EQ(got.textBounds, (Rect32{20, 14, 44, 29}));
}

TEST(GlyphLayout, HugeValuesWrapInsteadOfTrapping) {
    GlyphLayoutInput input;
    input.client = {-2147483647 - 1, 0, 2147483647, 10};
    input.glyphWidth = 16;
    input.glyphHeight = 16;
    input.spacing = -1;
    const GlyphLayout got = ComputeLayout(input, [](Rect32) { return Rect32{}; });
    // CW wraps to -1; spacing drops to 0 as there is no caption; margin (-1 - 16 + 1) div 2
    // = -8, and -8 plus the client's left edge wraps round to the top of the range.
    EXPECT_EQ(got.glyphPos, (Point32{2147483640, -2}));
}

TEST(GlyphLayout, PictureOnlyWithinTheListsCount) {
    EXPECT_FALSE(PictureInRange(0, 0));
    EXPECT_FALSE(PictureInRange(3, -1));
    EXPECT_TRUE(PictureInRange(3, 0));
    EXPECT_TRUE(PictureInRange(3, 2));
    EXPECT_FALSE(PictureInRange(3, 3));
}

} // namespace
} // namespace quarnel
