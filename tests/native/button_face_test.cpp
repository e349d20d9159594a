#include "controls/button_face.h"

#include <gtest/gtest.h>

namespace quarnel {
namespace {

struct ElementCase {
    const char* name;
    FaceState state;
    ThemedButton element;
    int themeState;
};

TEST(ButtonFace, ElementFollowsTheFirstRuleThatApplies) {
    // FaceState fields: enabled, pressed, hasFocus, defaultLook, hot.
    const ElementCase cases[] = {
        {"idle", {true, false, false, false, false}, ThemedButton::Normal, 1},
        {"hot", {true, false, false, false, true}, ThemedButton::Hot, 2},
        {"pressed", {true, true, false, false, false}, ThemedButton::Pressed, 3},
        {"pressed under the mouse", {true, true, false, false, true}, ThemedButton::Pressed, 3},
        {"disabled beats everything", {false, true, true, true, true}, ThemedButton::Disabled, 4},
        {"active button", {true, false, false, true, false}, ThemedButton::Defaulted, 5},
        {"keyboard focus alone", {true, false, true, false, false}, ThemedButton::Defaulted, 5},
        {"focused and hot shows hot", {true, false, true, true, true}, ThemedButton::Hot, 2},
    };
    for (const ElementCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ChooseElement(c.state), c.element);
        EXPECT_EQ(ThemeStateOf(ChooseElement(c.state)), c.themeState);
    }
}

TEST(ButtonFace, GlyphStateIsDisabledDownOrUpNeverExclusive) {
    EXPECT_EQ(GlyphState(true, false), bsUp);
    EXPECT_EQ(GlyphState(true, true), bsDown);
    EXPECT_EQ(GlyphState(false, false), bsDisabled);
    EXPECT_EQ(GlyphState(false, true), bsDisabled);
}

TEST(ButtonFace, ClassicFrameFlags) {
    EXPECT_EQ(ClassicFrameFlags(false, false), 0x2010u);
    EXPECT_EQ(ClassicFrameFlags(true, false), 0x2210u);
    EXPECT_EQ(ClassicFrameFlags(false, true), 0x2110u);
    EXPECT_EQ(ClassicFrameFlags(true, true), 0x2310u);
}

TEST(ButtonFace, LayoutFollowsImagePosOnlyWithAPicture) {
    const TImagePos positions[] = {ipLeft, ipRight, ipTop, ipBottom};
    const TButtonLayout layouts[] = {blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(LayoutFor(positions[i], true), layouts[i]);
        EXPECT_EQ(LayoutFor(positions[i], false), blGlyphLeft);
    }
}

TEST(ButtonFace, TextFlags) {
    EXPECT_EQ(TextFlags({}), 0u);
    EXPECT_EQ(TextFlags({true, false, false, false}), 0x2u);
    EXPECT_EQ(TextFlags({false, true, false, false}), 0x20000u);
    EXPECT_EQ(TextFlags({false, false, true, false}), 0x100000u);
    EXPECT_EQ(TextFlags({false, false, false, true}), 0x10u);
    EXPECT_EQ(TextFlags({true, true, true, true}), 0x120012u);
}

TEST(ButtonFace, CompositionNeedsVersionSixAndASuccessfulYes) {
    EXPECT_TRUE(CompositionOn(6, true, true));
    EXPECT_TRUE(CompositionOn(10, true, true));
    EXPECT_FALSE(CompositionOn(5, true, true));
    EXPECT_FALSE(CompositionOn(6, false, true));
    EXPECT_FALSE(CompositionOn(6, true, false));
}

TEST(ButtonFace, GlassFrameExtendedNeedsEverySwitchAndSomeGlass) {
    const GlassFrame margins{true, false, 0, 30, 0, 0};
    EXPECT_TRUE(GlassFrameExtended(margins, true, true));
    EXPECT_FALSE(GlassFrameExtended(margins, false, true));
    EXPECT_FALSE(GlassFrameExtended(margins, true, false));
    EXPECT_FALSE(GlassFrameExtended({false, false, 0, 30, 0, 0}, true, true));
    EXPECT_FALSE(GlassFrameExtended({true, false, 0, 0, 0, 0}, true, true));
    EXPECT_TRUE(GlassFrameExtended({true, true, 0, 0, 0, 0}, true, true));
    EXPECT_TRUE(GlassFrameExtended({true, false, 0, 0, 0, 1}, true, true));
}

struct CoverCase {
    const char* name;
    Rect32 control;
    bool covered;
};

TEST(ButtonFace, GlassCoversTheControlUnlessTheInnerRectangleHoldsBothCorners) {
    // Form client 200 x 100, margins 10 left, 20 top, 30 right, 40 bottom: the glass-free
    // inner rectangle is (10, 20, 170, 60).
    const GlassFrame frame{true, false, 10, 20, 30, 40};
    const CoverCase cases[] = {
        {"well inside", {20, 30, 100, 50}, false},
        {"left edge on the inner left edge", {10, 30, 100, 50}, false},
        {"top edge on the inner top edge", {20, 20, 100, 50}, false},
        {"one pixel into the left margin", {9, 30, 100, 50}, true},
        {"one pixel into the top margin", {20, 19, 100, 50}, true},
        {"right edge on the inner right edge", {20, 30, 170, 50}, true},
        {"bottom edge on the inner bottom edge", {20, 30, 100, 60}, true},
        {"right edge one short of the inner edge", {20, 30, 169, 59}, false},
        {"wholly on the glass", {0, 0, 5, 5}, true},
    };
    for (const CoverCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(GlassCoversControl(frame, 200, 100, c.control), c.covered);
    }
    EXPECT_TRUE(GlassCoversControl({true, true, 0, 0, 0, 0}, 200, 100, {20, 30, 100, 50}));
}

TEST(ButtonFace, OnGlassOnlyWhenAllFiveConditionsHold) {
    const GlassInputs all{true, true, false, true, true, true};
    EXPECT_TRUE(OnGlass(all));
    for (int dropped = 0; dropped < 6; ++dropped) {
        GlassInputs inputs = all;
        bool* fields[] = {&inputs.stylesActive, &inputs.compositionOn, &inputs.designing,
                          &inputs.hasForm,      &inputs.frameExtended, &inputs.coversControl};
        *fields[dropped] = !*fields[dropped];
        EXPECT_FALSE(OnGlass(inputs)) << "condition " << dropped;
    }
}

TEST(ButtonFace, VersionTextJoinsTheFourBytes) {
    EXPECT_EQ(VersionText(0x01000001), u"1.0.0.1");
    EXPECT_EQ(VersionText(16777217), u"1.0.0.1");
    EXPECT_EQ(VersionText(0x0A14FF00), u"10.20.255.0");
    EXPECT_EQ(VersionText(0), u"0.0.0.0");
}

} // namespace
} // namespace quarnel
