// What the glass button draws: the themed element of each state, the classic frame, the
// focus rectangle and the caption flags.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <uxtheme.h>
#include <vssym32.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/aero_buttons.h"
#include "support/aero_support.h"
#include "support/memory_surface.h"
#include "toolkit/controls.h"

namespace {

using namespace testing_support;

bool Inside(const RECT& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}
bool OnBorder(const RECT& r, int x, int y) {
    return Inside(r, x, y) && (x == r.left || x == r.right - 1 || y == r.top || y == r.bottom - 1);
}

// Pixels outside `inner` that differ between the two surfaces.
int RingDifferences(const MemorySurface& a, const MemorySurface& b, const RECT& inner) {
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (!Inside(inner, x, y) && a.Pixel(x, y) != b.Pixel(x, y))
                ++differing;
    return differing;
}

// Every pixel where the surfaces differ satisfies `allowed`; returns how many differ.
int DifferencesOnlyWhere(const MemorySurface& a, const MemorySurface& b,
                         const std::function<bool(int, int)>& allowed, int& outside) {
    int differing = 0;
    outside = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y)) {
                ++differing;
                if (!allowed(x, y))
                    ++outside;
            }
    return differing;
}

class ThemedFace : public ::testing::Test {
protected:
    ThemedFace() : answers_(true), theme_(::OpenThemeData(host_.button().hwnd(), L"BUTTON")) {}

    // The theme's own drawing of a push-button state over the form's background.
    void Reference(MemorySurface& surface, int stateId) {
        surface.Fill(::GetSysColor(COLOR_BTNFACE));
        const RECT item{0, 0, surface.width(), surface.height()};
        ::DrawThemeBackground(theme_.get(), surface.dc(), BP_PUSHBUTTON, stateId, &item, nullptr);
    }
    RECT Content(int stateId) {
        const RECT item{0, 0, kButtonWidth, kButtonHeight};
        RECT content{};
        ::GetThemeBackgroundContentRect(theme_.get(), nullptr, BP_PUSHBUTTON, stateId, &item,
                                        &content);
        return content;
    }
    // Makes the button the form's active button, or takes that from it.
    void SetActive(bool active) {
        ::SetFocus(active ? host_.button().hwnd() : box_.hwnd());
        ASSERT_EQ(host_.button().DefaultLook(), active);
    }

    AeroAnswers answers_;
    ButtonHost host_;
    toolkit::UniqueTheme theme_;
    toolkit::CheckBox box_;
    void SetUp() override { box_.Create(host_.form().hwnd(), L"box", {10, 60, 80, 17}); }
};

struct ElementCase {
    const char* name;
    bool enabled;
    bool hot;
    bool active;
    UINT itemState;
    int themeState;
};

TEST_F(ThemedFace, EachStateDrawsTheElementOfItsRule) {
    ASSERT_NE(theme_.get(), nullptr);
    const ElementCase cases[] = {
        {"normal", true, false, false, 0, PBS_NORMAL},
        {"hot", true, true, false, 0, PBS_HOT},
        {"pressed", true, false, false, ODS_SELECTED, PBS_PRESSED},
        {"pressed under the mouse", true, true, false, ODS_SELECTED, PBS_PRESSED},
        {"disabled whatever else holds", false, true, true, ODS_SELECTED | ODS_FOCUS, PBS_DISABLED},
        {"keyboard focus", true, false, false, ODS_FOCUS, PBS_DEFAULTED},
        {"active button", true, false, true, 0, PBS_DEFAULTED},
        {"focused and hot shows hot", true, true, true, ODS_FOCUS, PBS_HOT},
    };
    // Without a caption the face is the theme's background, save the focus rectangle.
    host_.button().SetText(L"");
    MemorySurface face(kButtonWidth, kButtonHeight);
    MemorySurface reference(kButtonWidth, kButtonHeight);
    MemorySurface expected(kButtonWidth, kButtonHeight);
    for (const ElementCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetActive(c.active);
        if (c.hot)
            host_.button().MouseEnter();
        else
            host_.button().MouseLeave();
        host_.button().SetEnabled(c.enabled);
        DrawFaceOn(host_, face, c.itemState);
        const RECT content = Content(c.themeState);
        auto focusRing = [&](int x, int y) { return OnBorder(content, x, y); };
        Reference(expected, c.themeState);
        int outside = 0;
        DifferencesOnlyWhere(face, expected, focusRing, outside);
        EXPECT_EQ(outside, 0);
        // No state that the theme draws differently would have matched.
        for (int other = PBS_NORMAL; other <= PBS_DEFAULTED; ++other) {
            Reference(reference, other);
            if (reference.SamePixels(expected))
                continue;
            DifferencesOnlyWhere(face, reference, focusRing, outside);
            EXPECT_GT(outside, 0) << "state " << other;
        }
    }
}

TEST_F(ThemedFace, FocusRectangleRunsAlongTheContentRectangleOnlyWhenActiveAndFocused) {
    MemorySurface focused(kButtonWidth, kButtonHeight);
    MemorySurface plain(kButtonWidth, kButtonHeight);
    const RECT content = Content(PBS_DEFAULTED);
    SetActive(true);
    DrawFaceOn(host_, focused, ODS_FOCUS);
    DrawFaceOn(host_, plain, 0); // active without the keyboard focus: no rectangle
    int outside = 0;
    EXPECT_GT(DifferencesOnlyWhere(
                  focused, plain, [&](int x, int y) { return OnBorder(content, x, y); }, outside),
              10);
    EXPECT_EQ(outside, 0);

    SetActive(false);
    MemorySurface focusOnly(kButtonWidth, kButtonHeight);
    DrawFaceOn(host_, focusOnly, ODS_FOCUS); // keyboard focus without the default look
    EXPECT_TRUE(focusOnly.SamePixels(plain));
}

// Wine's DrawText underlines the mnemonic even with DT_HIDEPREFIX, so the flags are checked
// rather than the pixels.
TEST_F(ThemedFace, TextFlagsFollowTheTopLevelWindowAndTheControl) {
    auto& button = host_.button();
    host_.form().uiState = UISF_HIDEACCEL;
    EXPECT_EQ(button.TextFlags(), static_cast<unsigned>(DT_HIDEPREFIX));
    host_.form().uiState = UISF_HIDEFOCUS;
    EXPECT_EQ(button.TextFlags(), 0u);
    button.SetWordWrap(true);
    EXPECT_EQ(button.TextFlags(), static_cast<unsigned>(DT_WORDBREAK));
    button.SetWordWrap(false);
    ::SetWindowLongPtrW(button.hwnd(), GWL_EXSTYLE, WS_EX_RTLREADING | WS_EX_RIGHT);
    EXPECT_EQ(button.TextFlags(), static_cast<unsigned>(DT_RTLREADING | DT_RIGHT));
}

TEST_F(ThemedFace, GlassFrameCoveringTheButtonChangesTheFaceOnlyWithComposition) {
    MemorySurface plain(kButtonWidth, kButtonHeight);
    MemorySurface face(kButtonWidth, kButtonHeight);
    DrawFaceOn(host_, plain, 0);

    // The button at (10, 10, 85, 35) lies wholly inside the glass-free rectangle.
    answers_.SetComposition(true);
    answers_.SetGlassFrame({true, false, 5, 5, 5, 5});
    DrawFaceOn(host_, face, 0);
    EXPECT_TRUE(face.SamePixels(plain));

    // A sheet of glass: the black ground and the glass caption.
    answers_.SetGlassFrame({true, true, 0, 0, 0, 0});
    DrawFaceOn(host_, face, 0);
    EXPECT_FALSE(face.SamePixels(plain));

    // The same frame without composition is no glass at all.
    answers_.SetComposition(false);
    DrawFaceOn(host_, face, 0);
    EXPECT_TRUE(face.SamePixels(plain));
}

class ClassicFace : public ::testing::Test {
protected:
    ClassicFace() : answers_(false) {}
    void SetUp() override { box_.Create(host_.form().hwnd(), L"box", {10, 60, 80, 17}); }
    void SetActive(bool active) {
        ::SetFocus(active ? host_.button().hwnd() : box_.hwnd());
        ASSERT_EQ(host_.button().DefaultLook(), active);
    }
    static void Frame(MemorySurface& surface, RECT r, UINT flags) {
        surface.Fill(kFaceGround);
        ::DrawFrameControl(surface.dc(), &r, DFC_BUTTON, flags);
    }

    AeroAnswers answers_;
    ButtonHost host_;
    toolkit::CheckBox box_;
};

TEST_F(ClassicFace, RaisedFrameIsThePlatformPushButton) {
    SetActive(false);
    MemorySurface face(kButtonWidth, kButtonHeight);
    MemorySurface reference(kButtonWidth, kButtonHeight);
    RECT inner{0, 0, kButtonWidth, kButtonHeight};
    DrawFaceOn(host_, face, 0);
    Frame(reference, inner, 0x2010);
    ::DrawFrameControl(reference.dc(), &inner, DFC_BUTTON, 0x2010); // learns the face inside
    EXPECT_EQ(RingDifferences(face, reference, inner), 0);
}

TEST_F(ClassicFace, FocusAddsAWindowFrameOutlineAroundTheFrame) {
    SetActive(false);
    MemorySurface face(kButtonWidth, kButtonHeight);
    MemorySurface reference(kButtonWidth, kButtonHeight);
    DrawFaceOn(host_, face, ODS_FOCUS);
    RECT inner{1, 1, kButtonWidth - 1, kButtonHeight - 1};
    Frame(reference, inner, 0x2010);
    const COLORREF frame = ::GetSysColor(COLOR_WINDOWFRAME);
    for (int x = 0; x < kButtonWidth; ++x) {
        EXPECT_EQ(face.Pixel(x, 0), frame);
        EXPECT_EQ(face.Pixel(x, kButtonHeight - 1), frame);
    }
    EXPECT_EQ(RingDifferences(face, reference, RECT{4, 4, kButtonWidth - 4, kButtonHeight - 4}) -
                  RingDifferences(face, reference, RECT{1, 1, kButtonWidth - 1, kButtonHeight - 1}),
              0)
        << "inside the outline the frame is the platform's";
}

TEST_F(ClassicFace, PressedDrawsTheFlatRectangle) {
    SetActive(false);
    MemorySurface face(kButtonWidth, kButtonHeight);
    DrawFaceOn(host_, face, ODS_SELECTED);
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF buttonFace = ::GetSysColor(COLOR_BTNFACE);
    for (int x = 0; x < kButtonWidth; ++x) {
        EXPECT_EQ(face.Pixel(x, 0), shadow);
        EXPECT_EQ(face.Pixel(x, kButtonHeight - 1), shadow);
        EXPECT_EQ(face.Pixel(x, kButtonHeight - 2) == buttonFace || x == 0 || x == kButtonWidth - 1,
                  true);
    }
    for (int y = 0; y < kButtonHeight; ++y) {
        EXPECT_EQ(face.Pixel(0, y), shadow);
        EXPECT_EQ(face.Pixel(kButtonWidth - 1, y), shadow);
    }
}

TEST_F(ClassicFace, FocusRectangleLiesFourPixelsIn) {
    SetActive(true);
    MemorySurface focused(kButtonWidth, kButtonHeight);
    MemorySurface plain(kButtonWidth, kButtonHeight);
    DrawFaceOn(host_, focused, ODS_FOCUS);
    DrawFaceOn(host_, plain, 0);
    const RECT ring{4, 4, kButtonWidth - 4, kButtonHeight - 4};
    int outside = 0;
    EXPECT_GT(DifferencesOnlyWhere(
                  focused, plain, [&](int x, int y) { return OnBorder(ring, x, y); }, outside),
              10);
    EXPECT_EQ(outside, 0);
}

TEST_F(ClassicFace, PictureStaysLeftWithSpacingFourWhateverTheProperties) {
    // A 16 x 16 picture puts the caption beside or below it, depending on the layout.
    const HIMAGELIST list = ::ImageList_Create(16, 16, ILC_COLOR24, 1, 1);
    ASSERT_NE(list, nullptr);
    {
        MemorySurface picture(16, 16);
        picture.Fill(RGB(255, 0, 0));
        toolkit::UniqueBitmap bitmap(::CreateCompatibleBitmap(picture.dc(), 16, 16));
        {
            auto selection = toolkit::Select(picture.dc(), bitmap.get());
            ::BitBlt(picture.dc(), 0, 0, 16, 16, picture.dc(), 0, 0, SRCCOPY);
        }
        ::ImageList_Add(list, bitmap.get(), nullptr);
    }
    quarnel::ImageList images(list);
    auto& button = host_.button();
    button.SetImages(&images);
    button.SetImageIndex(0);
    MemorySurface asked(kButtonWidth, 40);
    MemorySurface left(kButtonWidth, 40);
    ::SetWindowPos(button.hwnd(), nullptr, 0, 0, kButtonWidth, 40, SWP_NOMOVE | SWP_NOZORDER);

    button.SetImagePos(quarnel::ipTop);
    button.SetSpacing(10);
    DrawFaceOn(host_, asked, 0);
    button.SetImagePos(quarnel::ipLeft);
    button.SetSpacing(4);
    DrawFaceOn(host_, left, 0);
    EXPECT_TRUE(asked.SamePixels(left));

    // With styles on the properties do count: the test would notice a layout ignored there.
    answers_.SetStyles(true);
    DrawFaceOn(host_, left, 0);
    button.SetImagePos(quarnel::ipTop);
    button.SetSpacing(10);
    DrawFaceOn(host_, asked, 0);
    EXPECT_FALSE(asked.SamePixels(left));
    button.SetImages(nullptr);
    ::ImageList_Destroy(list);
}

} // namespace
