// The glyph object's caption drawing, checked by the pixels it leaves on a memory DC.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "controls/button_glyph.h"
#include "controls/visual_styles.h"
#include "support/memory_surface.h"

namespace {

using quarnel::TButtonGlyph;
using testing_support::MemorySurface;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGround = RGB(0, 128, 0);
constexpr int kWidth = 160;
constexpr int kHeight = 90;
const RECT kClient{0, 0, kWidth, kHeight};

bool StylesOn() {
    return true;
}
bool StylesOff() {
    return false;
}

// Answers the visual-style question for one test and puts the platform's answer back.
class StylesAnswer {
public:
    explicit StylesAnswer(bool active) {
        quarnel::SetVisualStylesQuery(active ? &StylesOn : &StylesOff);
    }
    ~StylesAnswer() { quarnel::SetVisualStylesQuery(nullptr); }
};

class GlyphCaption : public ::testing::Test {
protected:
    GlyphCaption() : font_(toolkit::CreateUiFont(20, L"Tahoma")) {}

    // Draws `caption` on a fresh surface filled with `ground`.
    RECT DrawOn(MemorySurface& surface, COLORREF ground, const std::wstring& caption,
                std::uint8_t state, toolkit::TColor color, RECT client = kClient,
                POINT offset = {0, 0}) {
        surface.Fill(ground);
        return DrawOver(surface, caption, state, color, client, offset);
    }
    RECT DrawOver(MemorySurface& surface, const std::wstring& caption, std::uint8_t state,
                  toolkit::TColor color, RECT client = kClient, POINT offset = {0, 0}) {
        toolkit::Canvas canvas;
        canvas.Bind(surface.dc());
        canvas.SetFont(font_.get(), color);
        const RECT drawn = glyph_.Draw(
            canvas, {.client = client, .captionShift = offset, .caption = caption, .state = state});
        lastFontColor_ = canvas.fontColor();
        return drawn;
    }

    SIZE Measure(const std::wstring& text) {
        MemorySurface scratch(1, 1);
        toolkit::UniqueSelection font = toolkit::Select(scratch.dc(), font_.get());
        RECT r{0, 0, kWidth, 0};
        ::DrawTextW(scratch.dc(), text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT);
        return SIZE{r.right - r.left, r.bottom - r.top};
    }

    toolkit::UniqueFont font_;
    TButtonGlyph glyph_;
    toolkit::TColor lastFontColor_ = 0;
};

struct InkBand {
    int top = 0, bottom = 0;       // rows [top, bottom)
    int left = kWidth, right = -1; // columns [left, right]
};

// Runs of rows holding pixels other than the ground, with their horizontal extent.
std::vector<InkBand> InkBands(const MemorySurface& surface, COLORREF ground) {
    std::vector<InkBand> bands;
    bool inside = false;
    for (int y = 0; y < surface.height(); ++y) {
        int left = surface.width();
        int right = -1;
        for (int x = 0; x < surface.width(); ++x)
            if (surface.Pixel(x, y) != ground) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        if (right < 0) {
            inside = false;
            continue;
        }
        if (!inside)
            bands.push_back(InkBand{y, y});
        inside = true;
        InkBand& band = bands.back();
        band.bottom = y + 1;
        band.left = std::min(band.left, left);
        band.right = std::max(band.right, right);
    }
    return bands;
}

TEST_F(GlyphCaption, TwoLinesAreMeasuredTogetherAndEachCentredOnItsOwn) {
    MemorySurface surface(kWidth, kHeight);
    surface.Fill(kWhite);
    toolkit::Canvas canvas;
    canvas.Bind(surface.dc());
    canvas.SetFont(font_.get(), RGB(0, 0, 0));
    // A solid brush left on the canvas must not paint a text background.
    canvas.SetBrushColor(RGB(255, 0, 0));
    const RECT drawn = glyph_.Draw(canvas, {.client = kClient, .caption = L"Forward\r\nLeft"});
    canvas.Unbind();

    const SIZE first = Measure(L"Forward");
    const SIZE second = Measure(L"Left");
    ASSERT_GT(first.cx, second.cx + 10);
    const int tw = first.cx;
    const int th = first.cy + second.cy;
    const RECT expected{(kWidth - tw + 1) / 2, (kHeight - th + 1) / 2, (kWidth - tw + 1) / 2 + tw,
                        (kHeight - th + 1) / 2 + th};
    EXPECT_TRUE(::EqualRect(&drawn, &expected))
        << "drawn (" << drawn.left << ", " << drawn.top << ", " << drawn.right << ", "
        << drawn.bottom << ")";

    EXPECT_EQ(surface.Count(RGB(255, 0, 0)), 0) << "the caption has no background";
    const std::vector<InkBand> lines = InkBands(surface, kWhite);
    ASSERT_EQ(lines.size(), 2u) << "the line break is honoured";
    const int centre2 = drawn.left + drawn.right; // doubled, to stay in integers
    for (const InkBand& line : lines)
        EXPECT_NEAR(line.left + line.right + 1, centre2, 4)
            << "line at rows " << line.top << ".." << line.bottom << " spans " << line.left << ".."
            << line.right;
    EXPECT_GT(lines[1].left, lines[0].left + 5) << "the shorter line is indented";
}

TEST_F(GlyphCaption, DisabledDrawsHighlightDownRightThenShadowInPlace) {
    const COLORREF highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    ASSERT_NE(highlight, kGround);
    ASSERT_NE(shadow, kGround);
    ASSERT_NE(highlight, shadow);

    MemorySurface disabled(kWidth, kHeight);
    const RECT drawn = DrawOn(disabled, kGround, L"Stop", quarnel::bsDisabled, RGB(0, 0, 0));
    EXPECT_EQ(lastFontColor_, toolkit::SystemColor(COLOR_BTNSHADOW))
        << "the canvas keeps the shadow colour";

    // The same two passes made by hand: highlight with everything one pixel down-right,
    // then shadow at the caption's place.
    MemorySurface expected(kWidth, kHeight);
    const RECT moved{kClient.left + 1, kClient.top + 1, kClient.right + 1, kClient.bottom + 1};
    DrawOn(expected, kGround, L"Stop", quarnel::bsUp, toolkit::SystemColor(COLOR_BTNHIGHLIGHT),
           moved);
    const RECT enabled =
        DrawOver(expected, L"Stop", quarnel::bsUp, toolkit::SystemColor(COLOR_BTNSHADOW));
    EXPECT_TRUE(::EqualRect(&drawn, &enabled)) << "the caption's rectangle is its own place";
    EXPECT_GT(expected.Count(highlight), 0);
    EXPECT_GT(expected.Count(shadow), 0);
    EXPECT_TRUE(disabled.SamePixels(expected));
}

TEST_F(GlyphCaption, OffsetMovesTheCaptionOnlyWithoutVisualStyles) {
    const RECT moved{kClient.left + 1, kClient.top + 1, kClient.right + 1, kClient.bottom + 1};
    for (bool styles : {true, false}) {
        StylesAnswer answer(styles);
        MemorySurface actual(kWidth, kHeight);
        const RECT drawn =
            DrawOn(actual, kWhite, L"Stop", quarnel::bsDown, RGB(0, 0, 0), kClient, {1, 1});
        MemorySurface expected(kWidth, kHeight);
        const RECT reference = DrawOn(expected, kWhite, L"Stop", quarnel::bsDown, RGB(0, 0, 0),
                                      styles ? kClient : moved);
        EXPECT_TRUE(::EqualRect(&drawn, &reference)) << "styles " << styles;
        EXPECT_TRUE(actual.SamePixels(expected)) << "styles " << styles;
    }
}

TEST_F(GlyphCaption, OnGlassTheCaptionIsComposedInTheFontColour) {
    MemorySurface surface(kWidth, kHeight);
    const RECT drawn =
        DrawOn(surface, kWhite, L"Stop", quarnel::bsUp | quarnel::kGlassStateFlag, RGB(200, 0, 0));
    const std::vector<InkBand> ink = InkBands(surface, kWhite);
    ASSERT_EQ(ink.size(), 1u);
    EXPECT_GE(ink[0].left, drawn.left - 1);
    EXPECT_LE(ink[0].right, drawn.right + 1);
    EXPECT_GT(surface.Count(RGB(200, 0, 0)), 0) << "drawn in the canvas font's colour";

    // The glass flag is not part of the look: disabled on glass is still embossed.
    DrawOn(surface, kGround, L"Stop", quarnel::bsDisabled | quarnel::kGlassStateFlag, RGB(0, 0, 0));
    EXPECT_EQ(lastFontColor_, toolkit::SystemColor(COLOR_BTNSHADOW));
    EXPECT_GT(surface.Count(::GetSysColor(COLOR_BTNHIGHLIGHT)), 0);
    EXPECT_GT(surface.Count(::GetSysColor(COLOR_BTNSHADOW)), 0);
}

} // namespace
